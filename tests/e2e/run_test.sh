#!/usr/bin/env bash
# "ПУСК" clicked after the slow-down's left arrow (to 0): the run followed in the window title, the ball
# left on the ground, the run's red curve on the coordinate graph at the frames `velunta --frames` lists.
# Usage: run_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb
program=$1 shots=$2
mkdir -p "$shots"

read_report "$program" h y_top t_right x_right ball_x=X
frames=$("$program" --frames)   # the header, then phase,t,Y,Vy a line
export E2E_LOG="$shots/run_app.log"
open_main "$program"

# Slow-down 0: HScroll2 at (351, 390) 133 x 26, its value in Label27 at (332, 390) 19 x 26.
label27() { shot "$1"; convert "$1" -crop "19x26+$((cx + 332))+$((cy + 390))" +repage -format "%#" info:; }
before=$(label27 "$shots/run_before.png")
click_at 357 403
sleep 0.5
[ "$(label27 "$shots/run_slowdown0.png")" != "$before" ] || fail "the slow-down value did not change on the click"

# ПУСК: CmdOK at (682, 436) 76 x 26. Without pauses the run ends within seconds.
click_at 720 449
wait_window "Время расчёта" 5 >/dev/null || { echo "FAIL: no 'Время расчёта' in the title 5 s after ПУСК"; exit 1; }
caption=$(xdotool getwindowname "$main")
[[ "$caption" =~ ^Велунта\.\ \ Начало\ [0-9:]{8}\.\ \ Конец\ [0-9:]{8}\.\ \ Время\ расчёта\ [0-9]+\ c$ ]] ||
    fail "caption '$caption'"
sleep 0.5
shot "$shots/run_end.png"

# The ball on Picture1 (23, 4) 145 x 485: a red disc several pixels across (the column mark is one
# pixel wide) near the ground, and nothing as wide left at its starting height.
read -r ball_sx ground < <(to_screen 23 4 145 485 0 "$x_right" "$y_top" 0 "$ball_x" 0)
read -r _ start_y < <(to_screen 23 4 145 485 0 "$x_right" "$y_top" 0 "$ball_x" "$h")
widest_red_row() {  # TOP-ROW ROWS: the most red pixels in one row of the 17 around the ball's column
    convert "$shots/run_end.png" -crop "17x$2+$((ball_sx - 8))+$1" +repage -fill black +opaque "rgb(255,0,0)" \
        -fill white -opaque "rgb(255,0,0)" -scale "1x$2!" -format "%[fx:int(maxima.r*17+0.5)]" info:
}
near_ground=$(widest_red_row $((ground - 12)) 12) at_start=$(widest_red_row $((start_y - 6)) 12)
[ "$near_ground" -ge 3 ] || fail "no ball near the ground (at most $near_ground red px in a row)"
[ "$at_start" -le 1 ] || fail "something ball-wide still at the starting height ($at_start red px in a row)"

# The red curve on the coordinate graph (23, 4) 773 x 382, through frames of the rise and the fall.
view 2 "$shots/run_graph_Y.png"
red=$(count_colour "$shots/run_graph_Y.png" $((cx + 23)) $((cy + 4)) 773 382 255,0,0)
[ "$red" -gt 1500 ] || fail "only $red red pixels on the coordinate graph"
for line in 1000 2500 4500 5200 5500 5800 5990; do
    IFS=, read -r phase t y _ < <(sed -n "$((line + 1))p" <<<"$frames")
    check expect_pixel "$shots/run_graph_Y.png" $(to_screen 23 4 773 382 0 "$t_right" "$y_top" 0 "$t" "$y") 255,0,0 \
        "$phase frame $line (t=$t, Y=$y)"
done

# The run's tone was played or rung on the bell without a word from the sound layer.
! grep -iE 'pulse|multimedia|audio' "$E2E_LOG" || fail "the sound layer wrote to the terminal"
finish "$shots/run_*.png"
