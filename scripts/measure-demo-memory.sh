#!/usr/bin/env bash
# Measures whether ZevStatus.exe holds on to memory while it plays the demo
# scenario under Wine: printing, a paper jam and an open cover come and go once
# a minute, so popups, their pictures and their timers are made and freed over
# and over. Reports the resident memory (VmRSS, /proc/PID/status) of the Wine
# process that runs ZevStatus.exe once a minute, and whether minute MINUTES is
# within 5 % of minute 2 (the first minute is start-up).
#
#   bash scripts/measure-demo-memory.sh [BUILD_DIR] [MINUTES]
#
# BUILD_DIR defaults to build/win64 (it must hold ZevStatus.exe), MINUTES to 10.
# Ends non-zero when the growth is above 5 %.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build/win64
minutes=10
for arg in "$@"; do
  case $arg in
    [0-9]*) minutes=$arg ;;
    *) build=$(cd "$arg" && pwd) ;;
  esac
done
((minutes >= 2)) || { echo "measure-demo-memory: at least 2 minutes" >&2; exit 2; }
exe=$build/ZevStatus.exe
[[ -f $exe ]] || { echo "measure-demo-memory: no $exe (build the win64 preset first)" >&2; exit 2; }

source "$root/scripts/lib/wine_env.sh"
wine_env_init "$build/wineprefix-memory"
desktop=ZEVMEMORY

# A copy of its own, so the program's data.txt stays out of the build folder.
work=$build/demo-memory
rm -rf "$work"
mkdir -p "$work"
cp "$exe" "$work/ZevStatus.exe"
export ZEV_EMULATOR=demo

trap 'wine_stop; xvfb_stop' EXIT
xvfb_start 1024x768
wine_warm_prefix "$desktop"

(cd "$work" && exec wine explorer "/desktop=$desktop,1024x768" "$(unix_to_wine "$work/ZevStatus.exe")") \
  >"$work/wine.log" 2>&1 &

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

program=
for _ in $(seq 300); do
  program=$(wine_find_pid '*\\ZevStatus.exe') && break
  sleep 0.1
done
[[ -n $program ]] || { echo "measure-demo-memory: ZevStatus.exe did not start; $work/wine.log" >&2; exit 1; }

declare -a rss
for minute in $(seq 1 "$minutes"); do
  sleep 60
  kill -0 "$program" 2>/dev/null || { echo "measure-demo-memory: ZevStatus.exe ended in minute $minute" >&2; exit 1; }
  rss[minute]=$(rss_kib "$program")
  echo "minute $minute: VmRSS ${rss[minute]} KiB"
done

awk -v a="${rss[2]}" -v b="${rss[minutes]}" -v m="$minutes" 'BEGIN {
  growth = 100 * (b - a) / a
  printf "measure-demo-memory: minute %d is %+.2f %% against minute 2 (limit 5 %%)\n", m, growth
  exit (growth > 5 || growth < -5) ? 1 : 0
}'
