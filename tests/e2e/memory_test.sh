#!/usr/bin/env bash
# Memory: the window at rest stays under 100 MB resident, the headless report
# under 30 MB.
# Usage: memory_test.sh PATH-TO-VELUNTA SHOTS-DIR
source "$(dirname "$0")/lib.sh"   # runs this script again inside a fresh Xvfb
program=$1
if [ "${VELUNTA_SANITIZED:-0}" = 1 ]; then
    echo "skipped: the sanitizers' shadow memory is not the program's"
    exit 0
fi

start_app "$program"
wait_window "^Велунта\.$" >/dev/null
sleep 2
rss_kb=$(awk '/^VmRSS:/ {print $2}' "/proc/$E2E_PID/status")
echo "window at rest: $((rss_kb / 1024)) MB resident"
[ "$rss_kb" -lt $((100 * 1024)) ] || { echo "FAIL: over 100 MB"; exit 1; }

report_kb=$(/usr/bin/time -f "%M" "$program" --report 2>&1 >/dev/null | tail -n 1)
echo "velunta --report: $((report_kb / 1024)) MB at most"
[ "$report_kb" -lt $((30 * 1024)) ] || { echo "FAIL: the report takes over 30 MB"; exit 1; }
