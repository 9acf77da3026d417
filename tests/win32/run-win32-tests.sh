#!/usr/bin/env bash
# Runs the Win32 backend tests under Wine:
#
#   tests/win32/run-win32-tests.sh [BUILD_DIR] [--gtest_filter=...]
#
# BUILD_DIR defaults to build/win64 and must hold win32-tests/zev_win32_tests.exe
# (cmake --build BUILD_DIR --target zev_win32_tests). The tests run in a Wine
# virtual desktop with a taskbar (for the notification-area icon) on a private
# Xvfb server. The verdict comes from GoogleTest's XML report, not from wine's
# exit code.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$root/build/win64
if [[ $# -gt 0 && $1 != --* ]]; then build=$(cd "$1" && pwd); shift; fi
exe=$build/win32-tests/zev_win32_tests.exe
report=$build/win32-tests/report.xml
desktop=ZEVW32
timeout_s=${ZEV_WIN32_TESTS_TIMEOUT:-300}

[[ -f $exe ]] || { echo "run-win32-tests: no $exe (build the zev_win32_tests target)" >&2; exit 2; }

source "$root/scripts/lib/wine_env.sh"
wine_env_init "$build/wineprefix-win32-tests" "$(wine_arch_of "$exe")"
# The download tests' server: answers that go wrong on purpose (see the script).
server_log=$build/win32-tests/faulty-http.log
signed=$build/win32-tests/signed
rm -f "$server_log"  # else the wait below may read the last run's port
python3 -u "$root/tests/win32/faulty_http_server.py" "$timeout_s" "$signed/test-ca.crl" >"$server_log" 2>&1 &
server_pid=$!
for _ in $(seq 50); do [[ -s $server_log ]] && break; sleep 0.1; done
export ZEV_FAULTY_HTTP_URL
ZEV_FAULTY_HTTP_URL=http://127.0.0.1:$(head -1 "$server_log")

# Signed copies of the test program for the signature tests; their CA is
# trusted in this prefix only (imported below), and its CRL is on the server.
bash "$root/tests/win32/sign-test-files.sh" "$signed" "$exe" "$ZEV_FAULTY_HTTP_URL/test-ca.crl"
export ZEV_SIGNED_DIR
ZEV_SIGNED_DIR=$(unix_to_wine "$signed")

# A Unix symbolic link to a folder, which Wine shows as a reparse point (its
# own CreateSymbolicLinkW makes none), for the copy that must not follow it.
links=$build/win32-tests/links
rm -rf "$links"
mkdir -p "$links/real"
echo genuine >"$links/real/genuine.txt"
ln -s real "$links/folder-link"
export ZEV_LINKS_DIR
ZEV_LINKS_DIR=$(unix_to_wine "$links")

cleanup() {
  wine_stop
  xvfb_stop
  kill "$server_pid" 2>/dev/null || true
}
trap cleanup EXIT

xvfb_start 1024x768
wine_warm_prefix "$desktop"
wine_exec wine reg import "$(unix_to_wine "$signed/test-ca.reg")" >/dev/null 2>&1
# Wine keeps revocation verdicts on disk by serial number alone: a verdict
# about the last run's certificates must not answer for this run's.
rm -rf "$WINEPREFIX/drive_c/users/"*/AppData/LocalLow/Microsoft/CryptnetUrlCache
rm -f "$report"
wine_exec timeout "$timeout_s" wine explorer "/desktop=$desktop,1024x768" "$(unix_to_wine "$exe")" \
  --gtest_output="xml:$(unix_to_wine "$report")" "$@" >"$build/win32-tests/wine.log" 2>&1 || true
# explorer may return before the program has written its report.
for _ in $(seq 50); do [[ -s $report ]] && break; sleep 0.2; done
[[ -s $report ]] || { echo "run-win32-tests: no report; wine log:" >&2; tail -20 "$build/win32-tests/wine.log" >&2; exit 1; }

grep -o '<testcase name="[^"]*"[^>]*classname="[^"]*"' "$report" | sed -E 's/<testcase name="([^"]*)".*classname="([^"]*)"/\2.\1/' >/dev/null
tests=$(sed -nE 's/.*<testsuites tests="([0-9]+)".*/\1/p' "$report" | head -1)
failures=$(sed -nE 's/.*<testsuites tests="[0-9]+" failures="([0-9]+)".*/\1/p' "$report" | head -1)
grep -B1 -A3 '<failure' "$report" | sed -E 's/&#x0A;/\n/g; s/&quot;/"/g' || true
echo "run-win32-tests: ${tests:-0} tests, ${failures:-?} failures (report: $report)"
[[ ${failures:-1} == 0 && ${tests:-0} -gt 0 ]]
