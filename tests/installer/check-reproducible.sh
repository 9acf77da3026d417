#!/usr/bin/env bash
# Builds the release twice and compares the bytes, and checks that the
# portable zip holds the exe and both help files. Between the two runs the exe
# is linked again and every staged file gets a new file time, so a link time in
# the PE header or a file time in the setup or the zip shows up as a difference.
#
#   bash tests/installer/check-reproducible.sh
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
out=$root/build/reproducible
rm -rf "$out"

ZEV_DIST_DIR=$out/first bash scripts/release.sh --test-key
# A new link, in a later second than the first run's files.
second=$(date +%s)
while [[ $(date +%s) == "$second" ]]; do sleep 0.1; done
rm -f build/win32/ZevStatus.exe
ZEV_DIST_DIR=$out/second bash scripts/release.sh --test-key

status=0
for f in "$out"/first/*; do
  name=$(basename "$f")
  if cmp "$f" "$out/second/$name"; then
    echo "reproducible: $name"
  else
    echo "NOT reproducible: $name" >&2
    status=1
  fi
done
# The portable zip carries what the program opens beside itself.
zip=$(ls "$out"/first/*-portable.zip)
want="ZevStatus.exe zev_help_de.chm zev_help_en.chm Portable.txt"
got=$(python3 -c 'import sys, zipfile; print(*zipfile.ZipFile(sys.argv[1]).namelist())' "$zip")
if [[ $got != "$want" ]]; then
  echo "the portable zip holds: $got; expected: $want" >&2
  status=1
fi
exit $status
