#!/usr/bin/env bash
# The main window as it first appears: the colour scheme of its controls seen
# on the screen at the places the grid gives them, with the design client size.
# Usage: window_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb
program=$1 shots=$2
mkdir -p "$shots"

start_app "$program"
main=$(wait_window "^Велунта\.$")
sleep 2   # the first resize runs the whole recompute and draws the pictures

eval "$(xdotool getwindowgeometry --shell "$main")"   # X, Y, WIDTH, HEIGHT
# The client area is the bottom 800 x 512 of the window, under the menu bar.
cx=$X
cy=$((Y + HEIGHT - 512))
echo "window $main at $X,$Y size ${WIDTH}x${HEIGHT}; client area at $cx,$cy"
[ "$WIDTH" -eq 800 ] || { echo "FAIL: window width $WIDTH, expected the design 800"; exit 1; }

screen="$shots/window_screen.png"
shot "$screen"
convert "$screen" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/window.png"

failures=0
# at CLIENT-X CLIENT-Y R,G,B WHAT
at() { expect_pixel "$screen" $((cx + $1)) $((cy + $2)) "$3" "$4" || failures=$((failures + 1)); }

grey=224,224,224 yellow=255,255,192 cyan=192,255,255 white=255,255,255

# Window background: the gaps of the grid and an empty stretch of a panel.
at 1 1 $grey "window background, top-left gap"
at 170 300 $grey "gap between the animation area and the parameters"
at 450 220 $grey "empty rows of the vacuum panel"
at 798 300 $grey "gap at the right edge"
at 176 8 $grey "header 'Параметры'"

# Input boxes, just above their numbers (a long number may fill a box's width).
for row in 1 2 3 4 5 6 7; do
    at 270 $((34 + 30 * (row - 1) + 4)) $yellow "input box of row $row"
done

# Result boxes, above their captions near the right end.
at 478 123 $cyan "vacuum box Label16"
at 478 153 $cyan "vacuum box Label19"
at 478 303 $cyan "vacuum box Label38"
at 634 63 $cyan "linear-drag box Label22"
at 634 363 $cyan "linear-drag box Label37"
at 790 93 $cyan "quadratic-drag box Label44"
at 790 363 $cyan "quadratic-drag box Label35"
at 318 277 $cyan "ball density box Label43"

# The equation picture stands on white.
at 437 509 $white "equation picture's margin"

# The counters are black; the legends carry the colours of their models.
black=$(count_colour "$screen" $((cx + 172)) $((cy + 390)) 152 29 0,0,0)
[ "$black" -gt $((152 * 29 / 2)) ] && echo "ok: time counter is black ($black px)" ||
    { echo "FAIL: time counter has only $black black pixels"; failures=$((failures + 1)); }
legend_pixels() {  # strongly coloured pixels in a legend: blue (0,0,>200) or red (>200,0,0)
    convert "$screen" -crop "152x26+$((cx + $1))+$((cy + 30))" +repage -fx "$2" \
        -format "%[fx:int(mean*w*h+0.5)]" info:
}
blue=$(legend_pixels 488 "b>0.8 && r<0.3 && g<0.3 ? 1 : 0")
red=$(legend_pixels 644 "r>0.8 && b<0.3 && g<0.3 ? 1 : 0")
[ "$blue" -gt 20 ] && echo "ok: linear-drag legend is blue ($blue px)" ||
    { echo "FAIL: linear-drag legend has $blue blue pixels"; failures=$((failures + 1)); }
[ "$red" -gt 20 ] && echo "ok: quadratic-drag legend is red ($red px)" ||
    { echo "FAIL: quadratic-drag legend has $red red pixels"; failures=$((failures + 1)); }

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed; see $shots/window.png"
    exit 1
fi
echo "all checks passed"
