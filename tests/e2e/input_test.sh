#!/usr/bin/env bash
# A bad height typed with real key presses: the "Ошибка" box, closed with
# Enter, and the field back at 2.000.
# Usage: input_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb
program=$1 shots=$2
mkdir -p "$shots"

open_main "$program"
fx=$((cx + 210)) fy=$((cy + 34))   # Text1: 76 x 26 at (210, 34) in the client area
shot "$shots/input_before.png"
convert "$shots/input_before.png" -crop "60x18+$((fx + 4))+$((fy + 4))" +repage "$shots/field_before.png"

xdotool mousemove $((fx + 38)) $((fy + 13)) click 1
xdotool key ctrl+a BackSpace                      # an emptied height
box=$(wait_window "^Ошибка$" 10)
shot "$shots/input_error.png"
xdotool windowfocus "$box" 2>/dev/null || true
xdotool key Return
sleep 0.5
xdotool search --onlyvisible --name "^Ошибка$" >/dev/null && { echo "FAIL: the box is still open"; exit 1; }
echo "ok: the box came and went with Enter"

xdotool key Tab                                   # on to the next field, so no caret blinks in this one
sleep 0.3
shot "$shots/input_after.png"
convert "$shots/input_after.png" -crop "60x18+$((fx + 4))+$((fy + 4))" +repage "$shots/field_after.png"
differ=$(compare -metric AE "$shots/field_before.png" "$shots/field_after.png" null: 2>&1 || true)
echo "pixels that differ in the field's text: $differ"
[ "$differ" -le 2 ] || { echo "FAIL: the field does not show 2.000 again"; exit 1; }
expect_pixel "$shots/input_after.png" $((fx + 70)) $((fy + 20)) "255,255,192" "light yellow of the field"
