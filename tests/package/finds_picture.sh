#!/usr/bin/env bash
# The program, started from a folder without data, shows the picture behind the
# result box "Характерное время. Нажми" by reading it from the expected file.
# Usage: finds_picture.sh PATH-TO-VELUNTA EXPECTED-PICTURE-FILE
source "$(dirname "$0")/../e2e/lib.sh"   # runs this script again inside a fresh Xvfb
program=$1 picture=$2
work=$(mktemp -d) trace=$work/trace
cd "$work"
strace -f -qq -e trace=openat -o "$trace" "$program" >/dev/null 2>&1 &
E2E_PID=$!
# strace shields itself from signals while its program runs: end the program.
end_traced() {
  kill $(cat /proc/"$E2E_PID"/task/*/children 2>/dev/null) 2>/dev/null || true
  wait "$E2E_PID" 2>/dev/null || true
  rm -rf "$work"
}
trap end_traced EXIT
main=$(wait_window "^Велунта\.$")
sleep 2
eval "$(xdotool getwindowgeometry --shell "$main")"
cx=$X cy=$((Y + HEIGHT - 512))
click_at 560 72   # the box Label22 ("Характерное время. Нажми"): the picture ris_3.gif
sleep 1
if xdotool search --onlyvisible --name "^ПРЕДУПРЕЖДЕНИЕ$" >/dev/null 2>&1; then
  echo "FAIL: the program warns that its pictures are missing"; exit 1
fi
grep -E "openat\(.*\"$picture\".*= [0-9]+$" "$trace" >/dev/null || { echo "FAIL: $picture was not read"; exit 1; }
echo "ok: the picture came from $picture"
