# The launcher as a native Wayland client of weston: its window's logical
# size, a page's full screen over the whole output and Esc back to the window
# as it was, and the compositor's close request ending it with status 0.
# Where the window goes is the compositor's choice.
source "$(dirname "$0")/lib.sh"
start_loopback_server
start_weston

# No title bar of the toolkit's own (weston draws none), so the window's
# geometry is its client area.
start_launcher launcher "$SCRATCH" LC_ALL=en_US.UTF-8 DISPLAY= QT_QPA_PLATFORM=wayland \
    WAYLAND_DISPLAY="$WESTON_SOCKET" QT_WAYLAND_DISABLE_WINDOWDECORATION=1

# toplevels: "X Y WIDTH HEIGHT STATE FOCUS" of each of the launcher's windows.
toplevels() {
    weston_ask windows | awk -v pid="$launcher" '$1 == "window" && $2 == pid { print $3, $4, $5, $6, $7, $8 }'
}

# wait_toplevels PATTERN: waits until the launcher's windows match PATTERN.
wait_toplevels() {
    local deadline=$((SECONDS + 60))
    until [[ $(toplevels) == $1 ]]; do
        kill -0 "$launcher" 2>/dev/null || fail "the launcher ended"
        ((SECONDS < deadline)) || fail "windows: $(toplevels), not $1"
        sleep 0.1
    done
}

deadline=$((SECONDS + 60))
until [[ -n $(toplevels) ]]; do
    ((SECONDS < deadline)) || fail "no window"
    sleep 0.1
done
read -r left top width height state _ < <(toplevels)
# 96 dots per inch: the "0" of the 16-pixel window font is 18 pixels high.
[[ "$width x $height $state" == "$(muldiv 1029 18 23) x $(muldiv 735 18 23) normal" ]] ||
    fail "window $width x $height, $state"
window="$left $top $width $height normal focused"
wait_requested /soft/images/1.jpg
wait_requested /soft/images/2.jpg

# click X Y: clicks the window at X, Y of its own pixels.
click() {
    weston_ask click $((left + $1)) $((top + $2)) >/dev/null
}
click "$(muldiv 690 18 23)" "$(muldiv 26 18 23)" # the video button
wait_requested /search_video/q_Korinplot
sleep 1 # laid out and painted
click 170 $(($(muldiv 52 18 23) + 255)) # the page's full-screen button
read -r _ _ _ output_width output_height < <(weston_ask windows | awk '$1 == "output"')
# Esc goes to the full-screen window once it has the keyboard.
wait_toplevels "*0 0 $output_width $output_height fullscreen focused*"
weston_ask key 1 >/dev/null # Esc
wait_toplevels "$window"

weston_ask close "$launcher" >/dev/null
wait_exit "$launcher"
[[ $STATUS == 0 ]] || fail "the close request ended the launcher with status $STATUS"
echo "1 passed, 0 failed"
