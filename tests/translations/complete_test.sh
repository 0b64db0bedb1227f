#!/bin/bash
# Every catalogue is complete and current: lupdate, run over the sources into a copy
# of it, finds no text without a finished translation and drops none.
#   complete_test.sh SOURCE_DIR
set -euo pipefail
root=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
for catalogue in "$root"/translations/velunta_*.ts; do
  name=$(basename "$catalogue")
  cp "$catalogue" "$tmp/$name"
  bash "$root/tools/update_translations.sh" "$tmp/$name"
  before=$(grep -c '<message>' "$catalogue")
  after=$(grep -c '<message>' "$tmp/$name")
  unfinished=$(grep -c 'type="unfinished"' "$tmp/$name" || true)
  if [ "$unfinished" != 0 ]; then
    echo "FAIL: $name: $unfinished texts without a finished translation:"
    grep -B2 'type="unfinished"' "$tmp/$name" | grep '<source>' | head -40
    status=1
  fi
  if [ "$before" != "$after" ]; then
    echo "FAIL: $name holds $before texts, the sources $after: run tools/update_translations.sh"
    status=1
  fi
  echo "$name: $after texts, $unfinished unfinished"
done
exit $status
