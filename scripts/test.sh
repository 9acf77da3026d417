#!/usr/bin/env bash
# Runs every test: installs what is missing, checks the formatting, builds the
# presets, runs the headless suite (ASan+UBSan), the Linux tools through real
# USB drivers in QEMU, the fuzzers for a short while, and the Wine end-to-end
# and backend tests. Ends with one line "stages: N passed, N failed, N skipped"
# and a non-zero exit status when any stage failed.
#
#   bash scripts/test.sh            # everything
#   ZEV_FUZZ_SECONDS=60 bash scripts/test.sh
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
logs=$root/build/logs
mkdir -p "$logs"
started=$SECONDS
passed=0 failed=0 skipped=0
declare -A outcome

# stage NAME quiet|brief|loud COMMAND... : every stage writes its log; quiet
# shows the log's end only on failure, brief always shows its end (a test
# runner's summary), loud shows everything as it comes.
stage() {
  local name=$1 mode=$2
  shift 2
  local log=$logs/${name// /-}.log t0=$SECONDS rc
  echo "=== $name"
  if [[ $mode == loud ]]; then
    "$@" 2>&1 | tee "$log"
    rc=${PIPESTATUS[0]}
  else
    "$@" >"$log" 2>&1
    rc=$?
    [[ $mode == brief ]] && tail -4 "$log"
  fi
  if ((rc == 0)); then
    passed=$((passed + 1)); outcome[$name]=passed
    echo "=== $name: passed ($((SECONDS - t0)) s)"
  else
    [[ $mode == quiet ]] && tail -60 "$log"
    [[ $mode == brief ]] && grep -E 'Failed|\*\*\*|FAIL' "$log" | head -60
    failed=$((failed + 1)); outcome[$name]=failed
    echo "=== $name: FAILED ($((SECONDS - t0)) s, exit $rc, log $log)"
  fi
}

skip() {
  skipped=$((skipped + 1)); outcome[$1]=skipped
  echo "=== $1: skipped ($2)"
}

build_preset() {
  cmake --preset "$1" && cmake --build --preset "$1" -j2
}

# Every tracked C++ file must be as clang-format leaves it (see .clang-format).
check_format() {
  git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror
}

stage "setup" quiet bash scripts/setup.sh
stage "format" quiet check_format

stage "linux build" quiet build_preset linux
if [[ ${outcome[linux build]} == passed ]]; then
  # Shuffled, four at a time and three rounds: two tests that share a file or
  # any other fixed resource fail here rather than by luck of scheduling in CI.
  stage "headless tests" brief ctest --preset linux -j4 --schedule-random --repeat until-fail:3
else
  skip "headless tests" "the linux build failed"
fi

# Both help files compiled as the release does, every topic and link checked.
stage "help files" quiet bash tests/installer/check-help.sh
# The Linux tools as installed, against the emulator shown as a real USB printer,
# through the kernel's own drivers in QEMU (tests/usb/; fetches the kernel once).
stage "linux-release build" quiet build_preset linux-release
if [[ ${outcome[linux-release build]} == passed ]]; then
  stage "usb" loud bash tests/usb/run-usb-tests.sh build/linux-release build/linux
else
  skip "usb" "the linux-release build failed"
fi

stage "win32 build" quiet build_preset win32
stage "win64 build" quiet build_preset win64

# The setup of the i686 product, installed, run and uninstalled in 32-bit Wine;
# and the release built twice to the same bytes.
if [[ ${outcome[win32 build]} == passed ]]; then
  stage "installer tests" loud bash tests/installer/run-installer-test.sh
  stage "release reproducible" quiet bash tests/installer/check-reproducible.sh
else
  skip "installer tests" "the win32 build failed"
  skip "release reproducible" "the win32 build failed"
fi

stage "fuzzers" loud bash scripts/fuzz.sh "${ZEV_FUZZ_SECONDS:-20}"

# The Wine runs need only their own programs, so they still run when another
# part of a build is broken. The end-to-end tests prove the i686 program, the
# one users get, in the 32-bit Wine root. The x86_64 build adds only the Win32
# backend tests: the window-pointer and message-parameter code they drive is
# where a 64-bit fault would show, and the rest would repeat the i686 run.
wine_stages() {
  local arch=$1 build=$2 target=$3 script=$4 what=$5
  if [[ ! -f $build/build.ninja ]]; then
    skip "$arch $what tests" "$build was not configured"
    return
  fi
  stage "$arch $what build" quiet cmake --build "$build" --target "$target" -j2
  if [[ ${outcome[$arch $what build]} == passed ]]; then
    stage "$arch $what tests" loud bash "$script" "$build"
  else
    skip "$arch $what tests" "their programs did not build"
  fi
}
wine_stages i686 build/win32 zev_e2e tests/wine/run-e2e.sh e2e
wine_stages i686 build/win32 zev_win32_tests tests/win32/run-win32-tests.sh backend
wine_stages x86_64 build/win64 zev_win32_tests tests/win32/run-win32-tests.sh backend

echo
for name in "${!outcome[@]}"; do printf '  %-22s %s\n' "$name" "${outcome[$name]}"; done | sort
echo "total time: $((SECONDS - started)) s; logs in $logs"
echo "stages: $passed passed, $failed failed, $skipped skipped"
((failed == 0))
