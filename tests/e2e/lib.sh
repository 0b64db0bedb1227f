# Shared steps of the end-to-end tests: the real program in a real X server
# (Xvfb), driven with xdotool, looked at through screenshots (ImageMagick).
# Source it first thing: outside an X server it starts the calling script
# again inside a fresh Xvfb of 1280 x 1024.

if [ -z "${E2E_INSIDE:-}" ]; then
    export E2E_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

set -euo pipefail

E2E_APP=""
E2E_PID=""

# start_app PROGRAM [ARGS...]: starts the program in the folder of its data files.
start_app() {
    local program=$1; shift
    local folder=${VELUNTA_RUN_DIR:-$(dirname "$program")}
    (cd "$folder" && exec "$program" "$@") >"${E2E_LOG:-/dev/null}" 2>&1 &
    E2E_PID=$!
    trap 'stop_app' EXIT
}

stop_app() {
    if [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; then
        kill "$E2E_PID" 2>/dev/null || true
        wait "$E2E_PID" 2>/dev/null || true
    fi
}

# wait_window TITLE [SECONDS]: prints the id of the first visible window whose name matches.
wait_window() {
    local title=$1 seconds=${2:-20} id=""
    for _ in $(seq $((seconds * 10))); do
        id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window named '$title' after ${seconds}s" >&2
    return 1
}

# window_origin ID: prints "X Y" of the window's top-left corner on the screen.
window_origin() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'
}

# shot FILE: a screenshot of the whole screen.
shot() { import -window root "$1"; }

# pixel FILE X Y: prints the colour at (X, Y) as "R,G,B".
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# expect_pixel FILE X Y R,G,B WHAT
expect_pixel() {
    local got
    got=$(pixel "$1" "$2" "$3")
    if [ "$got" != "$4" ]; then
        echo "FAIL: $5 at ($2, $3) is $got, expected $4" >&2
        return 1
    fi
    echo "ok: $5 at ($2, $3) is $got"
}

# count_colour FILE X Y W H R,G,B: how many pixels of that colour lie in the rectangle.
count_colour() {
    local file=$1 x=$2 y=$3 w=$4 h=$5 rgb=$6
    convert "$file" -crop "${w}x${h}+${x}+${y}" +repage -fill black +opaque "rgb($rgb)" \
        -fill white -opaque "rgb($rgb)" -format "%[fx:int(mean*w*h+0.5)]" info:
}
