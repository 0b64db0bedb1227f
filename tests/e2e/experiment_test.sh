#!/usr/bin/env bash
# A measured fall opened through "Файл → Открыть данные опыта…" (a table of t and y with a header,
# a decimal comma and units in centimetres), its points as hollow circles on the Y(t) graph where
# the time and the height put them; then "Опыт → Подобрать по данным…", Enter to fit c, Enter to
# apply: the field c shows the value the points were made with (the table the program writes for
# c = 1), as a window opened with --c=1 shows it, and no box appears.
# Usage: experiment_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb

data="$shots/experiment_fall.csv"
"$program" --table="$shots/experiment_c1.csv" --c=1 --step=0.25
{ echo "Шарик в воде"; echo "t (с); y (см)"
  awk -F';' 'f && $6 != "" { gsub(",", ".", $1); gsub(",", ".", $6); printf "%s; %s\n", $1, 100 * $6 } /^t, c;/ { f = 1 }' \
      "$shots/experiment_c1.csv" | sed -n '2,$p' | tr . ,; } > "$data"
read_report "$program" y_top t_right
t_last=$(tail -n 1 "$data" | cut -d';' -f1 | tr , .)
t_right=$(awk -v a="$t_right" -v b="$t_last" 'BEGIN { c = int(b) + (b > int(b)); print (c > a ? c : a) }')

open_main "$program"
xdotool mousemove $((X + 20)) $((Y + 10)) click 1; sleep 0.5     # Файл, for the focus
xdotool key Escape; sleep 0.2; xdotool key ctrl+shift+o          # Открыть данные опыта…
wait_window "^Открыть данные опыта$" 10 >/dev/null
sleep 0.5; xdotool type --delay 20 "$data"; xdotool key Return; sleep 1
xdotool search --onlyvisible --name "^Ошибка$" >/dev/null && fail "a box appeared on opening"
view 2 "$shots/experiment_points.png"

# Each point's circle: 4 pixels right of its centre on the graph (23, 4) 773 x 382.
while IFS=';' read -r t y; do
    t=${t//,/.} y=$(awk -v v="${y//,/.}" 'BEGIN { print v / 100 }')
    read -r px py < <(to_screen 23 4 773 382 0 "$t_right" "$y_top" 0 "$t" "$y")
    check expect_pixel "$shots/experiment_points.png" $((px + 4)) "$py" 150,0,150 "the circle of the point t=$t, Y=$y"
done < <(sed -n '3,$p' "$data" | grep -v '; 0$')   # (the landing's circle is cut by the graph's edge)

xdotool mousemove $((X + 227)) $((Y + 10)) click 1; sleep 0.5    # Опыт
xdotool key Up Up Up Return                                      # Подобрать по данным… (third from the end)
wait_window "^Подобрать по данным$" 10 >/dev/null
xdotool key Return; sleep 2                                      # Подобрать: c
shot "$shots/experiment_fit.png"
xdotool key Return; sleep 1                                      # Применить
xdotool search --onlyvisible --name "^Ошибка$" >/dev/null && fail "a box appeared on applying"
xdotool search --onlyvisible --name "^Подобрать по данным$" >/dev/null && fail "the fit dialog is still open"
shot "$shots/experiment_applied.png"
view 1 "$shots/experiment_fields.png"   # the fields, under the graph until the animation's view
click_at 560 495; xdotool mousemove 1270 1010; sleep 1
shot "$shots/experiment_fields.png"
convert "$shots/experiment_fields.png" -crop "80x26+$((cx + 208))+$((cy + 208))" +repage "$shots/experiment_c_fitted.png"
stop_app

open_main "$program" --c=1
click_at 560 495; xdotool mousemove 1270 1010; sleep 1
shot "$shots/experiment_reference.png"
convert "$shots/experiment_reference.png" -crop "80x26+$((cx + 208))+$((cy + 208))" +repage "$shots/experiment_c_reference.png"
n=$(compare -metric AE "$shots/experiment_c_fitted.png" "$shots/experiment_c_reference.png" null: 2>&1 || true)
[ "$n" -eq 0 ] && echo "ok: the field c shows the fitted 1.000" || fail "$n pixels of the field c differ from c = 1"
finish "$shots/experiment_*.png"
