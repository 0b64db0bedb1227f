#!/usr/bin/env bash
# "ПУСК" pressed with the mouse: the slow-down set to 0 with a click on its
# scroll bar, the run followed in the window title, then the red curve of the
# run found on the coordinate graph at the frames `velunta --frames` lists,
# and the ball on the ground. A second run with slow-down 1 is timed.
# Usage: run_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb
program=$1 shots=$2
mkdir -p "$shots"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Ranges of the pictures and the run's frames for the default inputs.
report=$("$program" --report)
q() { awk -v key="\"$1\":" '$1 == key { sub(/,$/, "", $2); print $2; exit }' <<<"$report"; }
y_top=$(q y_top) t_right=$(q t_right) x_right=$(q x_right) ball_x=$(q X)
for v in y_top t_right x_right ball_x; do [ -n "${!v}" ] || { echo "FAIL: the report has no $v"; exit 1; }; done
frames=$("$program" --frames)
[ "$(head -n 1 <<<"$frames")" = "phase,t,Y,Vy" ] || { echo "FAIL: --frames has no header"; exit 1; }

export E2E_LOG="$shots/run_app.log"
start_app "$program"
main=$(wait_window "^Велунта\.$")
sleep 2   # the first resize runs the whole recompute and draws the pictures
eval "$(xdotool getwindowgeometry --shell "$main")"   # X, Y, WIDTH, HEIGHT
WX=$X WY=$Y
cx=$WX
cy=$((WY + HEIGHT - 512))   # the client area is the bottom 800 x 512, under the menu bar
echo "window $main at $WX,$WY size ${WIDTH}x${HEIGHT}; client area at $cx,$cy"

# Places in the client area at the design size (the layout grid):
# HScroll2 at (351, 390) 133 x 26, its value in Label27 at (332, 390) 19 x 26;
# CmdOK at (682, 436) 76 x 26; the view buttons at (489, 410 + 20 (N - 1)) 17 high;
# Picture1 at (23, 4) 145 x 485; Picture2 at (23, 4) 773 x 382.
click() { xdotool mousemove --sync $((cx + $1)) $((cy + $2)) click 1; }
slower_arrow() { click 475 403; }
faster_arrow() { click 357 403; }
press_start() { click 720 449; }
view() { click 501 $((410 + 20 * ($1 - 1) + 8)); sleep 1; }
title() { xdotool getwindowname "$main"; }
label27() { convert "$1" -crop "19x26+$((cx + 332))+$((cy + 390))" +repage -format "%#" info:; }

# the screen pixel holding a user point of a canvas: LEFT TOP WIDTH HEIGHT XMIN XMAX YTOP YBOTTOM X Y
to_screen() {
    awk -v l="$1" -v t="$2" -v w="$3" -v hh="$4" -v x0="$5" -v x1="$6" -v y0="$7" -v y1="$8" -v x="$9" -v y="${10}" \
        -v cx="$cx" -v cy="$cy" 'function fl(v) { return v < 0 && v != int(v) ? int(v) - 1 : int(v) }
        BEGIN { printf "%d %d\n", cx + l + fl((x - x0) * w / (x1 - x0)), cy + t + fl((y - y0) * hh / (y1 - y0)) }'
}

# wait_run_end SECONDS: waits for the duration in the title; prints the seconds it took.
wait_run_end() {
    local start end
    start=$(date +%s.%N)
    for _ in $(seq $(($1 * 20))); do
        if [[ "$(title)" == *"Время расчёта"* ]]; then
            end=$(date +%s.%N)
            awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f\n", b - a }'
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# ---- Slow-down to 0 with one click on the scroll bar's left arrow ----------------------
shot "$shots/run_before.png"
before=$(label27 "$shots/run_before.png")
faster_arrow
sleep 0.5
shot "$shots/run_slowdown0.png"
[ "$(label27 "$shots/run_slowdown0.png")" != "$before" ] && echo "ok: the slow-down value changed" ||
    fail "the slow-down value did not change on the click"

# ---- The run --------------------------------------------------------------------------------
press_start
if ! took=$(wait_run_end 30); then
    echo "FAIL: no 'Время расчёта' in the title 30 s after ПУСК: '$(title)'"
    exit 1
fi
caption=$(title)
echo "run without pauses ended after ${took} s: $caption"
[[ "$caption" =~ ^Велунта\.\ \ Начало\ [0-9]{2}:[0-9]{2}:[0-9]{2}\.\ \ Конец\ [0-9]{2}:[0-9]{2}:[0-9]{2}\.\ \ Время\ расчёта\ [0-9]+\ c$ ]] ||
    fail "caption '$caption'"
awk -v s="$took" 'BEGIN { exit !(s < 5) }' || fail "a run without pauses took ${took} s"
sleep 0.5
shot "$shots/run_animation.png"
convert "$shots/run_animation.png" -crop "${WIDTH}x${HEIGHT}+${WX}+${WY}" +repage "$shots/run_window_animation.png"

# The ball: a red disc several pixels across (the column mark is one pixel wide),
# near the ground and no longer at its starting height.
widest_red_row() {  # FILE TOP-ROW ROWS: the most red pixels in one row across the ball's column
    local x0
    read -r x0 _ < <(to_screen 23 4 145 485 0 "$x_right" "$y_top" 0 "$ball_x" 0)
    convert "$1" -crop "17x$3+$((x0 - 8))+$2" +repage -fill black +opaque "rgb(255,0,0)" \
        -fill white -opaque "rgb(255,0,0)" -scale "1x$3!" -format "%[fx:int(maxima.r*17+0.5)]" info:
}
read -r _ ground < <(to_screen 23 4 145 485 0 "$x_right" "$y_top" 0 "$ball_x" 0)
read -r _ start_y < <(to_screen 23 4 145 485 0 "$x_right" "$y_top" 0 "$ball_x" 2)
near_ground=$(widest_red_row "$shots/run_animation.png" $((ground - 12)) 12)
at_start=$(widest_red_row "$shots/run_animation.png" $((start_y - 6)) 12)
[ "$near_ground" -ge 3 ] && echo "ok: the ball lies on the ground ($near_ground red px in a row)" ||
    fail "no ball near the ground (at most $near_ground red px in a row)"
[ "$at_start" -le 1 ] && echo "ok: the ball has left its starting height" ||
    fail "something ball-wide still at the starting height ($at_start red px in a row)"

# ---- The red curve on the coordinate graph, at the frames the program lists ---------------
view 2
shot "$shots/run_graph_Y.png"
convert "$shots/run_graph_Y.png" -crop "${WIDTH}x${HEIGHT}+${WX}+${WY}" +repage "$shots/run_window_graph_Y.png"
red_total=$(count_colour "$shots/run_graph_Y.png" $((cx + 23)) $((cy + 4)) 773 382 255,0,0)
[ "$red_total" -gt 1500 ] && echo "ok: $red_total red pixels on the coordinate graph" ||
    fail "only $red_total red pixels on the coordinate graph"
checked=0
for line in 1000 2500 4500 5200 5500 5800 5990; do
    IFS=, read -r phase t y _ < <(sed -n "$((line + 1))p" <<<"$frames")
    read -r sx sy < <(to_screen 23 4 773 382 0 "$t_right" "$y_top" 0 "$t" "$y")
    expect_pixel "$shots/run_graph_Y.png" "$sx" "$sy" 255,0,0 "$phase frame $line (t=$t, Y=$y)" ||
        failures=$((failures + 1))
    checked=$((checked + 1))
done
[ "$checked" -eq 7 ] || fail "only $checked frames checked"
view 1

# ---- A paced run: slow-down 1, the fall's 1000 pauses of 10 ms --------------------------------
slower_arrow
sleep 0.5
press_start
for _ in $(seq 100); do [[ "$(title)" != *"Конец"* ]] && break; sleep 0.05; done
if ! took=$(wait_run_end 60); then
    fail "the paced run did not end within 60 s"
else
    echo "run with slow-down 1 ended after ${took} s (the fall alone is paced at 10 s)"
    awk -v s="$took" 'BEGIN { exit !(s >= 9.8 && s < 15) }' || fail "a paced run took ${took} s"
fi
shot "$shots/run_paced.png"

# Two tones were played (or rung on the bell): the sound layer said nothing about it.
if grep -iE 'pulse|multimedia|audio' "$E2E_LOG"; then fail "the sound layer wrote to the terminal"; else
    echo "ok: nothing from the sound layer on the terminal"; fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed; see $shots/run_*.png"
    exit 1
fi
echo "all checks passed"
