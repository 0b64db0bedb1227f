#!/bin/bash
# The English catalogue is complete and current: lupdate, run over the sources into
# a copy of it, finds no text without a finished translation and drops none.
#   complete_test.sh SOURCE_DIR
set -euo pipefail
root=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$root/translations/velunta_en.ts" "$tmp/velunta_en.ts"
bash "$root/tools/update_translations.sh" "$tmp/velunta_en.ts"
before=$(grep -c '<message>' "$root/translations/velunta_en.ts")
after=$(grep -c '<message>' "$tmp/velunta_en.ts")
unfinished=$(grep -c 'type="unfinished"' "$tmp/velunta_en.ts" || true)
status=0
if [ "$unfinished" != 0 ]; then
  echo "FAIL: $unfinished texts without a finished English translation:"
  grep -B2 'type="unfinished"' "$tmp/velunta_en.ts" | grep '<source>' | head -40
  status=1
fi
if [ "$before" != "$after" ]; then
  echo "FAIL: the catalogue holds $before texts, the sources $after: run tools/update_translations.sh"
  status=1
fi
echo "$after texts, $unfinished unfinished"
exit $status
