#!/usr/bin/env bash
# The three pictures on the screen: the view switch clicked with the mouse, the
# curves found at the pixels of their closed forms, the grids light green.
# Where a curve lies is computed from the program's own report of the ranges.
# Usage: graphs_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb
program=$1 shots=$2
mkdir -p "$shots"

# The model and plot quantities for the default inputs.
report=$("$program" --report)
q() { awk -v key="\"$1\":" '$1 == key { sub(/,$/, "", $2); print $2; exit }' <<<"$report"; }
h=$(q h) V0y=$(q V0y) tau=$(q tau) Vp=$(q Vp)
Tmax0=$(q Tmax0) Tmax1=$(q Tmax1) Ymax2=$(q Ymax2) ball_x=$(q X)
y_top=$(q y_top) t_right=$(q t_right) Vy_max=$(q Vy_max) Vy_min=$(q Vy_min)
shag_y=$(q shag_setki_y) shag_Vy=$(q shag_setki_Vy)
for v in h V0y tau Vp Tmax0 Tmax1 Ymax2 ball_x y_top t_right Vy_max Vy_min shag_y shag_Vy; do
    [ -n "${!v}" ] || { echo "FAIL: the report has no $v"; exit 1; }
done
echo "ranges: y_top=$y_top t_right=$t_right Vy=$Vy_min..$Vy_max"

start_app "$program"
main=$(wait_window "^Велунта\.$")
sleep 2   # the first resize runs the whole recompute and draws the pictures
eval "$(xdotool getwindowgeometry --shell "$main")"   # X, Y, WIDTH, HEIGHT
cx=$X
cy=$((Y + HEIGHT - 512))   # the client area is the bottom 800 x 512, under the menu bar
echo "window $main at $X,$Y size ${WIDTH}x${HEIGHT}; client area at $cx,$cy"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The canvases at the design size: Picture1 at (23, 4) 145 x 485; the graphs at (23, 4) 773 x 382.
# to_screen LEFT TOP WIDTH HEIGHT XMIN XMAX YTOP YBOTTOM X Y: the screen pixel holding a user point.
to_screen() {
    awk -v l="$1" -v t="$2" -v w="$3" -v hh="$4" -v x0="$5" -v x1="$6" -v y0="$7" -v y1="$8" -v x="$9" -v y="${10}" \
        -v cx="$cx" -v cy="$cy" 'function fl(v) { return v < 0 && v != int(v) ? int(v) - 1 : int(v) }
        BEGIN { printf "%d %d\n", cx + l + fl((x - x0) * w / (x1 - x0)), cy + t + fl((y - y0) * hh / (y1 - y0)) }'
}
graph_point() { to_screen 23 4 773 382 0 "$t_right" "$1" "$2" "$3" "$4"; }
calc() { awk "BEGIN { printf \"%.15g\n\", $1 }"; }

# click_option N: the option button N of the frame "Графики" (Frame1 at 488, 390;
# the buttons 1 px from its left edge, 20, 40 and 60 px from its top, 17 px high).
click_option() {
    xdotool mousemove --sync $((cx + 488 + 1 + 12)) $((cy + 390 + 20 * $1 + 8)) click 1
    sleep 1
}

# check_colour FILE SCREEN-X SCREEN-Y R,G,B WHAT
check_colour() { expect_pixel "$@" || failures=$((failures + 1)); }

# count_in_graph FILE R,G,B: pixels of exactly that colour in the graph area.
count_in_graph() {
    local hex
    hex=$(printf "#%02X%02X%02X" ${2//,/ })
    convert "$1" -crop "773x382+$((cx + 23))+$((cy + 4))" +repage -depth 8 txt:- | grep -c " $hex " || true
}

black=0,0,0 blue=0,0,255 red=255,0,0 green=128,255,128

# ---- Coordinate graph Y(t) -------------------------------------------------------
click_option 2
shot "$shots/graphs_screen_Y.png"
convert "$shots/graphs_screen_Y.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/graphs_Y.png"
for f in 0.5 0.7 0.9; do
    t=$(calc "$f * $Tmax0")
    read -r sx sy < <(graph_point "$y_top" 0 "$t" "$(calc "$h + $V0y * $t - 9.814 * $t * $t / 2")")
    check_colour "$shots/graphs_screen_Y.png" "$sx" "$sy" $black "vacuum Y($t)"
done
for f in 0.2 0.5 0.9; do
    t=$(calc "$f * $Tmax1")
    read -r sx sy < <(graph_point "$y_top" 0 "$t" \
        "$(calc "($h - $t * $Vp) + ($V0y + $Vp) * $tau * (1 - exp(-$t / $tau))")")
    check_colour "$shots/graphs_screen_Y.png" "$sx" "$sy" $blue "linear-drag Y($t)"
done
read -r sx sy < <(graph_point "$y_top" 0 "$(calc "0.98 * $t_right")" "$shag_y")
check_colour "$shots/graphs_screen_Y.png" "$sx" "$sy" $green "height grid line at $shag_y m"
for colour in $black $blue $green; do
    n=$(count_in_graph "$shots/graphs_screen_Y.png" $colour)
    [ "$n" -gt 300 ] && echo "ok: $n pixels of $colour in the Y(t) graph" || fail "only $n pixels of $colour in the Y(t) graph"
done
# The graph lies over the result panels.
check_colour "$shots/graphs_screen_Y.png" $((cx + 450)) $((cy + 220)) 255,255,255 "graph over the vacuum panel"

# ---- Velocity graph Vy(t) -----------------------------------------------------------
click_option 3
shot "$shots/graphs_screen_Vy.png"
convert "$shots/graphs_screen_Vy.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/graphs_Vy.png"
for f in 0.3 0.6 0.9; do
    t=$(calc "$f * $Tmax0")
    read -r sx sy < <(graph_point "$Vy_max" "$Vy_min" "$t" "$(calc "$V0y - 9.814 * $t")")
    check_colour "$shots/graphs_screen_Vy.png" "$sx" "$sy" $black "vacuum Vy($t)"
    t=$(calc "$f * $Tmax1")
    read -r sx sy < <(graph_point "$Vy_max" "$Vy_min" "$t" "$(calc "($V0y + $Vp) * exp(-$t / $tau) - $Vp")")
    check_colour "$shots/graphs_screen_Vy.png" "$sx" "$sy" $blue "linear-drag Vy($t)"
done
read -r sx sy < <(graph_point "$Vy_max" "$Vy_min" "$(calc "0.98 * $t_right")" "-$shag_Vy")
check_colour "$shots/graphs_screen_Vy.png" "$sx" "$sy" $green "velocity grid line at -$shag_Vy m/s"
read -r sx sy < <(graph_point "$Vy_max" "$Vy_min" "$(calc "0.8 * $t_right")" 0)
check_colour "$shots/graphs_screen_Vy.png" "$sx" "$sy" $black "time axis at Vy = 0"
for colour in $black $blue $green; do
    n=$(count_in_graph "$shots/graphs_screen_Vy.png" $colour)
    [ "$n" -gt 300 ] && echo "ok: $n pixels of $colour in the Vy(t) graph" || fail "only $n pixels of $colour in the Vy(t) graph"
done
# The vertical zoom bar is hidden for the velocity graph: the graph's left neighbour is background.
check_colour "$shots/graphs_screen_Vy.png" $((cx + 12)) $((cy + 200)) 224,224,224 "no zoom bar beside the velocity graph"

# ---- Back to the trajectory picture --------------------------------------------------------
click_option 1
shot "$shots/graphs_screen_trajectory.png"
convert "$shots/graphs_screen_trajectory.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/graphs_trajectory.png"
read -r sx sy < <(to_screen 23 4 145 485 0 "$y_top" "$y_top" 0 "$(calc "0.9 * $y_top")" "$Ymax2")
check_colour "$shots/graphs_screen_trajectory.png" "$sx" "$sy" $red "full model's top mark"
read -r sx sy < <(to_screen 23 4 145 485 0 "$y_top" "$y_top" 0 "$ball_x" "$h")
check_colour "$shots/graphs_screen_trajectory.png" "$sx" "$sy" $red "the ball at (X, h)"
check_colour "$shots/graphs_screen_trajectory.png" $((cx + 450)) $((cy + 220)) 224,224,224 "the vacuum panel is back"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed; see $shots/graphs_*.png"
    exit 1
fi
echo "all checks passed"
