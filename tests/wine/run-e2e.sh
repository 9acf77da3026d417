#!/usr/bin/env bash
# Runs the Wine end-to-end tests of a Windows build:
#
#   tests/wine/run-e2e.sh [BUILD_DIR] [--gtest_filter=...]
#
# BUILD_DIR defaults to build/win64; its wine/ folder must hold the driver
# (cmake --build build/win64 --target zev_e2e). The driver runs inside a Wine
# virtual desktop on a private Xvfb server, starts the programs under test in
# that same desktop, and writes one line per test to BUILD_DIR/e2e/results.txt;
# the verdict comes from that file, not from wine's exit code. Screenshots go to
# BUILD_DIR/screenshots/.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$root/build/win64
if [[ $# -gt 0 && $1 != --* ]]; then build=$(cd "$1" && pwd); shift; fi
driver=$build/wine/zev_e2e_driver.exe
out=$build/e2e
shots=$build/screenshots
timeout_s=${ZEV_E2E_TIMEOUT:-900}
desktop=ZEVTEST
geometry=${ZEV_E2E_GEOMETRY:-1024x768}

[[ -f $driver ]] || { echo "run-e2e: no driver at $driver (build the zev_e2e target)" >&2; exit 2; }

source "$root/scripts/lib/wine_env.sh"
source "$root/tests/wine/update_server.sh"
wine_env_init "$build/wineprefix-e2e" "$(wine_arch_of "$driver")"
# Wine takes a native winhttp.dll wherever the search offers one, as Windows
# does with any DLL that is not a KnownDLL: a planted copy then runs unless the
# program keeps the search to the system folder (ZevStatusPlantedDll). Wine
# reads this from the environment it starts with, not from a parent's
# SetEnvironmentVariable, so it is set for the whole run.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winhttp=n,b"

mkdir -p "$out" "$shots" "$out/work"
rm -f "$out/results.txt" "$shots"/*.request "$shots"/*.png

cleanup() {
  wine_stop
  update_server_stop
  user_proxy_stop
  xvfb_stop
}
trap cleanup EXIT

xvfb_start "$geometry"      # always private: the tests must not depend on a desktop session
# The driver update test puts the server's files into this folder itself.
update_root=$out/update-server
rm -rf "$update_root"
update_server_start "$update_root"
export ZEV_E2E_UPDATE_ROOT
ZEV_E2E_UPDATE_ROOT=$(unix_to_wine "$update_root")
wine_warm_prefix "$desktop"
update_server_use_policy
# What any program of the user's can set must not move the update: nothing
# answers here, and the update test still finds its files through the policy.
export ZEV_UPDATE_URL=http://127.0.0.1:9
user_proxy_start "$out/proxy.log"
export ZEV_E2E_PROXY_LOG
ZEV_E2E_PROXY_LOG=$(unix_to_wine "$out/proxy.log")

# Windows paths of our folders (Wine maps the Unix root to drive Z:).
results_w=$(unix_to_wine "$out/results.txt")
args=(--results="$results_w" --shots="$(unix_to_wine "$shots")" --work="$(unix_to_wine "$out/work")" "$@")

echo "run-e2e: driver $(basename "$driver") on DISPLAY=$DISPLAY, prefix $WINEPREFIX"
wine_exec wine explorer "/desktop=$desktop,$geometry" "$(unix_to_wine "$driver")" "${args[@]}" \
  >"$out/wine.log" 2>&1 &
wine_pid=$!

finished() { [[ -f $out/results.txt ]] && tr -d '\r' <"$out/results.txt" | grep -qx DONE; }

# Answer screenshot requests until the driver has written its last line.
deadline=$((SECONDS + timeout_s))
while ((SECONDS < deadline)) && ! finished; do
  for request in "$shots"/*.request; do
    [[ -e $request ]] || continue
    name=${request%.request}
    import -display "$DISPLAY" -window root "png:$name.png.part" 2>>"$out/import.log" \
      && mv -f "$name.png.part" "$name.png"
    rm -f "$request"
  done
  if ! kill -0 "$wine_pid" 2>/dev/null; then
    sleep 2   # the driver may outlive the wine command that started it
    kill -0 "$wine_pid" 2>/dev/null || finished || break
  fi
  sleep 0.2
done

cat "$out/results.txt" 2>/dev/null || true
if ! finished; then
  echo "run-e2e: the driver did not finish (time-out ${timeout_s}s or crash); wine log: $out/wine.log" >&2
  tail -20 "$out/wine.log" >&2 || true
  exit 1
fi
summary=$(grep '^SUMMARY ' "$out/results.txt" | tail -1)
passed=$(sed -E 's/^SUMMARY ([0-9]+) passed.*/\1/' <<<"$summary")
failed=$(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$summary")
echo "run-e2e: screenshots in $shots"
if [[ $failed != 0 || $passed == 0 ]]; then
  echo "run-e2e: FAILED ($passed passed, $failed failed)" >&2
  exit 1
fi
echo "run-e2e: ok ($passed passed)"
