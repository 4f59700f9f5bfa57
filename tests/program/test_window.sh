# --version and --help; one window titled "Korinview", scaled and centred,
# that asks for both side pictures at start; a polite close ends that copy
# with status 0 while a second copy keeps running. Under a window manager,
# on a small screen at 1.25 x, the outer rectangle is what is centred.
source "$(dirname "$0")/lib.sh"

# --version and --help answer before the toolkit starts: no display needed.
without_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
version=$("${without_display[@]}" "$KORINVIEW" --version) || fail "--version ended with status $?"
[[ $version == "korinview $(configured CMAKE_PROJECT_VERSION)" ]] || fail "--version printed: $version"
usage=$("${without_display[@]}" "$KORINVIEW" --help) || fail "--help ended with status $?"
[[ $usage == Usage:* && $usage == *LC_MESSAGES* && $usage == *readme_en.txt* ]] || fail "--help printed: $usage"

start_xserver
start_loopback_server

start_launcher first
window=$(wait_window "$first")
read -r left top width height < <(client_geometry "$window")
# 96 dots per inch: the "0" of the 16-pixel window font is 18 pixels high.
[[ "$width x $height" == "$(muldiv 1029 18 23) x $(muldiv 735 18 23)" ]] || fail "client size $width x $height"
# No window manager, so no frame: centred on the 1920 x 1080 desktop.
[[ "$left,$top" == "$((960 - width / 2)),$((540 - height / 2))" ]] || fail "placed at $left,$top"
[[ $(xprop -id "$window" WM_CLASS) == *'"korinview"'* ]] || fail "$(xprop -id "$window" WM_CLASS)"

site_host=$(configured_host KORINVIEW_SITE)
wait_requested /soft/images/1.jpg 1
wait_requested /soft/images/2.jpg 1
[[ $(requested /soft/images/1.jpg "$site_host") == 1 && $(requested /soft/images/2.jpg "$site_host") == 1 ]] ||
    fail "side pictures not asked of $site_host: $(cat "$LOOPBACK_LOG")"

start_launcher second
second_window=$(wait_window "$second")

close_and_wait "$window" "$first"
[[ $STATUS == 0 ]] || fail "first copy ended with status $STATUS"
kill -0 "$second" 2>/dev/null || fail "the second copy ended with the first"
[[ -n $(launcher_windows "$second") ]] || fail "the second copy lost its window"
close_and_wait "$second_window" "$second"
[[ $STATUS == 0 ]] || fail "second copy ended with status $STATUS"

# A laptop panel at 1.25 x: the outer rectangle, title bar and frame
# included, is centred in device pixels and stays on the screen. The toolkit
# places windows in logical pixels, which reach only some device pixels at a
# fractional scale: the nearest is within one. The window is placed once.
start_xserver 1366x768
start_window_manager
pictures=$(requested /soft/images/2.jpg)
start_launcher scaled "$SCRATCH" QT_SCALE_FACTOR=1.25
window=$(wait_window "$scaled")
placed=$(client_geometry "$window")
read -r left top width height <<<"$placed"
read -r frame_left frame_right frame_top frame_bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | tr -d , | awk '{print $3, $4, $5, $6}')
outer_width=$((width + frame_left + frame_right))
outer_height=$((height + frame_top + frame_bottom))
outer_left=$((left - frame_left))
outer_top=$((top - frame_top))
off_x=$((outer_left - (683 - outer_width / 2)))
off_y=$((outer_top - (384 - outer_height / 2)))
((off_x * off_x <= 1 && off_y * off_y <= 1)) ||
    fail "outer rectangle $outer_width x $outer_height at $outer_left,$outer_top, not centred"
((outer_left >= 0 && outer_top >= 0 && outer_left + outer_width <= 1366 && outer_top + outer_height <= 768)) ||
    fail "outer rectangle $outer_width x $outer_height at $outer_left,$outer_top leaves the screen"
wait_requested /soft/images/2.jpg $((pictures + 1))
[[ $(client_geometry "$window") == "$placed" ]] || fail "placed at $placed, then moved to $(client_geometry "$window")"
close_and_wait "$window" "$scaled"
[[ $STATUS == 0 ]] || fail "the scaled copy ended with status $STATUS"
echo "1 passed, 0 failed"
