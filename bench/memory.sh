#!/usr/bin/env bash
# Memory figures: the resident size of the window at rest (the target: under
# 100 MB) and the peak of the headless report (under 30 MB). Prints them;
# tests/e2e/window_test.sh only asserts bounds that a leak would break.
# Usage: bench/memory.sh PATH-TO-VELUNTA   (started in the program's folder)
set -euo pipefail
if [ -z "${MEMORY_INSIDE:-}" ]; then
    export MEMORY_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
program=$(realpath "$1")
cd "$(dirname "$program")"
"$program" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
for _ in $(seq 400); do
    xdotool search --onlyvisible --name "^Велунта\.$" >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 2   # the first resize computes and draws everything
echo "window at rest: $(awk '/^VmRSS:/ {printf "%.1f", $2 / 1024}' "/proc/$pid/status") MB resident (target 100 MB)"
report_kb=$(/usr/bin/time -f "%M" "$program" --report 2>&1 >/dev/null | tail -n 1)
echo "velunta --report: $(awk -v k="$report_kb" 'BEGIN {printf "%.1f", k / 1024}') MB peak resident (target 30 MB)"
