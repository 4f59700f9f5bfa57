# Sourced, not run: xvfb_start [WIDTHxHEIGHT] starts a private X server of
# 1920 x 1080 (or the size given) at 24 bits on a display number the server
# picks itself, exports DISPLAY and leaves the server's pid in XSERVER_PID
# for the caller to end.

xvfb_start() {
    local fifo number="" size=${1:-1920x1080}
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # The server writes its display number once it accepts connections.
    Xvfb -displayfd 3 -screen 0 ${size}x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XSERVER_PID=$!
    read -r -t 30 number <"$fifo" || true
    rm -f "$fifo"
    if [[ -z $number ]]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=:$number
}
