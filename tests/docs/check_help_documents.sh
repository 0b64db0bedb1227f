#!/usr/bin/env bash
# Checks the help documents beside the program:
#   check_help_documents.sh DOCS_SOURCE_DIR RUN_DIR MKPDF
# For every PDF: it exists, has pages, its title and every "#"/"##" heading of
# its Markdown source appear in its text, the text is Cyrillic and carries the
# words of the source (so the fonts map to Unicode), and only the Liberation
# faces are embedded (a fallback face means a glyph the serif face lacks).
# The instruction is the source copied byte for byte, in UTF-8.
# Finally the tool itself: same input, same bytes; a missing input fails.
set -uo pipefail
export LC_ALL=C.UTF-8

src=$1 run=$2 mkpdf=$3
documents=(spravka2 spravka history uprav)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }

# One line, single blanks: layout breaks lines where the source does not.
flatten() { tr -s '[:space:]' ' '; }
# Headings and words as they read in print: no Markdown marks, ^{x} and _{x} as x.
strip_markup() { sed -E 's/[`*]//g; s/[_^]\{([^{}]*)\}/\1/g; s/\\([|*_`#~])/\1/g'; }
cyrillic_count() { grep -oP '\p{Cyrillic}' | wc -l; }
letter_count() { grep -oP '\p{L}' | wc -l; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

for name in "${documents[@]}"; do
  md=$src/$name.md pdf=$run/$name.pdf
  if [ ! -s "$pdf" ]; then fail "$name.pdf missing or empty in $run"; continue; fi
  pages=$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
  if [ "${pages:-0}" -ge 1 ]; then pass "$name.pdf has $pages page(s)"; else fail "$name.pdf: no pages"; fi

  text=$tmp/$name.txt
  pdftotext -enc UTF-8 "$pdf" "$text" || fail "$name.pdf: pdftotext failed"
  flat=$(flatten < "$text")

  title=$(grep -m1 -E '^# ' "$md" | sed -E 's/^# +//' | strip_markup)
  pdf_title=$(pdfinfo "$pdf" 2>/dev/null | sed -n 's/^Title: *//p')
  [ "$pdf_title" = "$title" ] || fail "$name.pdf: title '$pdf_title', source says '$title'"

  missing=0 total=0
  while IFS= read -r heading; do
    total=$((total + 1))
    wanted=$(printf '%s' "$heading" | sed -E 's/^#{1,2} +//; s/ +#*$//' | strip_markup | flatten)
    wanted=${wanted% }
    if ! grep -qF -- "$wanted" <<< "$flat"; then
      fail "$name.pdf: heading not found: $wanted"; missing=$((missing + 1))
    fi
  done < <(grep -E '^#{1,2} ' "$md")
  [ "$total" -ge 2 ] || fail "$name.md: expected a title and sections, found $total heading(s)"
  [ "$missing" -eq 0 ] && pass "$name.pdf: all $total headings present"

  cyr=$(cyrillic_count < "$text") letters=$(letter_count < "$text")
  if [ "$cyr" -ge 500 ] && [ $((cyr * 100)) -ge $((letters * 60)) ]; then
    pass "$name.pdf: Cyrillic text ($cyr of $letters letters)"
  else
    fail "$name.pdf: not Cyrillic enough ($cyr of $letters letters)"
  fi
  if grep -q $'\xEF\xBF\xBD' "$text"; then fail "$name.pdf: replacement characters in the text"; fi

  # Every long Cyrillic word of the source must come out of the PDF as typed.
  grep -oP '\p{Cyrillic}{5,}' <(strip_markup < "$md") | sort -u > "$tmp/$name.words"
  grep -oP '\p{Cyrillic}{5,}' "$text" | sort -u > "$tmp/$name.pdfwords"
  lost=$(comm -23 "$tmp/$name.words" "$tmp/$name.pdfwords")
  if [ -z "$lost" ]; then
    pass "$name.pdf: all $(wc -l < "$tmp/$name.words") source words found"
  else
    fail "$name.pdf: words of the source missing from the PDF: $(head -5 <<< "$lost" | tr '\n' ' ')"
  fi

  fonts=$(pdffonts "$pdf" 2>/dev/null | tail -n +3 | awk '{print $1}' | sed 's/^[A-Z]*+//')
  others=$(grep -v '^Liberation' <<< "$fonts" | grep -v '^$')
  if [ -n "$fonts" ] && [ -z "$others" ]; then
    pass "$name.pdf: only Liberation faces"
  else
    fail "$name.pdf: unexpected faces (a glyph missing from Liberation?): ${others:-none at all}"
  fi
done

instruction=$run/instruction.txt
if [ -s "$instruction" ] && cmp -s "$src/instruction.txt" "$instruction"; then
  pass "instruction.txt copied unchanged"
else
  fail "instruction.txt missing or different from the source"
fi
if iconv -f UTF-8 -t UTF-8 "$src/instruction.txt" > /dev/null 2>&1 \
   && [ "$(cyrillic_count < "$src/instruction.txt")" -ge 300 ]; then
  pass "instruction.txt is Cyrillic UTF-8"
else
  fail "instruction.txt is not Cyrillic UTF-8 text"
fi

# The tool: reproducible bytes, and no output when the input is missing.
"$mkpdf" "$src/spravka2.md" "$tmp/a.pdf" 2>/dev/null && "$mkpdf" "$src/spravka2.md" "$tmp/b.pdf" 2>/dev/null
if [ -s "$tmp/a.pdf" ] && cmp -s "$tmp/a.pdf" "$tmp/b.pdf"; then
  pass "mkpdf output is reproducible"
else
  fail "mkpdf gave different bytes for the same input"
fi
if "$mkpdf" "$tmp/no-such.md" "$tmp/c.pdf" 2>/dev/null || [ -e "$tmp/c.pdf" ]; then
  fail "mkpdf accepted a missing input"
else
  pass "mkpdf refuses a missing input"
fi

echo "help documents: $failures failure(s)"
[ "$failures" -eq 0 ]
