#!/bin/sh
# Regenerates the program's artwork (bitmaps, icons, cursor) in src/res/art.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/artgen"
mkdir -p "$out"
g++ -std=c++20 -O2 -Wall -Wextra -Werror "$root"/tools/artgen/*.cpp -o "$out/artgen"
"$out/artgen" "$root/src/res/art"
echo "artwork written to src/res/art"
