#!/usr/bin/env bash
# The lesson view with real keys and mouse: Ctrl+L takes the classic window's place, a height
# typed there is the classic window's (its captions are those of a window opened with the same
# height), the time slider dragged and the time played move the balls, and Ctrl+L goes back.
# Usage: lesson_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb
HOME=$(mktemp -d) && export HOME  # the view chosen is remembered: not in the user's settings
trap 'stop_app; rm -rf "$HOME"' EXIT

# scene NAME: the screen, and the lesson window's middle third (the balls) cut from it.
scene() {
    xdotool mousemove 1270 1010; sleep 0.5
    shot "$shots/lesson_$1.png"
    convert "$shots/lesson_$1.png" -crop "$((W / 3))x$((H * 2 / 3))+$((LX + W / 3))+$((LY + H / 8))" +repage "$shots/lesson_scene_$1.png"
}
differs() { [ "$(compare -metric AE "$shots/lesson_scene_$1.png" "$shots/lesson_scene_$2.png" null: 2>&1 || true)" -gt 50 ]; }

open_main "$program"
trap 'stop_app; rm -rf "$HOME"' EXIT
click_at 560 495; xdotool key ctrl+l
lesson=$(wait_window "^Велунта\. Урок$")
sleep 2
eval "$(xdotool getwindowgeometry --shell "$lesson")"
LX=$X LY=$Y W=$WIDTH H=$HEIGHT
echo "lesson window at $LX,$LY size ${W}x${H}"
xdotool search --onlyvisible --name "^Велунта\.$" >/dev/null && fail "the classic window is still shown"
scene start

# The height field has the focus when the view opens.
xdotool key ctrl+a; xdotool type --delay 80 "5"; xdotool key Return
sleep 1
scene typed
differs start typed || fail "the scene did not change for a height of 5 m"

# The time slider, dragged with the middle button (it sets the slider where it is pressed).
ty=$((LY + H - 16))
xdotool mousemove --sync $((LX + W * 30 / 100)) "$ty" mousedown 2
for x in 34 38 42 46 50; do xdotool mousemove --sync $((LX + W * x / 100)) "$ty"; sleep 0.1; done
xdotool mouseup 2
sleep 0.5
scene dragged
differs typed dragged || fail "dragging the time slider moved no ball"

# Space on the slider plays the time; the balls move on.
xdotool key space; sleep 1
scene played
xdotool key space
differs dragged played || fail "playing moved no ball"

xdotool key ctrl+l
main=$(wait_window "^Велунта\.\*?$")   # with the unsaved mark: the height was changed
sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
cx=$X cy=$((Y + HEIGHT - 512 - 22))
xdotool mousemove 1270 1010; sleep 0.5
shot "$shots/lesson_back.png"
convert "$shots/lesson_back.png" -crop "470x400+$((cx + 330))+$cy" +repage "$shots/lesson_captions.png"
stop_app
open_main "$program" --h=5
trap 'stop_app; rm -rf "$HOME"' EXIT
xdotool mousemove 1270 1010; sleep 0.5
shot "$shots/lesson_reference.png"
convert "$shots/lesson_reference.png" -crop "470x400+$((cx + 330))+$cy" +repage "$shots/lesson_captions_reference.png"
n=$(compare -metric AE "$shots/lesson_captions.png" "$shots/lesson_captions_reference.png" null: 2>&1 || true)
[ "$n" -eq 0 ] && echo "ok: the classic captions are those of h = 5 m" || fail "$n pixels of the captions differ"
finish "$shots/lesson_*.png"
