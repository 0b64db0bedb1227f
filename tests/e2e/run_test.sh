#!/usr/bin/env bash
# "ПУСК" clicked after the slow-down's left arrow (to 0): the run's end in the window title, the ball
# left on the ground, the run's red curve on the coordinate graph at the frames `velunta --frames` lists.
# (The caption's exact form is the run's test in tests/app; that the ball moves off its start and is
# no part of the drawing, the plot tests'.)
# Usage: run_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb

read_report "$program" y_top t_right x_right ball_x=X
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
sleep 0.5
shot "$shots/run_end.png"

# The ball on Picture1 (23, 4) 145 x 485 shown on the ground: a red disc several pixels across (the
# column mark is one pixel wide) in the 12 rows above it, in the 17 columns around the ball's.
read -r ball_sx ground < <(to_screen 23 4 145 485 0 "$x_right" "$y_top" 0 "$ball_x" 0)
widest=$(convert "$shots/run_end.png" -crop "17x12+$((ball_sx - 8))+$((ground - 12))" +repage -fill black \
    +opaque "rgb(255,0,0)" -fill white -opaque "rgb(255,0,0)" -scale "1x12!" -format "%[fx:int(maxima.r*17+0.5)]" info:)
[ "$widest" -ge 3 ] || fail "no ball near the ground (at most $widest red px in a row)"

# The red curve on the coordinate graph (23, 4) 773 x 382, through frames of the rise and the fall.
view 2 "$shots/run_graph_Y.png"
for line in 1000 2500 4500 5200 5500 5800 5990; do
    IFS=, read -r phase t y _ < <(sed -n "$((line + 1))p" <<<"$frames")
    check expect_pixel "$shots/run_graph_Y.png" $(to_screen 23 4 773 382 0 "$t_right" "$y_top" 0 "$t" "$y") 255,0,0 \
        "$phase frame $line (t=$t, Y=$y)"
done

# The run's tone was played or rung on the bell without a word from the sound layer.
! grep -iE 'pulse|multimedia|audio' "$E2E_LOG" || fail "the sound layer wrote to the terminal"
finish "$shots/run_*.png"
