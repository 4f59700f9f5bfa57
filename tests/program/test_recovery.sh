# The web views mend themselves, with no input: started before the network
# is up, their renderers killed, a request the server never answers. While
# a view cannot show its page it shows a notice of its own in the interface
# language, never the engine's error page, and no scroll bar.
source "$(dirname "$0")/lib.sh"
start_xserver

# Design pixels inside the side views (near their top-left corner, where the
# stand-in pictures are red and blue), the middle of the first one, and the
# top edge and middle of the main view.
picture1=(586 79)
picture2=(586 411)
notice1=(794 222)
pane_top=(500 53)
pane_middle=(500 400)

colour_of() { pixel_design "$window" "$@"; }
is_red() { [[ $(colour_of "$@") =~ ^([0-9]+),([0-9]+),([0-9]+)$ ]] && ((BASH_REMATCH[1] > 150 && BASH_REMATCH[3] < 100)); }
is_blue() { [[ $(colour_of "$@") =~ ^([0-9]+),([0-9]+),([0-9]+)$ ]] && ((BASH_REMATCH[3] > 150 && BASH_REMATCH[1] < 100)); }
button_face=""

# pictures_shown SECONDS: waits until both side pictures show.
pictures_shown() {
    local deadline=$((SECONDS + $1))
    until is_red "${picture1[@]}" && is_blue "${picture2[@]}"; do
        ((SECONDS < deadline)) || fail "pictures not shown within $1 s: $(colour_of "${picture1[@]}") $(colour_of "${picture2[@]}")"
        sleep 0.2
    done
}

# notice_crop: the first side view as a picture, for comparing.
notice_crop() {
    local n
    n=$(design_scale "$window")
    import -window "$window" -crop "$(muldiv 456 "$n" 23)x$(muldiv 326 "$n" 23)+$(muldiv 566 "$n" 23)+$(muldiv 59 "$n" 23)" \
        +repage "$1"
}

# 1. Before the network: a port where nothing listens yet.
start_loopback_server
stop_loopback_server
started=$SECONDS
start_launcher launcher "$SCRATCH" LC_ALL=zh_CN.UTF-8
window=$(wait_window "$launcher")
button_face=$(colour_of 1020 26) # the toolbar, beside its last button
sleep 2
[[ $(colour_of "${picture1[@]}") == "$button_face" ]] || fail "no notice in the first side view: $(colour_of "${picture1[@]}")"
notice_crop "$SCRATCH/chinese.png"
click_design "$window" 58 26 # EN
sleep 1
notice_crop "$SCRATCH/english.png"
[[ $(compare -metric AE "$SCRATCH/chinese.png" "$SCRATCH/english.png" null: 2>&1) != 0 ]] ||
    fail "the notice did not change with EN"
# Nothing but the notice: no scroll bar down the right edge or along the bottom.
for point in "1015 200" "800 382" "1015 700"; do
    [[ $(colour_of $point) == "$button_face" ]] || fail "at $point: $(colour_of $point), not the notice's $button_face"
done
sleep $((started + 5 - SECONDS))
start_loopback_server "$LOOPBACK_PORT"
back=$SECONDS
pictures_shown 15
echo "pictures back $((SECONDS - back)) s after the network"

# 2. Renderers killed, as the kernel's out-of-memory killer does. The side
# pictures need none, so the engine runs once the video button asked for its
# page; that page comes back, and the pictures are still there behind it.
click_design "$window" 690 26 # the video button
wait_requested /search_video/q_Korinplot 1 20
sleep 1
before=$(requested /search_video/q_Korinplot)
killed=$(engine_renderers "$launcher")
[[ -n $killed ]] || fail "no renderer to kill"
kill -9 $killed
back=$SECONDS
wait_requested /search_video/q_Korinplot $((before + 1)) 10
echo "page back $((SECONDS - back)) s after the renderers were killed"
click_design "$window" 187 26 # the install panel and the side pictures
pictures_shown 10
close_and_wait "$window" "$launcher"
[[ $STATUS == 0 ]] || fail "ended with status $STATUS"

# 3. A server that takes the first picture request and the video page and
# never answers: the main view shows a progress line while it waits, both
# are given up after 20 s and answered when asked again.
stop_loopback_server
rm -f "$LOOPBACK_LOG"
LOOPBACK_SILENT_ONCE="/soft/images/1.jpg /search_video/q_Korinplot" start_loopback_server
start_launcher launcher "$SCRATCH" LC_ALL=en_US.UTF-8
window=$(wait_window "$launcher")
asked=$SECONDS
click_design "$window" 690 26 # the video button
sleep 2
[[ $(colour_of "${pane_top[@]}") != "$(colour_of "${pane_middle[@]}")" ]] ||
    fail "no progress line at the main view's top edge: $(colour_of "${pane_top[@]}")"
wait_requested /soft/images/1.jpg 1 40
wait_requested /search_video/q_Korinplot 1 40
((SECONDS - asked >= 20)) || fail "the first answers came $((SECONDS - asked)) s after start, before any was given up"
sleep 1
[[ $(colour_of "${pane_middle[@]}") == 255,255,255 ]] || fail "the video page is not shown: $(colour_of "${pane_middle[@]}")"
click_design "$window" 187 26 # back to the install panel and the side pictures
pictures_shown 10
echo "picture and page back $((SECONDS - asked)) s after the unanswered requests"
close_and_wait "$window" "$launcher"
[[ $STATUS == 0 ]] || fail "ended with status $STATUS"
echo "1 passed, 0 failed"
