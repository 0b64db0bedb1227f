# Shared steps of the end-to-end tests: the real program in a real X server
# (Xvfb), driven with xdotool, looked at through screenshots (ImageMagick).
# Source it first thing: outside an X server it starts the calling script
# again inside a fresh Xvfb of 1280 x 1024.

# The server chooses its own display number (-displayfd): xvfb-run -a looks for a free
# number first and starts the server after, so two scripts started at once (the sanitizer
# build's end-to-end tests beside the ordinary ones) could take the same one.
if [ -z "${E2E_INSIDE:-}" ]; then
    export E2E_INSIDE=1
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
    [ -s "$display_file" ] || { echo "Xvfb did not start"; kill "$xvfb_pid" 2>/dev/null; exit 1; }
    export DISPLAY=:$(tr -d '\n' <"$display_file")
    rm -f "$display_file"
    status=0
    bash "$0" "$@" || status=$?
    kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true
    exit "$status"
fi

set -euo pipefail

# Every script is called as SCRIPT PATH-TO-VELUNTA SHOTS-DIR.
program=$1 shots=$2
mkdir -p "$shots"

E2E_APP=""
E2E_PID=""
# A home of its own: the settings of the user (the lesson view chosen, a scale) must not
# change what the test sees, and what the test chooses must not stay.
E2E_HOME=$(mktemp -d)
export HOME=$E2E_HOME XDG_CONFIG_HOME=$E2E_HOME/.config

# start_app PROGRAM [ARGS...]: starts the program in the folder of its data files.
start_app() {
    local program=$1; shift
    local folder=${VELUNTA_RUN_DIR:-$(dirname "$program")}
    (cd "$folder" && exec "$program" "$@") >/dev/null 2>&1 &
    E2E_PID=$!
    trap 'stop_app; rm -rf "$E2E_HOME"' EXIT
}

stop_app() {   # the program, if it still runs (wait gives its status of death: no failure)
    [ -n "$E2E_PID" ] && kill "$E2E_PID" 2>/dev/null && wait "$E2E_PID" 2>/dev/null || true
    # and its windows gone from the server before anything looks for the next program's
    for _ in $(seq 50); do
        [ -z "$(xdotool search --onlyvisible --name '^Велунта' 2>/dev/null || true)" ] && break
        sleep 0.1
    done
}

# wait_window TITLE [SECONDS]: prints the id of the first visible window whose name matches.
# (Polled: xdotool's own --sync was seen giving up long before its time while windows came and went.)
wait_window() {
    local id
    for _ in $(seq $((${2:-40} * 10))); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window named '$1' after ${2:-40}s" >&2
    describe_screen >&2
    return 1
}

# describe_screen: what a failed wait saw, for the log: whether the program lives, the
# names of the visible windows, and a screenshot.
describe_screen() {
    if [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; then
        echo "the program (pid $E2E_PID) is running"
    else
        echo "the program is not running"
    fi
    echo "visible windows:"
    local id
    for id in $(xdotool search --onlyvisible --name "" 2>/dev/null || true); do
        echo "  $id '$(xdotool getwindowname "$id" 2>/dev/null || true)'"
    done
    import -window root "$shots/failed_wait_$(date +%s).png" 2>/dev/null && echo "screenshot in $shots" || true
}

# shot FILE: a screenshot of the whole screen.
shot() { import -window root "$1"; }

# expect_pixel FILE X Y R,G,B WHAT: the colour at (X, Y) is R,G,B.
expect_pixel() {
    local got p="p{$2,$3}"
    got=$(convert "$1" -format "%[fx:int(255*$p.r)],%[fx:int(255*$p.g)],%[fx:int(255*$p.b)]" info:)
    [ "$got" = "$4" ] || { echo "FAIL: $5 at ($2, $3) is $got, expected $4" >&2; return 1; }
    echo "ok: $5 at ($2, $3) is $got"
}

# count_where FILE X Y W H FX: how many pixels of the rectangle pass FX (1 or 0 a pixel,
# e.g. "r>0.8 ? 1 : 0").
count_where() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -fx "$6" -format "%[fx:int(mean*w*h+0.5)]" info:
}

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { "$@" || failures=$((failures + 1)); }   # a check that reports itself, e.g. expect_pixel
finish() {   # finish WHERE: the verdict; WHERE names the screenshots to look at
    [ "$failures" -eq 0 ] || { echo "$failures check(s) failed; see $1"; exit 1; }
    echo "all checks passed"
}

# read_report PROGRAM [VAR=]KEY...: VAR (or KEY) set to KEY's value in `PROGRAM --report`.
read_report() {
    local report item name
    report=$("$1" --report); shift
    for item; do
        name=${item%%=*}
        printf -v "$name" '%s' "$(awk -v k="\"${item#*=}\":" '$1 == k { sub(/,$/, "", $2); print $2; exit }' <<<"$report")"
        [ -n "${!name}" ] || { echo "FAIL: the report has no ${item#*=}"; exit 1; }
    done
}

# open_main PROGRAM [ARGS...]: sets main, X, Y, WIDTH, HEIGHT and cx, cy: the client area (800 x 512, under the menus,
# over the status bar of 22 pixels).
open_main() {
    start_app "$@"
    main=$(wait_window "^Велунта\.$")
    sleep 2   # the first resize runs the whole recompute and draws the pictures
    eval "$(xdotool getwindowgeometry --shell "$main")"
    cx=$X cy=$((Y + HEIGHT - 512 - 22))
    echo "window $main at $X,$Y size ${WIDTH}x${HEIGHT}; client area at $cx,$cy"
}

click_at() { xdotool mousemove --sync $((cx + $1)) $((cy + $2)) click 1; }   # client coordinates
# view N SHOT: option N of the frame "Графики" (at 488, 390; the options 20 px apart), then a screenshot.
view() { click_at 501 $((390 + 20 * $1 + 8)); sleep 1; shot "$2"; }

# to_screen LEFT TOP WIDTH HEIGHT XMIN XMAX YTOP YBOTTOM X Y: the screen pixel of a canvas's point (X, Y).
to_screen() {
    awk -v l="$1" -v t="$2" -v w="$3" -v hh="$4" -v x0="$5" -v x1="$6" -v y0="$7" -v y1="$8" -v x="$9" -v y="${10}" \
        -v cx="$cx" -v cy="$cy" 'function fl(v) { return v < 0 && v != int(v) ? int(v) - 1 : int(v) }
        BEGIN { printf "%d %d\n", cx + l + fl((x - x0) * w / (x1 - x0)), cy + t + fl((y - y0) * hh / (y1 - y0)) }'
}
