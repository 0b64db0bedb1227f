#!/usr/bin/env bash
# The main window as it first appears: the colour scheme of its controls seen on the screen at
# the places the layout grid gives them (the design client size is the app tests' part); its
# memory at rest and that of the headless report under twice their targets (100 MB, 30 MB: only
# a leak breaks that; bench/memory.sh prints the figures); and it closes after "Да", the
# question's default (that "Нет" keeps it is the app tests' part).
# Usage: window_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb

open_main "$program"
screen="$shots/window.png"
shot "$screen"
at() { check expect_pixel "$screen" $((cx + $1)) $((cy + $2)) "$3" "$4"; }   # CLIENT-X CLIENT-Y R,G,B WHAT

# Background: gaps of the grid, empty rows of the vacuum panel, the header "Параметры".
for xy in "1 1" "170 300" "450 220" "798 300" "176 8"; do at $xy 224,224,224 "background at $xy"; done
# The input boxes light yellow just above their numbers (a long number may fill a box's width).
for row in 1 2 3 4 5 6 7; do at 270 $((8 + 30 * row)) 255,255,192 "input box of row $row"; done
# The result boxes light cyan above their captions: vacuum, linear drag, quadratic drag, ball density.
for xy in "478 123" "634 63" "790 93" "318 277"; do at $xy 192,255,255 "result box at $xy"; done
at 437 509 255,255,255 "equation picture's margin"

# The time counter is black; the legends carry the colours of their models.
black=$(count_where "$screen" $((cx + 172)) $((cy + 390)) 152 29 "r+g+b == 0 ? 1 : 0")
[ "$black" -gt $((152 * 29 / 2)) ] || fail "time counter has only $black black pixels"
# Strongly coloured pixels in the quadratic-drag legend at (644, 30), 152 x 26.
red=$(count_where "$screen" $((cx + 644)) $((cy + 30)) 152 26 "r>0.8 && b<0.3 && g<0.3 ? 1 : 0")
[ "$red" -gt 20 ] || fail "quadratic-drag legend has $red red pixels"

if [ "${VELUNTA_SANITIZED:-0}" != 1 ]; then   # the sanitizers' shadow memory is not the program's
    rss_kb=$(awk '/^VmRSS:/ {print $2}' "/proc/$E2E_PID/status")
    report_kb=$(/usr/bin/time -f "%M" "$program" --report 2>&1 >/dev/null | tail -n 1)
    echo "window at rest: $((rss_kb / 1024)) MB; --report: $((report_kb / 1024)) MB"
    [ "$rss_kb" -lt $((200 * 1024)) ] || fail "the window at rest takes over 200 MB"
    [ "$report_kb" -lt $((60 * 1024)) ] || fail "the report takes over 60 MB"
fi

# Menu "Файл", its last item "Выход", then Return to the question: "Да", the default button.
xdotool mousemove $((X + 20)) $((Y + 10)) click 1
sleep 0.5
xdotool key Up Return
question=$(wait_window "^На Выход$" 10)   # none: the script stops here
xdotool windowfocus "$question" 2>/dev/null || true
shot "$shots/close_question.png"
xdotool key Return
for _ in $(seq 50); do kill -0 "$E2E_PID" 2>/dev/null && sleep 0.1; done
kill -0 "$E2E_PID" 2>/dev/null && fail "the program still runs 5 s after 'Да'"
finish "$shots/window.png $shots/close_question.png"
