#!/usr/bin/env bash
# The two graphs on the screen: the view switch clicked with the mouse, each graph over the result
# panels at the place and scale the program's own report of the ranges gives, its linear-drag curve
# (drawn last, over the others) at the pixels of the closed form. The curves' colours, the grids and
# the axes are the plot tests' part; this is the program putting the graphs on the screen.
# Usage: graphs_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb

read_report "$program" h V0y tau Vp Tmax1 y_top t_right Vy_max Vy_min
open_main "$program"
Yt="$shots/graphs_Y.png" Vt="$shots/graphs_Vy.png"
view 2 "$Yt"
view 3 "$Vt"

calc() { awk "BEGIN { printf \"%.15g\n\", $1 }"; }
# on FILE TOP BOTTOM T VALUE WHAT: the graph (23, 4) 773 x 382 is blue at (T, VALUE).
on() { check expect_pixel "$1" $(to_screen 23 4 773 382 0 "$t_right" "$2" "$3" "$4" "$5") 0,0,255 "$6"; }
for f in 0.3 0.5 0.9; do
    t=$(calc "$f * $Tmax1") e=$(calc "exp(-$f * $Tmax1 / $tau)")
    on "$Yt" "$y_top" 0 "$t" "$(calc "$h - $t * $Vp + ($V0y + $Vp) * $tau * (1 - $e)")" "linear-drag Y($t)"
    on "$Vt" "$Vy_max" "$Vy_min" "$t" "$(calc "($V0y + $Vp) * $e - $Vp")" "linear-drag Vy($t)"
done
check expect_pixel "$Yt" $((cx + 450)) $((cy + 220)) 255,255,255 "coordinate graph over the vacuum panel"
check expect_pixel "$Vt" $((cx + 450)) $((cy + 220)) 255,255,255 "velocity graph over the vacuum panel"
finish "$shots/graphs_*.png"
