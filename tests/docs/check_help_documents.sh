#!/usr/bin/env bash
# Checks the help documents beside the program:
#   check_help_documents.sh DOCS_SOURCE_DIR RUN_DIR MKPDF NAME...
# Every PDF has pages, its source's title, Cyrillic text with the source's words
# (headings' too; the fonts map to Unicode) and only the Liberation
# faces (a fallback face means a glyph the serif face lacks), and no text twice
# where one page ends and the next begins (a line drawn on both pages, hidden
# by the clip on one of them, is still found by a search). The instruction
# is the source byte for byte; the tool gives the same bytes a second later.
set -uo pipefail
export LC_ALL=C.UTF-8

src=$1 run=$2 mkpdf=$3
shift 3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# Text as it reads in print: no Markdown marks, ^{x} and _{x} as x.
strip_markup() { sed -E 's/[`*]//g; s/[_^]\{([^{}]*)\}/\1/g; s/\\([|*_`#~])/\1/g'; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

for name in "$@"; do
  md=$src/$name.md pdf=$run/$name.pdf text=$tmp/$name.txt
  pages=$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
  [ "${pages:-0}" -ge 1 ] || { fail "$name.pdf missing or without pages"; continue; }
  pdftotext -enc UTF-8 "$pdf" "$text" || fail "$name.pdf: pdftotext failed"

  title=$(grep -m1 -E '^# ' "$md" | sed -E 's/^# +//' | strip_markup)
  [ "$(pdfinfo "$pdf" | sed -n 's/^Title: *//p')" = "$title" ] || fail "$name.pdf: title is not '$title'"

  # Words of the source unfound, or replacement characters: fonts that do not map to Unicode.
  ! grep -q $'\xEF\xBF\xBD' "$text" || fail "$name.pdf: replacement characters in the text"
  lost=$(comm -23 <(strip_markup < "$md" | grep -oP '\p{Cyrillic}{5,}' | sort -u) \
                  <(grep -oP '\p{Cyrillic}{5,}' "$text" | sort -u))
  [ -z "$lost" ] || fail "$name.pdf: words of the source missing: $(head -5 <<< "$lost" | tr '\n' ' ')"
  body() { pdftotext -f "$1" -l "$1" -layout "$pdf" - | sed -E 's/^ +| +$//g; s/ +/ /g' | grep -v '^$' | sed '$d'; }
  for ((p = 1; p < pages; p++)); do  # the last line of a page among the first of the next, or back
    end=$(body $p | tail -3) start=$(body $((p + 1)) | head -3)
    if grep -qxF -- "$(tail -1 <<< "$end")" <<< "$start" || grep -qxF -- "$(head -1 <<< "$start")" <<< "$end"; then
      fail "$name.pdf: text repeated where page $p ends and page $((p + 1)) begins"
    fi
  done
  others=$(pdffonts "$pdf" | tail -n +3 | awk '{print $1}' | sed 's/^[A-Z]*+//' | grep -v '^Liberation')
  [ -z "$others" ] || fail "$name.pdf: faces other than Liberation: $others"
done

cmp -s "$src/instruction.txt" "$run/instruction.txt" || fail "instruction.txt missing or not the source's bytes"
"$mkpdf" "$src/spravka2.md" "$tmp/a.pdf" && sleep 1 && "$mkpdf" "$src/spravka2.md" "$tmp/b.pdf"
[ -s "$tmp/a.pdf" ] && cmp -s "$tmp/a.pdf" "$tmp/b.pdf" || fail "mkpdf gave different bytes for the same input"
echo "help documents: $failures failure(s)"
[ "$failures" -eq 0 ]
