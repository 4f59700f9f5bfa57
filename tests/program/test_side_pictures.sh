# The side pictures come without the web engine: both shown, and read out as
# images named by file name and size, while no engine process runs; the
# engine's processes start with the video button. A side address that
# answers with a page shows that page through the engine, which asks again.
source "$(dirname "$0")/lib.sh"
start_xserver
# A managed window, as a screen reader's desktop has.
start_window_manager
start_loopback_server
start_accessibility_bus

# Design pixels inside the side views: near their top-left corners (red and
# blue in the stand-in pictures) and near the second one's bottom-right,
# clear of a page's scroll bar.
picture1=(586 79)
picture2=(586 411)
corner2=(990 720)

colour_of() { pixel_design "$window" "$@"; }
is_red() { [[ $(colour_of "$@") =~ ^([0-9]+),([0-9]+),([0-9]+)$ ]] && ((BASH_REMATCH[1] > 150 && BASH_REMATCH[3] < 100)); }
is_blue() { [[ $(colour_of "$@") =~ ^([0-9]+),([0-9]+),([0-9]+)$ ]] && ((BASH_REMATCH[3] > 150 && BASH_REMATCH[1] < 100)); }

start_launcher launcher "$SCRATCH" LC_ALL=en_US.UTF-8 DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS"
window=$(wait_window "$launcher")
deadline=$((SECONDS + 20))
until is_red "${picture1[@]}" && is_blue "${picture2[@]}"; do
    ((SECONDS < deadline)) || fail "pictures not shown: $(colour_of "${picture1[@]}") $(colour_of "${picture2[@]}")"
    sleep 0.2
done
accessible_tree "$launcher" 60 'image "1.jpg (456×326)"' 'image "2.jpg (456×347)"' >"$SCRATCH/tree" ||
    fail "the pictures are not read out: $(cat "$SCRATCH/tree")"
sleep 1
[[ -z $(engine_processes "$launcher") ]] || fail "engine processes with only pictures shown: $(engine_processes "$launcher")"
grep -q libkorinview-web "/proc/$launcher/maps" && fail "the engine's module is loaded with only pictures shown"

click_design "$window" 690 26 # the video button
wait_requested /search_video/q_Korinplot
[[ -n $(engine_processes "$launcher") ]] || fail "no engine process after the video button"
close_and_wait "$window" "$launcher"
[[ $STATUS == 0 ]] || fail "ended with status $STATUS"

# The second side address answers with a page.
stop_loopback_server
rm -f "$LOOPBACK_LOG"
LOOPBACK_PAGES=/soft/images/2.jpg start_loopback_server
rm -f "$SCRATCH/launcher.log"
start_launcher launcher "$SCRATCH" LC_ALL=en_US.UTF-8
window=$(wait_window "$launcher")
wait_requested /soft/images/2.jpg 2 # once by the launcher, once by the engine
deadline=$((SECONDS + 20))
until [[ $(colour_of "${corner2[@]}") == 255,255,255 ]] && is_red "${picture1[@]}"; do
    ((SECONDS < deadline)) || fail "the page is not shown: $(colour_of "${corner2[@]}"), picture $(colour_of "${picture1[@]}")"
    sleep 0.2
done
[[ -n $(engine_processes "$launcher") ]] || fail "no engine process shows the page"
close_and_wait "$window" "$launcher"
[[ $STATUS == 0 ]] || fail "ended with status $STATUS"
(($(requested /soft/images/2.jpg) == 2)) || fail "the page was asked for $(requested /soft/images/2.jpg) times"
echo "1 passed, 0 failed"
