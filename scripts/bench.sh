#!/usr/bin/env bash
# Builds the benchmarks optimised and without sanitizers in build/bench and runs
# them; arguments go to Google Benchmark (e.g. --benchmark_filter=Decode).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
if ! compgen -G "bench/*.cpp" >/dev/null; then
  echo "bench: no benchmarks in bench/ yet"
  exit 0
fi
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench --target zev_bench -j2
build/bench/zev_bench "$@"
