#!/bin/sh
# Runs every fuzz target for a while and stops at the first finding.
#   fuzz/run.sh [build-dir] [seconds-per-target]
# The build dir must come from:
#   CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DZEV_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
#   cmake --build build/fuzz -j2
# New inputs go to <build-dir>/corpus/<target>; the seeds in fuzz/corpus stay as they are.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build/fuzz}
seconds=${2:-20}
for target in "$build"/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    work="$build/corpus/$name"
    mkdir -p "$work"
    echo "== $name ($seconds s)"
    "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/$name-" \
        "$work" "$here/corpus/$name" 2>&1 | grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|==[0-9]+==|SUMMARY|Done)' || true
    # A crash leaves an artifact behind and fails the run.
    if ls "$build/$name"-crash-* "$build/$name"-leak-* "$build/$name"-timeout-* >/dev/null 2>&1; then
        echo "finding in $name" >&2
        exit 1
    fi
done
