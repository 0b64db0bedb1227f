#!/usr/bin/env bash
# Checks the help documents beside the program:
#   check_help_documents.sh DOCS_SOURCE_DIR RUN_DIR MKPDF NAME...
# Russian NAME.pdf from NAME.md, English NAME.en.pdf from en/NAME.md. Every PDF
# has pages, its source's title, the source's words (headings' too; the fonts
# map to Unicode) and only the Liberation
# faces (a fallback face means a glyph the serif face lacks), and no text twice
# where one page ends and the next begins (a line drawn on both pages, hidden
# by the clip on one of them, is still found by a search). The instruction
# is the source byte for byte; the tool gives the same bytes a second later.
# An English text has the sections of its Russian original, and no Cyrillic
# letter outside a Russian name quoted in «».
set -uo pipefail
export LC_ALL=C.UTF-8

src=$1 run=$2 mkpdf=$3
shift 3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# Text as it reads in print: no Markdown marks, ^{x} and _{x} as x.
strip_markup() { sed -E 's/<!--.*-->//g; s/[`*]//g; s/[_^]\{([^{}]*)\}/\1/g; s/\\([|*_`#~])/\1/g'; }
# The outline: the level of every heading, in order ("1 2 3 3 2 ...").
outline() { grep -E '^#{1,6} ' "$1" | sed -E 's/^(#+).*/\1/' | awk '{print length}' | tr '\n' ' '; }
# Cyrillic words outside «» quotes.
unquoted_cyrillic() { sed -E 's/«[^»]*»//g' "$1" | grep -oP '\p{Cyrillic}+' | sort -u | tr '\n' ' '; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

for doc in "$@" $(printf '%s.en ' "$@"); do
  name=${doc%.en} pdf=$run/$doc.pdf text=$tmp/$doc.txt md=$src/$name.md
  [ "$doc" = "$name" ] || md=$src/en/$name.md
  pages=$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
  [ "${pages:-0}" -ge 1 ] || { fail "$doc.pdf missing or without pages"; continue; }
  pdftotext -enc UTF-8 "$pdf" "$text" || fail "$doc.pdf: pdftotext failed"

  title=$(grep -m1 -E '^# ' "$md" | sed -E 's/^# +//' | strip_markup)
  [ "$(pdfinfo "$pdf" | sed -n 's/^Title: *//p')" = "$title" ] || fail "$doc.pdf: title is not '$title'"

  # Words of the source unfound, or replacement characters: fonts that do not map to Unicode.
  ! grep -q $'\xEF\xBF\xBD' "$text" || fail "$doc.pdf: replacement characters in the text"
  lost=$(comm -23 <(strip_markup < "$md" | grep -oP '\p{L}{5,}' | sort -u) \
                  <(grep -oP '\p{L}{5,}' "$text" | sort -u))
  [ -z "$lost" ] || fail "$doc.pdf: words of the source missing: $(head -5 <<< "$lost" | tr '\n' ' ')"
  body() { pdftotext -f "$1" -l "$1" -layout "$pdf" - | sed -E 's/^ +| +$//g; s/ +/ /g' | grep -v '^$' | sed '$d'; }
  # A table split by a page break repeats its header row on the next page, by design.
  headers=$(grep -B1 -E '^\|(-+\|)+$' "$md" | grep -vE '^\|-|^--$' | strip_markup |
            sed -E 's/^\| *| *\|$//g; s/ *\| */ /g; s/ +/ /g')
  for ((p = 1; p < pages; p++)); do  # the last line of a page among the first of the next, or back
    end=$(body $p | tail -3) start=$(body $((p + 1)) | head -3)
    first=$(head -1 <<< "$start")
    if grep -qxF -- "$(tail -1 <<< "$end")" <<< "$start" ||
       { grep -qxF -- "$first" <<< "$end" && ! grep -qxF -- "$first" <<< "$headers"; }; then
      fail "$doc.pdf: text repeated where page $p ends and page $((p + 1)) begins"
    fi
  done
  others=$(pdffonts "$pdf" | tail -n +3 | awk '{print $1}' | sed 's/^[A-Z]*+//' | grep -v '^Liberation')
  [ -z "$others" ] || fail "$doc.pdf: faces other than Liberation: $others"
  if [ "$doc" != "$name" ]; then
    [ "$(outline "$md")" = "$(outline "$src/$name.md")" ] || fail "$doc.pdf: its sections are not those of $name.md"
    [ -z "$(unquoted_cyrillic "$text")" ] || fail "$doc.pdf: Cyrillic text: $(unquoted_cyrillic "$text" | cut -c1-80)"
  fi
done

cmp -s "$src/instruction.txt" "$run/instruction.txt" || fail "instruction.txt missing or not the source's bytes"
cmp -s "$src/en/instruction.txt" "$run/instruction.en.txt" || fail "instruction.en.txt missing or not the source's bytes"
# The instruction's numbered sections, and no Cyrillic in the English one.
sections() { grep -cE '^[0-9]+\. [[:upper:]]' "$1"; }
[ "$(sections "$src/en/instruction.txt")" = "$(sections "$src/instruction.txt")" ] ||
  fail "instruction.en.txt: its sections are not those of instruction.txt"
[ -z "$(unquoted_cyrillic "$src/en/instruction.txt")" ] || fail "instruction.en.txt: Cyrillic text"
"$mkpdf" "$src/spravka2.md" "$tmp/a.pdf" && sleep 1 && "$mkpdf" "$src/spravka2.md" "$tmp/b.pdf"
[ -s "$tmp/a.pdf" ] && cmp -s "$tmp/a.pdf" "$tmp/b.pdf" || fail "mkpdf gave different bytes for the same input"
echo "help documents: $failures failure(s)"
[ "$failures" -eq 0 ]
