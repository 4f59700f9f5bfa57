# The side pictures come without the web engine: both shown, and read out as
# images named by file name and size, while no engine process runs; the
# engine's processes start with the video button. A side address that
# answers with a page shows that page through the engine, which asks again.
# An 8000 x 6000 photograph is shown by the view too, and a picture whose
# header claims more than a view decodes shows the notice; neither brings up
# the engine.
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

stop_loopback_server
mkdir "$SCRATCH/large"
convert -size 8000x6000 gradient:'#ff3030-#c02020' -quality 90 "$SCRATCH/large/1.jpg"
# A PNG whose header says 30000 x 30000, with a few bytes of picture.
/usr/bin/python3 - "$SCRATCH/large/2.jpg" <<'PNG'
import struct, sys, zlib
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
with open(sys.argv[1], "wb") as out:
    out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 30000, 30000, 8, 2, 0, 0, 0))
              + chunk(b"IDAT", zlib.compress(b"\0" * 64)) + chunk(b"IEND", b""))
PNG
LOOPBACK_PICTURES=$SCRATCH/large start_loopback_server
rm -f "$SCRATCH/launcher.log"
start_launcher launcher "$SCRATCH" LC_ALL=en_US.UTF-8
window=$(wait_window "$launcher")
button_face=$(colour_of 1020 26) # the toolbar, beside its last button
deadline=$((SECONDS + 30))
until is_red "${picture1[@]}" && [[ $(colour_of "${picture2[@]}") == "$button_face" ]]; do
    ((SECONDS < deadline)) || fail "large pictures: $(colour_of "${picture1[@]}"), $(colour_of "${picture2[@]}") not the notice's $button_face"
    sleep 0.2
done
sleep 1
[[ -z $(engine_processes "$launcher") ]] || fail "engine processes for a large picture"
grep -q libkorinview-web "/proc/$launcher/maps" && fail "the engine's module is loaded for a large picture"
close_and_wait "$window" "$launcher"
[[ $STATUS == 0 ]] || fail "ended with status $STATUS"
echo "1 passed, 0 failed"
