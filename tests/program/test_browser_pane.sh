# The main web view as a browser pane, under a window manager: a link into a
# new tab, window.open() after a click and a download each hand exactly their
# address to the browser while the view stays on its page; a pop-up the page
# opens unasked is blocked. Full screen covers the screen, Esc gives the
# window back as it was, and a close request while full screen ends the
# launcher with status 0.
source "$(dirname "$0")/lib.sh"
start_xserver
start_window_manager
start_loopback_server
video_site=$(configured KORINVIEW_VIDEO_SITE)

start_launcher launcher "$SCRATCH" LC_ALL=en_US.UTF-8
window=$(wait_window "$launcher")
click_design "$window" 690 26
wait_requested /search_video/q_Korinplot
sleep 1 # laid out and painted

# click_page X Y: clicks the main view's page at X, Y of its own pixels; the
# view starts below the toolbar, 52 design pixels down.
page_top=$(muldiv 52 "$(design_scale "$window")" 23)
click_page() {
    xdotool mousemove --window "$window" "$1" $((page_top + $2)) click 1
}

click_page 170 45  # the link into a new tab
wait_opened 1
click_page 170 115 # window.open()
wait_opened 2
click_page 170 185 # the download
wait_opened 3
sleep 1 # time for anything more to arrive: nothing should
expected="$video_site/new-tab.html
$video_site/opened.html
$video_site/download.bin"
[[ "$(cat "$OPENED" 2>/dev/null)" == "$expected" ]] || fail "opened: $(cat "$OPENED" 2>/dev/null)"
(($(requested /new-tab.html) + $(requested /opened.html) + $(requested /unasked.html) == 0)) ||
    fail "the view loaded a new window's page itself: $(cat "$LOOPBACK_LOG")"

# full_screen_window: the launcher's window that covers the whole screen.
full_screen_window() {
    local id
    for id in $(launcher_windows "$launcher"); do
        [[ $(client_geometry "$id") == "0 0 1920 1080" ]] && echo "$id"
    done
    return 0
}

# enter_full_screen: clicks the page's full-screen button; prints the window.
enter_full_screen() {
    local full=""
    click_page 170 255
    for _ in $(seq 100); do
        full=$(full_screen_window)
        [[ -n $full ]] && break
        sleep 0.1
    done
    [[ -n $full ]] || fail "no window covers the screen after the full-screen button"
    echo "$full"
}

before=$(client_geometry "$window")
full=$(enter_full_screen)
press_keys "$full" Escape
for _ in $(seq 100); do
    [[ -z $(full_screen_window) ]] && break
    sleep 0.1
done
[[ -z $(full_screen_window) ]] || fail "Esc left the full screen in place"
[[ $(client_geometry "$window") == "$before" ]] || fail "the window was at $before, now $(client_geometry "$window")"
# The main view is on top again and takes clicks: the new-tab link once more.
sleep 1
click_page 170 45
wait_opened 4
[[ $(opened_count) == 4 ]] || fail "the main view took no click after full screen: $(cat "$OPENED")"

full=$(enter_full_screen)
close_window "$full"
wait_exit "$launcher"
[[ $STATUS == 0 ]] || fail "closed while full screen, ended with status $STATUS"
echo "1 passed, 0 failed"
