#!/usr/bin/env bash
# "ПУСК" clicked after the slow-down's left arrow (to 0): the run's end in the window title and the
# run's red curve on the coordinate graph at the frames `velunta --frames` lists. (The caption's exact
# form and the ball landing are the run's test in tests/window; the ball as drawn, the plot tests'.)
# Usage: run_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb

read_report "$program" y_top t_right
frames=$("$program" --frames)   # the header, then phase,t,Y,Vy a line
open_main "$program"

# Slow-down 0: the left arrow of HScroll2 at (351, 390) 133 x 26. ПУСК: CmdOK at (682, 436) 76 x 26.
# Without pauses the run ends within seconds (with the start-up slow-down it would take far longer).
click_at 357 403
sleep 0.5
click_at 720 449
wait_window "Время расчёта" 5 >/dev/null || { echo "FAIL: no 'Время расчёта' in the title 5 s after ПУСК"; exit 1; }
sleep 0.5
shot "$shots/run_end.png"

# The red curve on the coordinate graph (23, 4) 773 x 382, through frames of the rise and the fall.
view 2 "$shots/run_graph_Y.png"
for line in 1000 2500 4500 5200 5500 5800 5990; do
    IFS=, read -r phase t y _ < <(sed -n "$((line + 1))p" <<<"$frames")
    check expect_pixel "$shots/run_graph_Y.png" $(to_screen 23 4 773 382 0 "$t_right" "$y_top" 0 "$t" "$y") 255,0,0 \
        "$phase frame $line (t=$t, Y=$y)"
done

finish "$shots/run_*.png"
