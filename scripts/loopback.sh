# Sourced, not run: loopback_start PORT DIR starts the loopback HTTP server
# (tests/program/loopback_server.py) on 127.0.0.1:PORT, or a free port for 0,
# with its request log in DIR/requests, and sets LOOPBACK_PORT and
# LOOPBACK_PID once it accepts connections.

loopback_start() {
    local dir=$2 python=python3
    # Debian's python3, which scripts/deps installs, rather than whichever
    # interpreter comes first on the PATH.
    [[ -x /usr/bin/python3 ]] && python=/usr/bin/python3
    "$python" "$(dirname "${BASH_SOURCE[0]}")/../tests/program/loopback_server.py" "$1" "$dir/port" \
        "$dir/requests" 2>>"$dir/server.log" &
    LOOPBACK_PID=$!
    local deadline=$((SECONDS + 20))
    until [[ -s $dir/port ]]; do
        if ! kill -0 "$LOOPBACK_PID" 2>/dev/null || ((SECONDS >= deadline)); then
            echo "the loopback server did not start: $(cat "$dir/server.log")" >&2
            return 1
        fi
        sleep 0.05
    done
    LOOPBACK_PORT=$(<"$dir/port")
}
