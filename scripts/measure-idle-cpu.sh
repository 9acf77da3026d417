#!/usr/bin/env bash
# Measures the CPU time ZevStatus.exe uses while it idles under Wine: the
# program polls a steady, ready emulated printer once a second with its main
# window hidden, as it spends most of its life.
#
#   bash scripts/measure-idle-cpu.sh [BUILD_DIR] [SECONDS] [--demo]
#
# BUILD_DIR defaults to build/win32, the i686 product, which runs in the 32-bit
# Wine root (an x86_64 build runs under wine64); it must hold ZevStatus.exe.
# SECONDS defaults to 60. --demo plays the built-in demo scenario instead
# (printing, a paper jam and an open cover come and go, so popups open and
# close during the measurement).
# The program gets WARMUP seconds (default 10) to finish its start-up pass
# first. Reported: user+system CPU time of the Wine process that runs
# ZevStatus.exe (from /proc/PID/stat), and of this prefix's wineserver, which
# carries the program's timer and window messages.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build/win32
seconds=60
scenario=steady
for arg in "$@"; do
  case $arg in
    --demo) scenario=demo ;;
    [0-9]*) seconds=$arg ;;
    *) build=$(cd "$arg" && pwd) ;;
  esac
done
warmup=${WARMUP:-10}
exe=$build/ZevStatus.exe
[[ -f $exe ]] || { echo "measure-idle-cpu: no $exe (build its preset first)" >&2; exit 2; }

source "$root/scripts/lib/wine_env.sh"
wine_env_init "$build/wineprefix-idle" "$(wine_arch_of "$exe")"
desktop=ZEVIDLE

# A copy of its own, so the program's data.txt stays out of the build folder.
work=$build/idle-cpu
rm -rf "$work"
mkdir -p "$work"
cp "$exe" "$work/ZevStatus.exe"
if [[ $scenario == demo ]]; then
  export ZEV_EMULATOR=demo
else
  printf 'printer A1 state=0 activity=0 cover=8 pen1=1:80 pen2=2:60\n' >"$work/scenario.txt"
  export ZEV_EMULATOR
  ZEV_EMULATOR=$(unix_to_wine "$work/scenario.txt")
fi

trap 'wine_stop; xvfb_stop' EXIT
xvfb_start 1024x768
wine_warm_prefix "$desktop"

(cd "$work" && wine_exec wine explorer "/desktop=$desktop,1024x768" "$(unix_to_wine "$work/ZevStatus.exe")") \
  >"$work/wine.log" 2>&1 &

# utime + stime in clock ticks; the command name may hold blanks, so count after ')'.
ticks() { sed -E 's/.*\) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

program=
for _ in $(seq 300); do
  program=$(wine_find_pid '*\\ZevStatus.exe') && break
  sleep 0.1
done
[[ -n $program ]] || { echo "measure-idle-cpu: ZevStatus.exe did not start; $work/wine.log" >&2; exit 1; }
server=$(wine_find_pid '*/wineserver*' || true)

sleep "$warmup"
kill -0 "$program" 2>/dev/null || { echo "measure-idle-cpu: ZevStatus.exe ended during start-up" >&2; exit 1; }
p0=$(ticks "$program")
s0=$( [[ -n $server ]] && ticks "$server" || echo 0)
sleep "$seconds"
kill -0 "$program" 2>/dev/null || { echo "measure-idle-cpu: ZevStatus.exe ended during the measurement" >&2; exit 1; }
p1=$(ticks "$program")
s1=$( [[ -n $server ]] && ticks "$server" || echo 0)

hz=$(getconf CLK_TCK)
report() {  # $1 label, $2 ticks
  awk -v l="$1" -v t="$2" -v hz="$hz" -v s="$seconds" \
    'BEGIN { printf "%-28s %7.2f s CPU in %d s (%.2f %% of one core)\n", l, t / hz, s, 100 * t / hz / s }'
}
echo "measure-idle-cpu: scenario $scenario, ${warmup} s start-up excluded"
report "ZevStatus.exe (pid $program)" $((p1 - p0))
[[ -n $server ]] && report "wineserver (pid $server)" $((s1 - s0))
