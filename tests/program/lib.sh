# Helpers for whole-program tests: a private X server, the launcher started
# in a scratch directory, its window found, clicked, typed at and closed
# politely, a loopback HTTP server and a browser that only records.
# Sourced with the launcher's path in $1 and the build directory in $2.
#
# Nothing the launcher does reaches past 127.0.0.1: its web engine goes
# through the loopback server as a proxy (or through a dead port when no
# server runs), and the desktop's "browser" is the recording script.

set -euo pipefail
KORINVIEW=$(realpath "$1")
BUILD=$(realpath "$2")
WMCLOSE=$BUILD/tests/wmclose
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SCRATCH=$(mktemp -d)
PIDS=()
LOOPBACK_PORT=""
LOOPBACK_LOG=$SCRATCH/requests
OPENED=$SCRATCH/opened
source "$HERE/../../scripts/xserver.sh"
source "$HERE/../../scripts/loopback.sh"
source "$HERE/../../scripts/wine.sh"

# Waits for each process too, so the next test never meets a dying X server.
cleanup() {
    local pid
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$SCRATCH"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [[ -s $SCRATCH/launcher.log ]]; then
        echo "--- launcher output" >&2
        tail -n 20 "$SCRATCH/launcher.log" >&2
    fi
    exit 1
}

# start_xserver [WIDTHxHEIGHT]: a private X server, 1920 x 1080 by default.
start_xserver() {
    xvfb_start "$@" || fail "no X server"
    PIDS+=("$XSERVER_PID")
}

# start_window_manager: openbox on the private X server, with its default
# settings, for tests whose behaviour depends on a window manager (close
# requests, full screen, focus); returns once it manages the screen.
start_window_manager() {
    mkdir -p "$SCRATCH/openbox"
    XDG_CONFIG_HOME="$SCRATCH/openbox" openbox --sm-disable >>"$SCRATCH/openbox.log" 2>&1 &
    PIDS+=($!)
    local deadline=$((SECONDS + 20))
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        ((SECONDS < deadline)) || fail "openbox did not start: $(cat "$SCRATCH/openbox.log")"
        sleep 0.1
    done
}

# start_weston: weston's headless compositor, one 1920 x 1080 output, with
# the test module (tests/program/tools/westoncontrol.cpp) that weston_ask drives;
# sets WESTON_SOCKET, the WAYLAND_DISPLAY of a launcher started after it.
start_weston() {
    local runtime=$SCRATCH/weston
    mkdir -m 700 "$runtime"
    mkfifo "$runtime/control"
    # Held open for writing here, so that no command blocks on the FIFO.
    exec {WESTON_CONTROL}<>"$runtime/control"
    XDG_RUNTIME_DIR=$runtime KORINVIEW_WESTON_CONTROL=$runtime/control \
        weston --backend=headless-backend.so --width=1920 --height=1080 --socket=wayland-test \
        --no-config --idle-time=0 --modules="$BUILD/tests/westoncontrol.so" --log="$SCRATCH/weston.log" \
        >>"$SCRATCH/weston.log" 2>&1 &
    PIDS+=($!)
    WESTON_SOCKET=$runtime/wayland-test
    local deadline=$((SECONDS + 20))
    until [[ -S $WESTON_SOCKET ]] && [[ $(weston_ask windows) == *output* ]]; do
        ((SECONDS < deadline)) || fail "weston did not start: $(cat "$SCRATCH/weston.log")"
        sleep 0.1
    done
}

# weston_ask COMMAND [ARGUMENT...]: runs a command of the test module
# (windows, click X Y, key CODE, close PID) and prints its answer.
weston_ask() {
    local answer=$SCRATCH/weston/answer deadline=$((SECONDS + 10))
    rm -f "$answer"
    echo "$* $answer" >&"$WESTON_CONTROL"
    until [[ -e $answer ]]; do
        ((SECONDS < deadline)) || fail "weston did not answer: $*"
        sleep 0.05
    done
    cat "$answer"
}

# configured NAME: a build-time value of the launcher, e.g. KORINVIEW_SITE.
configured() {
    sed -n "s|^$1:[A-Z]*=||p" "$BUILD/CMakeCache.txt"
}

# configured_host NAME: the host (and port) of a configured site address.
configured_host() {
    local address
    address=$(configured "$1")
    address=${address#*://}
    echo "${address%%/*}"
}

# start_loopback_server [PORT]: serves the side pictures and a linked page,
# on PORT or a free port; sets LOOPBACK_SITE ("http://127.0.0.1:PORT") and
# logs requests to $LOOPBACK_LOG.
start_loopback_server() {
    loopback_start "${1:-0}" "$SCRATCH" || fail "no loopback server"
    PIDS+=("$LOOPBACK_PID")
    LOOPBACK_SITE=http://127.0.0.1:$LOOPBACK_PORT
}

# stop_loopback_server: ends the server, as a lost network does; it can be
# started again, on the same port too.
stop_loopback_server() {
    kill "$LOOPBACK_PID" 2>/dev/null || true
    wait "$LOOPBACK_PID" 2>/dev/null || true
    rm -f "$SCRATCH/port"
}

# engine_processes PID: the web engine's processes under that launcher (and
# no other program's, which may run beside the tests).
engine_processes() {
    local pid ancestor
    for pid in $(pgrep -f QtWebEngineProcess); do
        ancestor=$pid
        while [[ -n $ancestor ]] && ((ancestor > 1)) && [[ $ancestor != "$1" ]]; do
            ancestor=$(ps -o ppid= -p "$ancestor" 2>/dev/null | tr -d ' ')
        done
        [[ $ancestor == "$1" ]] && echo "$pid"
    done
    return 0
}

# engine_renderers PID: that launcher's renderer processes, whether started
# as renderers or forked from the engine's zygote.
engine_renderers() {
    local pid parent
    for pid in $(engine_processes "$1"); do
        parent=$(ps -o ppid= -p "$pid" | tr -d ' ')
        if tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q -- --type=renderer ||
            tr '\0' ' ' <"/proc/$parent/cmdline" 2>/dev/null | grep -q -- --type=zygote; then
            echo "$pid"
        fi
    done
    return 0
}

# requested PATH [HOST]: how many times the loopback server answered PATH.
requested() {
    awk -v path="$1" -v host="${2:-}" '$3 == path && (host == "" || $4 == host) { n++ } END { print n + 0 }' \
        "$LOOPBACK_LOG" 2>/dev/null || echo 0
}

# wait_requested PATH [COUNT [SECONDS]]: waits until PATH was answered COUNT times.
wait_requested() {
    local deadline=$((SECONDS + ${3:-30}))
    until (($(requested "$1") >= ${2:-1})); do
        ((SECONDS < deadline)) || fail "$1 was requested $(requested "$1") times, not ${2:-1}"
        sleep 0.1
    done
}

# record_browser (run by start_launcher): the desktop's browser becomes a
# script that appends each argument it is given, one a line, to $OPENED.
record_browser() {
    [[ -x $SCRATCH/browser ]] && return 0
    cat >"$SCRATCH/browser" <<SCRIPT
#!/bin/sh
for argument in "\$@"; do printf '%s\n' "\$argument"; done >>"$OPENED"
SCRIPT
    chmod +x "$SCRATCH/browser"
    mkdir -p "$SCRATCH"/xdg/{config,data,cache,share,etc,runtime}
    chmod 700 "$SCRATCH/xdg/runtime"
}

# wait_opened N [SECONDS]: waits until the browser was given N addresses.
wait_opened() {
    local deadline=$((SECONDS + ${2:-10}))
    until (($(opened_count) >= $1)); do
        ((SECONDS < deadline)) || return 0
        sleep 0.1
    done
}

opened_count() {
    if [[ -f $OPENED ]]; then wc -l <"$OPENED"; else echo 0; fi
}

# start_launcher VAR [DIR [NAME=VALUE...]]: starts korinview in DIR (the
# scratch directory by default) with the given extra environment; its pid
# goes to VAR. The loopback server is the system's proxy for the side
# pictures and the engine's proxy for its pages. Without a desktop session, xdg-open falls back to $BROWSER,
# and Qt itself uses $DEFAULT_BROWSER or $BROWSER where xdg-open is missing;
# the private XDG directories keep a real desktop's handlers out of reach.
start_launcher() {
    local var=$1 dir=${2:-$SCRATCH}
    shift $(($# < 2 ? $# : 2))
    record_browser
    (
        cd "$dir"
        exec env -u DBUS_SESSION_BUS_ADDRESS -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
            -u MATE_DESKTOP_SESSION_ID -u DESKTOP_SESSION \
            -u https_proxy -u all_proxy -u no_proxy -u HTTPS_PROXY -u ALL_PROXY -u NO_PROXY -u HTTP_PROXY \
            http_proxy="http://127.0.0.1:${LOOPBACK_PORT:-9}" \
            XDG_CURRENT_DESKTOP=X-Generic \
            XDG_CONFIG_HOME="$SCRATCH/xdg/config" XDG_CONFIG_DIRS="$SCRATCH/xdg/etc" \
            XDG_DATA_HOME="$SCRATCH/xdg/data" XDG_DATA_DIRS="$SCRATCH/xdg/share" \
            XDG_CACHE_HOME="$SCRATCH/xdg/cache" XDG_RUNTIME_DIR="$SCRATCH/xdg/runtime" \
            BROWSER="$SCRATCH/browser" DEFAULT_BROWSER="$SCRATCH/browser" \
            QTWEBENGINE_CHROMIUM_FLAGS="--proxy-server=127.0.0.1:${LOOPBACK_PORT:-9}" \
            "$@" "$KORINVIEW" >>"$SCRATCH/launcher.log" 2>&1
    ) &
    PIDS+=($!)
    printf -v "$var" '%s' "$!"
}

# windows_named PID NAME: ids of the visible windows of that process named
# exactly NAME (xdotool matches names without regard to case).
windows_named() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null); do
        [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$2" ]] && echo "$id"
    done
    return 0
}

# launcher_windows PID: the launcher's windows, titled "Korinview".
launcher_windows() {
    windows_named "$1" Korinview
}

# error_boxes PID: the error boxes, captioned with the program's title.
error_boxes() {
    windows_named "$1" korinview
}

# wait_window PID [SECONDS]: prints the id of the launcher window of that process.
wait_window() {
    local deadline=$((SECONDS + ${2:-60})) id
    for (( ; ; )); do
        id=$(launcher_windows "$1" | head -n 1)
        [[ -n $id ]] && { echo "$id"; return 0; }
        kill -0 "$1" 2>/dev/null || fail "process $1 ended before its window showed"
        ((SECONDS < deadline)) || fail "the window of process $1 did not show"
        sleep 0.1
    done
}

# client_geometry ID: prints "left top width height" of the client area.
client_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print x, y, w, h}'
}

muldiv() { # a * b / c rounded half away from zero, for non-negative values
    echo $((($1 * $2 * 2 + $3) / ($3 * 2)))
}

# design_scale ID: prints N, the measured height of "0" that scaled the
# window, from its client width (1029 design pixels, scaled by N / 23).
design_scale() {
    local width n
    read -r _ _ width _ < <(client_geometry "$1")
    for n in $(seq 1 200); do
        [[ $(muldiv 1029 "$n" 23) == "$width" ]] && { echo "$n"; return 0; }
    done
    fail "client width $width is no scaled design width"
}

# click_design ID X Y: clicks the window at a point given in design pixels
# from the top-left of its client area.
click_design() {
    local n
    n=$(design_scale "$1")
    xdotool mousemove --window "$1" "$(muldiv "$2" "$n" 23)" "$(muldiv "$3" "$n" 23)" click 1
}

# pixel_design ID X Y: the colour "R,G,B" of the window's pixel at a point
# given in design pixels from the top-left of its client area.
pixel_design() {
    local n
    n=$(design_scale "$1")
    import -window "$1" -crop "1x1+$(muldiv "$2" "$n" 23)+$(muldiv "$3" "$n" 23)" -depth 8 txt:- 2>/dev/null |
        sed -n 's/^0,0: (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# press_keys ID KEY...: gives the window the keyboard focus and types the
# keys (xdotool names: Tab, Return, shift+Tab, space).
press_keys() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    xdotool key --delay 50 "$@"
}

# close_window ID: asks the window to close as a window manager would.
close_window() {
    "$WMCLOSE" "$1" || fail "could not send the close request to window $1"
}

# wait_exit PID [SECONDS]: waits for the process to end; its status goes to STATUS.
wait_exit() {
    local deadline=$((SECONDS + ${2:-20}))
    while kill -0 "$1" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "process $1 did not end"
        sleep 0.1
    done
    STATUS=0
    wait "$1" || STATUS=$?
}

# close_and_wait ID PID: a polite close; the exit status goes to STATUS.
close_and_wait() {
    close_window "$1"
    wait_exit "$2"
}

# start_accessibility_bus [off]: a private session bus with the accessibility
# bus behind it, marked as a screen reader would mark it ("off": as a desktop
# marks it before any screen reader runs); exports DBUS_SESSION_BUS_ADDRESS,
# which a launcher started after it must be given
# (start_launcher VAR DIR DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS").
# Any call to org.a11y.Bus before our bus launcher owns that name would make
# the session bus start a second one of its own (its service file, with
# accessibility off), and the two would race for the name; so the wait asks
# the bus itself who owns the name, which starts nothing, and the status the
# toolkit will read is checked before any launcher starts.
start_accessibility_bus() {
    local reply launcher owner status on=1 expected=true
    [[ ${1:-} == off ]] && on=0 expected=false
    reply=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || fail "no session bus"
    DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$reply")
    PIDS+=("$(sed -n 2p <<<"$reply")")
    export DBUS_SESSION_BUS_ADDRESS
    GSETTINGS_BACKEND=memory /usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=$on --screen-reader=$on \
        >>"$SCRATCH/atspi.log" 2>&1 &
    launcher=$!
    PIDS+=("$launcher")
    local deadline=$((SECONDS + 20))
    until owner=$(dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID string:org.a11y.Bus 2>/dev/null); do
        kill -0 "$launcher" 2>/dev/null || fail "the accessibility bus launcher ended: $(cat "$SCRATCH/atspi.log")"
        ((SECONDS < deadline)) || fail "the accessibility bus did not start: $(cat "$SCRATCH/atspi.log")"
        sleep 0.1
    done
    owner=$(awk '{ print $NF }' <<<"$owner")
    [[ $owner == "$launcher" ]] || fail "org.a11y.Bus is owned by process $owner, not the test's bus launcher $launcher"
    for status in IsEnabled ScreenReaderEnabled; do
        reply=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
            org.freedesktop.DBus.Properties.Get string:org.a11y.Status "string:$status" 2>&1) ||
            fail "no accessibility status $status: $reply"
        reply=$(awk '{ print $NF }' <<<"$reply")
        [[ $reply == "$expected" ]] || fail "the accessibility bus reads $status $reply, not $expected"
    done
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 ||
        fail "the accessibility bus gives no address: $(cat "$SCRATCH/atspi.log")"
}

# accessible_tree PID [SECONDS LINE...]: the launcher's accessible tree, or a
# wait until it holds every LINE (tests/program/accessible_tree.py).
accessible_tree() {
    /usr/bin/python3 "$HERE/accessible_tree.py" "$@"
}

# --- The Windows program under Wine (tests/program/test_windows.sh) ---
# Sourced there with korinview.exe in $1 and its build directory in $2
# (build-windows, or build-windows-x86_64 for the 64-bit program), whose
# CMakeCache.txt `configured` then reads. The probe
# (tests/program/tools/winprobe.cpp) is cross-built beside the program.

WINPROBE=$BUILD/winprobe.exe

# choose_wine: the Wine for the program under test, 64-bit or 32-bit as the
# program is (scripts/wine.sh), said on the output; a 32-bit program on a
# host that runs no 32-bit code ends the test as skipped (status 77).
choose_wine() {
    local status=0
    wine_for "$KORINVIEW" || status=$?
    if ((status == 77)); then
        echo "skipped: no 32-bit programs run here (or KORINVIEW_NO_32BIT=1), so not the 32-bit program"
        exit 77
    fi
    ((status != 2)) || fail "no $WINE: scripts/deps installs it"
    ((status == 0)) || fail "$KORINVIEW is no Windows program"
    echo "the $WINE_BITS-bit Windows program under $WINE"
}

# start_wine: a private Wine prefix under $SCRATCH of the program's own
# kind (choose_wine), booted without a question. mscoree and mshtml stay out
# of the boot, so neither the .NET nor
# the HTML engine installer asks anything; mshtml thereby stays unregistered,
# and the browser control still fetches each address it is given (the
# loopback server sees the request) but finds no viewer for the answer, so
# it never loads mshtml, whose missing engine would raise the installer at
# run time. The menu builder would write desktop entries outside the prefix.
# Web requests go through the loopback server as a proxy (or a dead port
# when none runs), so nothing reaches past 127.0.0.1. Call it after
# start_loopback_server. A 64-bit prefix warns once that its 32-bit
# rundll32 is missing where no 32-bit Wine is installed, harmlessly.
start_wine() {
    export WINEPREFIX=$SCRATCH/wine WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
    record_browser
    trap 'stop_wine; cleanup' EXIT
    timeout 120 env "${WINE_DESKTOP_ENV[@]}" "$WINE" wineboot -u >>"$SCRATCH/wine.log" 2>&1 ||
        fail "the Wine prefix did not boot: $(tail -n 5 "$SCRATCH/wine.log")"
    cat >"$SCRATCH/wine-settings.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings]
"ProxyEnable"=dword:00000001
"ProxyServer"="127.0.0.1:${LOOPBACK_PORT:-9}"
REG
    timeout 60 "$WINE" regedit /S "$("$WINE" winepath -w "$SCRATCH/wine-settings.reg" 2>/dev/null)" >>"$SCRATCH/wine.log" 2>&1 ||
        fail "the Wine proxy settings were refused"
}

# stop_wine: ends every process of the private prefix and its wineserver.
stop_wine() {
    [[ -n ${WINEPREFIX:-} && -d $WINEPREFIX ]] || return 0
    timeout 20 "$WINESERVER" -k 2>/dev/null || true
    timeout 20 "$WINESERVER" -w 2>/dev/null || true
}

# The desktop as start_launcher gives it: no session, private XDG
# directories, $BROWSER the recording script. Wine's shell hands an http
# address to winebrowser, which runs xdg-open, which falls back to $BROWSER.
WINE_DESKTOP_ENV=(
    -u DBUS_SESSION_BUS_ADDRESS -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID
    -u MATE_DESKTOP_SESSION_ID -u DESKTOP_SESSION
    -u http_proxy -u https_proxy -u all_proxy -u no_proxy
    -u HTTP_PROXY -u HTTPS_PROXY -u ALL_PROXY -u NO_PROXY
    XDG_CURRENT_DESKTOP=X-Generic
    XDG_CONFIG_HOME="$SCRATCH/xdg/config" XDG_CONFIG_DIRS="$SCRATCH/xdg/etc"
    XDG_DATA_HOME="$SCRATCH/xdg/data" XDG_DATA_DIRS="$SCRATCH/xdg/share"
    XDG_CACHE_HOME="$SCRATCH/xdg/cache" XDG_RUNTIME_DIR="$SCRATCH/xdg/runtime"
    BROWSER="$SCRATCH/browser" DEFAULT_BROWSER="$SCRATCH/browser"
)

# start_wine_launcher VAR [DIR [NAME=VALUE...]]: starts the Windows program
# under Wine in DIR (the scratch directory by default) with the given extra
# environment (LC_ALL=zh_CN.UTF-8 chooses Chinese); the pid of its wine
# process, which ends with the program's exit status, goes to VAR.
start_wine_launcher() {
    local var=$1 dir=${2:-$SCRATCH}
    shift $(($# < 2 ? $# : 2))
    (
        cd "$dir"
        exec env "${WINE_DESKTOP_ENV[@]}" "$@" "$WINE" "$KORINVIEW" >>"$SCRATCH/launcher.log" 2>&1
    ) &
    PIDS+=($!)
    printf -v "$var" '%s' "$!"
}

# winprobe ARGUMENT...: runs the probe in the prefix (windows, tree
# [HWND], click 0xHWND|TEXT [HWND], close [HWND], boxes) and prints its lines.
winprobe() {
    local status=0 said=$SCRATCH/winprobe.said
    # Wine's errors too, for the probe alone: a status with nothing said
    # would leave a rare failure unexplained.
    LC_ALL=C.UTF-8 WINEDEBUG=-all,err+all timeout 60 "$WINE" "$WINPROBE" "$@" 2>"$said" || status=$?
    cat "$said" >>"$SCRATCH/wine.log"
    # Said where the test's output shows it: a probe that fails by surprise
    # ends the script under set -e with nothing else to tell why.
    ((status == 0)) || echo "winprobe $* ended with status $status; it and Wine said: $(cat "$said")" >&2
    return "$status"
}

# wine_windows: the visible top-level windows captioned "Korinview".
wine_windows() {
    winprobe windows | awk '$1 == "window" && $6 == 1 { print $2 }'
}

# wine_wait_window PID [KNOWN...]: prints the first visible launcher window
# that is not among KNOWN, once it shows; fails if PID ends first.
wine_wait_window() {
    local pid=$1 deadline=$((SECONDS + 90)) id known
    shift
    for (( ; ; )); do
        for id in $(wine_windows); do
            for known in "$@"; do [[ $id == "$known" ]] && continue 2; done
            echo "$id"
            return 0
        done
        kill -0 "$pid" 2>/dev/null || wine_fail "process $pid ended before its window showed"
        ((SECONDS < deadline)) || wine_fail "the window of process $pid did not show"
        sleep 0.5
    done
}

# wine_wait_exit PID [SECONDS]: waits for the wine process to end; the
# program's exit status goes to STATUS.
wine_wait_exit() {
    wait_exit "$1" "${2:-30}"
}

# wine_fail MESSAGE: fail, with every window Wine shows (an error box, say).
wine_fail() {
    echo "--- windows on the Wine desktop" >&2
    winprobe boxes >&2 || true
    fail "$@"
}
