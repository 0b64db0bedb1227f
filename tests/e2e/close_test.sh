#!/usr/bin/env bash
# The window opens with its title and closes only after "Да" to the question.
# Usage: close_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb
program=$1 shots=$2
mkdir -p "$shots"

open_main "$program"

ask_to_close() {
    xdotool mousemove $((X + 20)) $((Y + 10)) click 1   # menu "Файл"
    sleep 0.5
    xdotool key Up Return                                # its last item, "Выход"
    wait_window "^На Выход$" 10
}

question=$(ask_to_close)
shot "$shots/close_question.png"
xdotool windowfocus "$question" 2>/dev/null || true
xdotool key Escape                                       # "Нет"
sleep 1
kill -0 "$E2E_PID" || { echo "FAIL: the program ended after 'Нет'"; exit 1; }
xdotool search --onlyvisible --name "^Велунта\.$" >/dev/null || { echo "FAIL: the window is gone after 'Нет'"; exit 1; }
echo "ok: 'Нет' keeps the window"

question=$(ask_to_close)
xdotool windowfocus "$question" 2>/dev/null || true
xdotool key Return                                       # "Да", the default button
for _ in $(seq 50); do
    kill -0 "$E2E_PID" 2>/dev/null || { echo "ok: 'Да' ends the program"; exit 0; }
    sleep 0.1
done
echo "FAIL: the program still runs 5 s after 'Да'"
exit 1
