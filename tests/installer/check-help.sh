#!/usr/bin/env bash
# Builds both help files as the release does, unpacks each and checks it
# against its sources (tests/installer/check_chm.py): every topic present,
# every internal link resolving. Both languages must offer the same topics.
#
#   bash tests/installer/check-help.sh
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
out=$root/build/help-check
rm -rf "$out"
mkdir -p "$out"

status=0
for lang in de en; do
  chm=$out/zev_help_$lang.chm
  python3 installer/make_chm.py docs/help "$lang" "$chm" "${SOURCE_DATE_EPOCH:-315532800}"
  extract_chmLib "$chm" "$out/$lang" >/dev/null
  python3 tests/installer/check_chm.py "$out/$lang" "docs/help/$lang" || status=1
  echo "check-help: $(basename "$chm"): $(stat -c %s "$chm") bytes"
done
if ! diff <(cd docs/help/de && ls ./*.html) <(cd docs/help/en && ls ./*.html); then
  echo "check-help: the languages offer different topics" >&2
  status=1
fi
exit $status
