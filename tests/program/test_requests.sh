# The web views ask for nothing but what the launcher asks them for: the two
# side pictures at start and on each language switch, the video page when
# the video button is pressed. No page icons, no background traffic, no
# tunnels, even across idle stretches.
source "$(dirname "$0")/lib.sh"
start_xserver
start_loopback_server

site_host=$(configured_host KORINVIEW_SITE)
video_host=$(configured_host KORINVIEW_VIDEO_SITE)

start_launcher launcher
window=$(wait_window "$launcher")
wait_requested /soft/images/1.jpg 1
wait_requested /soft/images/2.jpg 1
sleep 5

# Centres of EN, CN and the video button in design pixels.
click_design "$window" 58 26
wait_requested /soft/images/1.jpg 2
wait_requested /soft/images/2.jpg 2
click_design "$window" 25 26
wait_requested /soft/images/1.jpg 3
wait_requested /soft/images/2.jpg 3
click_design "$window" 690 26
wait_requested /search_video/q_Korinplot 1
sleep 5

close_and_wait "$window" "$launcher"
[[ $STATUS == 0 ]] || fail "ended with status $STATUS"

expected="3 GET /soft/images/1.jpg $site_host
3 GET /soft/images/2.jpg $site_host
1 GET /search_video/q_Korinplot $video_host"
actual=$(awk '{ print $2, $3, $4 }' "$LOOPBACK_LOG" | sort | uniq -c | awk '{ $1 = $1; print }')
[[ $(sort <<<"$actual") == $(sort <<<"$expected") ]] || fail "requests seen:
$actual
expected:
$expected"
echo "1 passed, 0 failed"
