# Helpers for whole-program tests: a private X server, the launcher started
# in a scratch directory, its window found, clicked and closed politely.
# Sourced with the launcher's path in $1 and the build directory in $2.

set -euo pipefail
KORINVIEW=$1
BUILD=$2
WMCLOSE=$BUILD/tests/wmclose
SCRATCH=$(mktemp -d)
PIDS=()

# Waits for each process too, so the next test never meets a dying X server.
cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$SCRATCH"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start_xserver() {
    local number
    for number in $(seq 120 199); do
        [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
        Xvfb ":$number" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
        PIDS+=($!)
        export DISPLAY=:$number
        for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    done
    fail "no X server"
}

# start_launcher VAR: starts korinview in $SCRATCH; its pid goes to VAR.
start_launcher() {
    (cd "$SCRATCH" && exec "$KORINVIEW" >>"$SCRATCH/launcher.log" 2>&1) &
    PIDS+=($!)
    printf -v "$1" '%s' "$!"
}

# wait_window PID: prints the id of the launcher window of that process.
wait_window() {
    local id
    for _ in $(seq 600); do
        for id in $(xdotool search --onlyvisible --name '^Korinview$' 2>/dev/null); do
            [[ $(xdotool getwindowpid "$id" 2>/dev/null) == "$1" ]] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    fail "the window of process $1 did not show"
}

# client_geometry ID: prints "left top width height".
client_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print x, y, w, h}'
}

muldiv() { # a * b / c rounded half away from zero, for non-negative values
    echo $(( ($1 * $2 * 2 + $3) / ($3 * 2) ))
}

# click_design ID X Y: clicks the window at a point given in design pixels.
click_design() {
    xdotool mousemove --window "$1" "$(muldiv "$2" 18 23)" "$(muldiv "$3" 18 23)" click 1
}

# close_and_wait ID PID: a polite close; the exit status goes to STATUS.
close_and_wait() {
    "$WMCLOSE" "$1"
    for _ in $(seq 200); do
        kill -0 "$2" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$2" 2>/dev/null && fail "process $2 did not end after the close request"
    STATUS=0
    wait "$2" || STATUS=$?
}

# record_browser: the desktop's browser becomes a script that appends each
# address it is given to $SCRATCH/opened.
record_browser() {
    cat >"$SCRATCH/browser" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$1" >>"$SCRATCH/opened"
SCRIPT
    chmod +x "$SCRATCH/browser"
    export BROWSER=$SCRATCH/browser DEFAULT_BROWSER=$SCRATCH/browser
}

# wait_opened N: waits until the browser was given N addresses.
wait_opened() {
    for _ in $(seq 100); do
        [[ $(wc -l <"$SCRATCH/opened" 2>/dev/null || echo 0) -ge $1 ]] && return 0
        sleep 0.1
    done
}
