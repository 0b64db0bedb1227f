#!/usr/bin/env bash
# The two graphs on the screen: the view switch clicked with the mouse, the curves at the pixels of their
# closed forms (placed by the program's own report of the ranges), the grids light green. How every
# curve is drawn is the plot tests' part; this is the program putting them on the screen.
# Usage: graphs_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb
program=$1 shots=$2
mkdir -p "$shots"

read_report "$program" h V0y tau Vp Tmax0 Tmax1 y_top t_right Vy_max Vy_min shag_y=shag_setki_y shag_Vy=shag_setki_Vy
open_main "$program"

calc() { awk "BEGIN { printf \"%.15g\n\", $1 }"; }
# on FILE TOP BOTTOM T VALUE R,G,B WHAT: the graph (23, 4) 773 x 382 has that colour at (T, VALUE).
on() { check expect_pixel "$1" $(to_screen 23 4 773 382 0 "$t_right" "$2" "$3" "$4" "$5") "$6" "$7"; }
black=0,0,0 blue=0,0,255 green=128,255,128

# ---- Coordinate graph Y(t), over the result panels ---------------------------------------
Yt="$shots/graphs_Y.png"
view 2 "$Yt"
for f in 0.5 0.9; do
    t=$(calc "$f * $Tmax0")
    on "$Yt" "$y_top" 0 "$t" "$(calc "$h + $V0y * $t - 9.814 * $t * $t / 2")" $black "vacuum Y($t)"
    t=$(calc "$f * $Tmax1")
    on "$Yt" "$y_top" 0 "$t" "$(calc "($h - $t * $Vp) + ($V0y + $Vp) * $tau * (1 - exp(-$t / $tau))")" $blue \
        "linear-drag Y($t)"
done
on "$Yt" "$y_top" 0 "$(calc "0.98 * $t_right")" "$shag_y" $green "height grid line at $shag_y m"
check expect_pixel "$Yt" $((cx + 450)) $((cy + 220)) 255,255,255 "graph over the vacuum panel"

# ---- Velocity graph Vy(t), without the zoom bar beside it ----------------------------------
Vt="$shots/graphs_Vy.png"
view 3 "$Vt"
for f in 0.3 0.9; do
    t=$(calc "$f * $Tmax0")
    on "$Vt" "$Vy_max" "$Vy_min" "$t" "$(calc "$V0y - 9.814 * $t")" $black "vacuum Vy($t)"
    t=$(calc "$f * $Tmax1")
    on "$Vt" "$Vy_max" "$Vy_min" "$t" "$(calc "($V0y + $Vp) * exp(-$t / $tau) - $Vp")" $blue "linear-drag Vy($t)"
done
on "$Vt" "$Vy_max" "$Vy_min" "$(calc "0.98 * $t_right")" "-$shag_Vy" $green "velocity grid line at -$shag_Vy m/s"
on "$Vt" "$Vy_max" "$Vy_min" "$(calc "0.8 * $t_right")" 0 $black "time axis at Vy = 0"
check expect_pixel "$Vt" $((cx + 12)) $((cy + 200)) 224,224,224 "no zoom bar beside the velocity graph"
finish "$shots/graphs_*.png"
