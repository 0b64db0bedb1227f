#!/usr/bin/env bash
# Typed with real keys: a throw down ("-5" into Vоy=) and a diameter with a decimal
# comma ("0,012" into d=). No box appears, the fields keep the numbers, and the result
# captions are those of a window opened with the same inputs on the command line.
# Usage: input_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb
program=$1 shots=$2
mkdir -p "$shots"

# captions FILE OUT: the result captions (client area from x 330, 470 x 400) without the mouse.
captions() { convert "$1" -crop "470x400+$((cx + 330))+$cy" +repage "$2"; }
# settle: focus away from the fields (no caret), the mouse off the window (no tooltip).
settle() { click_at 560 495; xdotool mousemove 1270 1010; sleep 1; }
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }

open_main "$program"
settle
shot "$shots/input_defaults.png"
captions "$shots/input_defaults.png" "$shots/captions_defaults.png"

click_at 248 76; xdotool key ctrl+a; xdotool type --delay 80 -- "-5"; xdotool key Tab
click_at 248 106; xdotool key ctrl+a; xdotool type --delay 80 -- "0,012"; xdotool key Return
sleep 0.5
xdotool search --onlyvisible --name "^Ошибка$" >/dev/null && fail "a box appeared"
settle
shot "$shots/input_typed.png"
captions "$shots/input_typed.png" "$shots/captions_typed.png"
convert "$shots/input_typed.png" -crop "80x26+$((cx + 210))+$((cy + 64))" +repage "$shots/field_V0y.png"
stop_app

open_main "$program" --V0y=-5 --d=0,012
settle
shot "$shots/input_reference.png"
captions "$shots/input_reference.png" "$shots/captions_reference.png"
convert "$shots/input_reference.png" -crop "80x26+$((cx + 210))+$((cy + 64))" +repage "$shots/field_V0y_reference.png"

n=$(differing "$shots/captions_typed.png" "$shots/captions_reference.png")
[ "$n" -eq 0 ] && echo "ok: the captions are those of -5 m/s and 0.012 m" || fail "$n pixels of the captions differ"
n=$(differing "$shots/field_V0y.png" "$shots/field_V0y_reference.png")
[ "$n" -eq 0 ] && echo "ok: Vоy= shows -5.000" || fail "$n pixels of the field Vоy= differ"
n=$(differing "$shots/captions_defaults.png" "$shots/captions_typed.png")
[ "$n" -gt 1000 ] && echo "ok: the captions changed ($n pixels)" || fail "the typing changed only $n pixels"
finish "$shots/input_*.png"
