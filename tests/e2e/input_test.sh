#!/usr/bin/env bash
# Typed with real keys: a throw down ("-5" into Vоy=) and a diameter with a decimal
# comma ("0,012" into d=). No box appears, and the result captions are those of a window
# opened with the same inputs on the command line. (How a field shows a number is the window's test.)
# Usage: input_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb

# snap NAME: focus away from the fields (no caret), the mouse off the window (no tooltip), a screenshot,
# and from it the result captions (client area from x 330, 470 x 400).
snap() {
    click_at 560 495; xdotool mousemove 1270 1010; sleep 1
    shot "$shots/input_$1.png"
    convert "$shots/input_$1.png" -crop "470x400+$((cx + 330))+$cy" +repage "$shots/captions_$1.png"
}

open_main "$program"
click_at 248 76; xdotool key ctrl+a; xdotool type --delay 80 -- "-5"; xdotool key Tab
click_at 248 106; xdotool key ctrl+a; xdotool type --delay 80 -- "0,012"; xdotool key Return
sleep 0.5
xdotool search --onlyvisible --name "^Ошибка$" >/dev/null && fail "a box appeared"
snap typed
stop_app
open_main "$program" --V0y=-5 --d=0,012
snap reference

n=$(compare -metric AE "$shots/captions_typed.png" "$shots/captions_reference.png" null: 2>&1 || true)
[ "$n" -eq 0 ] && echo "ok: the captions are those of -5 m/s and 0.012 m" || fail "$n pixels of the captions differ"
finish "$shots/input_*.png"
