#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/*.cpp) with clang in build/fuzz and runs
# each for SECONDS (default 20) on its corpus in build/fuzz/corpus/NAME; seeds
# in fuzz/corpus/NAME are read too. Crashes are saved in build/fuzz/crashes/.
#
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seconds=${1:-20}
shift || true

if ! compgen -G "fuzz/*.cpp" >/dev/null; then
  echo "fuzz: no targets in fuzz/ yet; nothing to run"
  exit 0
fi

# All code gets coverage instrumentation, not only the fuzz entry points, so
# the fuzzer can see which branches of the parsers an input reaches.
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B build/fuzz -G Ninja -DZEV_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" >build/fuzz-configure.log 2>&1 \
  || { cat build/fuzz-configure.log; exit 1; }
cmake --build build/fuzz -j2

targets=("$@")
if ((${#targets[@]} == 0)); then
  for src in fuzz/*.cpp; do targets+=("$(basename "${src%.cpp}")"); done
fi

failures=0
mkdir -p build/fuzz/crashes
for name in "${targets[@]}"; do
  corpus=build/fuzz/corpus/$name
  mkdir -p "$corpus"
  seeds=()
  [[ -d fuzz/corpus/$name ]] && seeds=("fuzz/corpus/$name")
  echo "--- fuzz $name for ${seconds}s"
  if timeout $((seconds + 120)) "build/fuzz/$name" -max_total_time="$seconds" -rss_limit_mb=4096 \
      -artifact_prefix="build/fuzz/crashes/$name-" -print_final_stats=1 "$corpus" "${seeds[@]}" \
      >"build/fuzz/$name.log" 2>&1; then
    grep -E '^stat::number_of_executed_units|^Done' "build/fuzz/$name.log" || true
    echo "--- fuzz $name: ok"
  else
    tail -40 "build/fuzz/$name.log"
    echo "--- fuzz $name: FAILED (log build/fuzz/$name.log, inputs in build/fuzz/crashes/)"
    failures=$((failures + 1))
  fi
done
((failures == 0))
