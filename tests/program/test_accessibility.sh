# A screen reader's view of the launcher, on a private accessibility bus, in
# both languages: the window is a frame, the toolbar's symbol buttons, the
# description box and the QR picture have names in the interface language,
# the first Tab draws a focus frame, Tab from a panel the arrow keys reached
# goes on to its first button, and the main view's page is readable
# down to its links once the video button loaded it.
source "$(dirname "$0")/lib.sh"
start_xserver
start_window_manager
start_loopback_server
start_accessibility_bus

start_launcher launcher "$SCRATCH" LC_ALL=zh_CN.UTF-8 DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS"
window=$(wait_window "$launcher")
wait_requested /soft/images/1.jpg
wait_requested /soft/images/2.jpg

accessible_tree "$launcher" 30 'frame "Korinview"' 'panel "视频教程" [focused]' \
    'push button "后退" (主页面回到上一页)' 'push button "刷新" (重新载入主页面)' \
    'push button "中文" (切换到中文界面)' 'push button "English" (切换到英文界面)' \
    'text "说明"' 'image "柯霖软件二维码" (扫码关注柯霖软件公众号)' 'panel "Korinplot 5.20 版"' \
    >"$SCRATCH/chinese" || fail "Chinese tree: $(cat "$SCRATCH/chinese")"

# The back button, in window pixels: Panel2 starts 6 design pixels in.
n=$(design_scale "$window")
back=$(muldiv 36 "$n" 23)x$(muldiv 32 "$n" 23)+$(muldiv 75 "$n" 23)+$(muldiv 10 "$n" 23)
import -window "$window" -crop "$back" +repage "$SCRATCH/unfocused.png"
# The first key: the empty main view passes the Tab on to the back button.
press_keys "$window" Tab
accessible_tree "$launcher" 10 'push button "后退" (主页面回到上一页) [focused]' >"$SCRATCH/tabbed" ||
    fail "the first Tab did not reach the back button: $(cat "$SCRATCH/tabbed")"
sleep 0.5 # painted
import -window "$window" -crop "$back" +repage "$SCRATCH/focused.png"
changed=$(compare -metric AE "$SCRATCH/unfocused.png" "$SCRATCH/focused.png" null: 2>&1) || true
((changed > 0)) || fail "no focus frame on the back button after the first Tab"

# Left from the site button reaches the panel of the symbol buttons; Tab from
# there goes on to that panel's first button, not into the covered main view.
press_keys "$window" Tab Tab Tab Tab Tab
accessible_tree "$launcher" 10 'push button "www.korinware.com" [focused]' >"$SCRATCH/site" ||
    fail "five Tabs did not reach the site button: $(cat "$SCRATCH/site")"
press_keys "$window" Left Tab
accessible_tree "$launcher" 10 'push button "后退" (主页面回到上一页) [focused]' >"$SCRATCH/panel" ||
    fail "Tab from the toolbar's panel did not reach its first button: $(cat "$SCRATCH/panel")"

click_design "$window" 58 26 # EN
accessible_tree "$launcher" 10 'frame "Korinview"' 'panel "Video tutorials"' \
    'push button "Back" (Go back one page in the main view)' 'push button "Reload" (Reload the main view)' \
    'push button "中文" (Switch the interface to Chinese)' 'push button "English" (Switch the interface to English)' \
    'text "Description"' "image \"Korinware QR code\" (Scan to follow Korinware's public account)" \
    'panel "Korinplot 5.20"' >"$SCRATCH/english" || fail "English tree: $(cat "$SCRATCH/english")"

click_design "$window" 690 26 # the video button
wait_requested /search_video/q_Korinplot
accessible_tree "$launcher" 20 'document web "Loopback"' 'link "Next page"' >"$SCRATCH/page" ||
    fail "the main view's page is not readable: $(cat "$SCRATCH/page")"

close_and_wait "$window" "$launcher"
[[ $STATUS == 0 ]] || fail "ended with status $STATUS"
echo "1 passed, 0 failed"
