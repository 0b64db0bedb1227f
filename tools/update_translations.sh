#!/bin/bash
# Brings the catalogues up to the texts of the sources (the program's and the help
# typesetter's footers): new texts come in unfinished, texts gone are dropped. The
# names of the balls, media and published falls live in the data files, where lupdate
# does not look: they are listed for it here, in the context "Presets" that
# shownPresetName translates them in. A new language: create translations/velunta_<code>.ts
# with this script, then translate it in Qt Linguist.
#   tools/update_translations.sh [CATALOGUE.ts...]   (every translations/velunta_*.ts by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -gt 0 ]; then catalogues=("$@"); else catalogues=("$root"/translations/velunta_*.ts); fi
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$root/data" > "$work/preset_names.cpp" <<'PY'
import json, sys
folder = sys.argv[1]
names = [b["name"] for b in json.load(open(folder + "/presets.json"))["balls"]]
names += [m["name"] for m in json.load(open(folder + "/presets.json"))["media"]]
names += [s["name"] for s in json.load(open(folder + "/experiments.json"))["sets"]]
for n in names:
    print('QT_TRANSLATE_NOOP("Presets", %s)' % json.dumps(n, ensure_ascii=False))
PY
for catalogue in "${catalogues[@]}"; do
    name=$(basename "$catalogue" .ts)
    "$lupdate" -silent -locations none -no-obsolete -source-language ru -target-language "${name#velunta_}" \
        "$root/src" "$root/tools/mkpdf/main.cpp" "$work/preset_names.cpp" -ts "$catalogue"
done
