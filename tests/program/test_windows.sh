# The Windows program under Wine, on a private X server with openbox and the
# loopback server: its scaled size, the groups' colours, the side pictures
# drawn and their views mending (the server away at start, a 503 answer, a
# request never answered), the video page asked for, the twelve install buttons and four links
# reaching the browser, CN and EN, the language from LC_ALL, a readme in the
# ANSI code page, the keyboard's walk, the error box, a second copy's own
# window, status 0 on close and 1 after a fatal start; the names a screen
# reader reads, the main view's notice and its asking again, the browser
# control's document mode. The 64-bit program runs under the 64-bit Wine on
# any amd64 host; the 32-bit one, which users get, is skipped (status 77)
# where the host runs no 32-bit code.
# Arguments: korinview.exe and its build directory (build-windows-x86_64 or
# build-windows).
source "$(dirname "$0")/lib.sh"
choose_wine
[[ -f $WINPROBE ]] || fail "no $WINPROBE: build with scripts/build-windows"
# The side pictures come from a copy that the test changes as it goes.
mkdir -p "$SCRATCH/pictures"
cp "$HERE"/pictures/*.jpg "$SCRATCH/pictures/"
export LOOPBACK_PICTURES=$SCRATCH/pictures
start_xserver
start_window_manager
start_loopback_server
start_wine

site=$(configured KORINVIEW_SITE)
email=$(configured KORINVIEW_SUPPORT_EMAIL)

# child_line WINDOW TEXT: the probe's line for the child captioned TEXT.
child_line() {
    winprobe tree "$1" | awk -v text="$2" '$1 == "child" && substr($0, index($0, " text ") + 6) == text' | head -n 1
}

child_field() { # WINDOW TEXT FIELD-NAME: the value after FIELD-NAME
    child_line "$1" "$2" | awk -v name="$3" '{ for (i = 1; i < NF; i++) if ($i == name) { print $(i + 1); exit } }'
}

visible() { # WINDOW TEXT: 1 or 0
    child_field "$1" "$2" visible
}

expect_visible() { # 0|1 WINDOW CAPTION...: each captioned control is hidden (0) or shown (1)
    local state=$1 window=$2 caption
    shift 2
    for caption in "$@"; do
        [[ $(visible "$window" "$caption") == "$state" ]] || wine_fail "\"$caption\" is not $( ((state)) && echo shown || echo hidden)"
    done
}

# The memo is the one edit control; its text comes escaped, less a final line break.
memo_text() {
    local text
    text=$(winprobe tree "$1" | awk '$1 == "child" && $6 == "Edit" { print substr($0, index($0, " text ") + 6); exit }')
    echo "${text%\\r\\n}"
}

# click_and_expect WINDOW CAPTION ADDRESS: the button hands exactly ADDRESS
# to the browser. Wine's winebrowser passes an address on in its canonical
# form, which gives a bare host the path "/".
click_and_expect() {
    local before got expected=$3
    before=$(opened_count)
    winprobe click "$2" "$1" >/dev/null || wine_fail "no button \"$2\""
    wait_opened $((before + 1)) 20
    got=$(sed -n "$((before + 1))p" "$OPENED" 2>/dev/null)
    [[ $expected =~ ^https?://[^/]+$ ]] && expected+=/
    [[ $got == "$expected" ]] || wine_fail "\"$2\" opened \"$got\", not \"$expected\""
}

# requested_from PATH HOST: answers to PATH asked for at HOST (a proxy's
# request line may name the default port).
requested_from() {
    awk -v path="$1" -v host="$2" '$3 == path && ($4 == host || $4 == host ":80") { n++ } END { print n + 0 }' \
        "$LOOPBACK_LOG"
}

# expect_names WINDOW "CLASS|ROLE|NAME|DESCRIPTION"...: a child window of
# CLASS reads, through the system's accessibility, with ROLE, NAME and
# DESCRIPTION (empty: none).
expect_names() {
    local window=$1 listing expected class role name description
    shift
    listing=$(winprobe names "$window")
    for expected in "$@"; do
        IFS='|' read -r class role name description <<<"$expected"
        awk -v class="$class" -v role="$role" -v name="$name" -v description="$description" '
            function text() { return substr($0, index($0, " text ") + 6) }
            $1 == "name" && $4 == class && $6 == role && text() == name { named[$2] = 1 }
            $1 == "description" && ($2 in named) && text() == description { found = 1 }
            END { exit !found }' <<<"$listing" ||
            wine_fail "no $class of role $role named \"$name\" and described \"$description\": $(grep -c '^name ' <<<"$listing") names read"
    done
}

# expect_picture_name WINDOW NAME DESCRIPTION: the QR picture, painted by its
# panel, is the panel's element of role graphic, named, over its own box.
expect_picture_name() {
    local item
    item=$(winprobe names "$1" | awk -v name="$2" '$1 == "item" && $6 == 40 && substr($0, index($0, " text ") + 6) == name')
    [[ -n $item ]] || wine_fail "no picture named \"$2\""
    read -r x y w h < <(awk '{ print $8, $9, $10, $11 }' <<<"$item")
    [[ "$x $y $w $h" == "$((origin_x + 4 + $(m 376))) $((origin_y + $(m 52) + 4 + $(m 129))) $(($(m 543) - $(m 376))) $(($(m 291) - $(m 129)))" ]] ||
        wine_fail "the picture's box is $x $y $w $h"
    winprobe names "$1" | grep -qxF "itemdescription $(awk '{ print $2 " id " $4 }' <<<"$item") text $3" ||
        wine_fail "the picture is not described \"$3\""
}

# expect_notice WINDOW TEXT [SECONDS]: the main view's notice shows TEXT.
expect_notice() {
    local deadline=$((SECONDS + ${3:-20})) got
    for (( ; ; )); do
        got=$(winprobe tree "$1" | awk -v top="$1" '$6 == "TLoadNotice" && $4 == top && $12 == 1 { print substr($0, index($0, " text ") + 6); exit }')
        [[ $got == "$2" ]] && return 0
        ((SECONDS < deadline)) || wine_fail "the main view's notice says \"$got\", not \"$2\""
        sleep 0.2
    done
}

# The browser control draws pages in its newest mode: the value for this
# program's file name, set anew when it differs, and no other touched.
feature='HKCU\Software\Microsoft\Internet Explorer\Main\FeatureControl\FEATURE_BROWSER_EMULATION'
emulation() { # VALUE-NAME: its data as reg prints it
    "$WINE" reg query "$feature" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name { print $2, $3 }'
}
for name in "$(basename "$KORINVIEW")" other.exe; do
    "$WINE" reg add "$feature" /v "$name" /t REG_DWORD /d 7000 /f >>"$SCRATCH/wine.log" 2>&1
done

# side_views WINDOW: a line for each side view, the upper first: its text
# (the picture's name), "|", and its notice's text while the notice shows.
side_views() {
    winprobe tree "$1" | awk '$1 == "child" && ($6 == "TPictureView" || $6 == "TLoadNotice") {
            text = substr($0, index($0, " text ") + 6) }
        $6 == "TPictureView" { top[$2] = $15; name[$2] = text }
        $6 == "TLoadNotice" && $12 == 1 { notice[$4] = text }
        END { for (v in top) print top[v] "\t" name[v] "|" notice[v] }' | sort -n | cut -f 2
}

# wait_side_views WINDOW SECONDS UPPER LOWER: waits until the two views read so.
wait_side_views() {
    local deadline=$((SECONDS + $2)) expected=$3$'\n'$4
    until [[ $(side_views "$1") == "$expected" ]]; do
        ((SECONDS < deadline)) || wine_fail "the side views read \"$(side_views "$1" | tr '\n' ' ')\", not \"$3 $4\""
        sleep 0.2
    done
}
pictures=("1.jpg (456×326)|" "2.jpg (456×347)|")

# Chinese, started where a readme in code page 936 replaces the built-in
# lines, with the server away: each side view shows its notice, and with the
# server back both pictures come by themselves.
mkdir -p "$SCRATCH/readme"
printf '\xbf\xc2\xc1\xd8\xbc\xa4\xb9\xe2\r\n\xb5\xda\xb6\xfe\xd0\xd0 GBK\r\n' >"$SCRATCH/readme/readme.txt"
port=$LOOPBACK_PORT
stop_loopback_server
start_wine_launcher chinese "$SCRATCH/readme" LC_ALL=zh_CN.UTF-8
zh=$(wine_wait_window "$chinese")
wait_side_views "$zh" 30 "|图片暂时无法显示" "|图片暂时无法显示"
LOOPBACK_FAULT_FILE=$SCRATCH/fault start_loopback_server "$port"
wait_side_views "$zh" 20 "${pictures[@]}"
[[ $(requested_from /soft/images/1.jpg "${site#http://}") == 1 ]] || wine_fail "1.jpg was not asked of $site once"
[[ $(requested_from /soft/images/2.jpg "${site#http://}") == 1 ]] || wine_fail "2.jpg was not asked of $site once"
languages() { # PATH: the Accept-Language of the latest answer to PATH
    awk -v path="$1" '$3 == path { last = $6 } END { print last }' "$LOOPBACK_LOG"
}
[[ $(languages /soft/images/1.jpg) == zh-CN,zh ]] || wine_fail "1.jpg was asked for in $(languages /soft/images/1.jpg)"
[[ $(emulation "$(basename "$KORINVIEW")") == "REG_DWORD 0x2af9" ]] ||
    wine_fail "browser emulation: \"$(emulation "$(basename "$KORINVIEW")")\", not 11001 for the control Wine records as 11"
[[ $(emulation other.exe) == "REG_DWORD 0x1b58" ]] || wine_fail "another program's emulation value changed"

# N, the measured height of "0", from Button8 (design 6, 6, 537 x 41 in
# Panel5, which lies inside 1 + 3 unscaled bevel pixels below the toolbar).
read -r left top width height < <(child_line "$zh" "安装Korinplot全功能国际版" |
    awk '{ for (i = 1; i < NF; i++) if ($i == "rect") { print $(i + 1), $(i + 2), $(i + 3), $(i + 4); exit } }')
[[ -n ${height:-} ]] || wine_fail "no Button8 with its Chinese caption"
n=""
for candidate in $(seq 10 60); do
    if (($(muldiv 543 "$candidate" 23) - $(muldiv 6 "$candidate" 23) == width &&
        $(muldiv 47 "$candidate" 23) - $(muldiv 6 "$candidate" 23) == height)); then
        n=$candidate
        break
    fi
done
[[ -n $n ]] || wine_fail "Button8 is $width x $height, no scaled design size"
m() { muldiv "$1" "$n" 23; }
[[ $left == $((4 + $(m 6))) && $top == $(($(m 52) + 4 + $(m 6))) ]] ||
    wine_fail "Button8 at $left, $top with N = $n"
read -r client_width client_height origin_x origin_y < <(winprobe windows | awk -v id="$zh" '$2 == id { print $8, $9, $16, $17 }')
[[ "$client_width x $client_height" == "$(m 1029) x $(m 735)" ]] ||
    wine_fail "client $client_width x $client_height, not $(m 1029) x $(m 735) for N = $n"

# The four groups in their colours, sampled just inside each panel's bevel
# at its top-left and bottom-right, where no button lies.
shot=$SCRATCH/screen.png
import -window root "$shot"
pixel() { # X Y in the client area
    convert "$shot" -crop "1x1+$((origin_x + $1))+$((origin_y + $2))" -depth 8 txt:- 2>/dev/null |
        sed -n 's/^0,0: (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
group_top=$(($(m 52) + 4))
group_width=$(($(m 560) - $(m 1) - 6))
group_bottom=$((client_height - 4))
declare -A colour=([5]=128,0,128 [12]=0,0,255 [7]=72,176,181 [8]=177,251,23)
declare -A from=([5]=3 [12]=304 [7]=403 [8]=582) to=([5]=304 [12]=403 [7]=582)
# Both side pictures drawn by the program: the white shape at each view's
# centre, the dark image background in the band the fit leaves above it.
while read -r above centre name; do
    view=$(winprobe tree "$zh" | awk -v name="$name" '$6 == "TPictureView" && substr($0, index($0, " text ") + 6) == name { print $15, $14, $16, $17 }')
    read -r view_top view_left view_width view_height <<<"$view"
    [[ -n ${view_height:-} ]] || wine_fail "no side view named $name"
    got=$(pixel $((view_left + view_width / 2)) $((view_top + view_height / 2)))
    [[ $got == "$centre" ]] || wine_fail "$name at its centre is $got, not $centre"
    got=$(pixel $((view_left + view_width / 2)) "$view_top")
    [[ $got == "$above" ]] || wine_fail "$name above the picture is $got, not $above"
done <<VIEWS
14,14,14 255,255,255 1.jpg (456×326)
14,14,14 255,255,255 2.jpg (456×347)
VIEWS
for group in 5 12 7 8; do
    y=$((group_top + $(m "${from[$group]}") - $(m 3)))
    if [[ -n ${to[$group]:-} ]]; then
        bottom=$((group_top + $(m "${to[$group]}") - $(m 3)))
    else
        bottom=$group_bottom
    fi
    for point in "$((4 + 3)) $((y + 3))" "$((4 + group_width - 4)) $((bottom - 4))"; do
        # shellcheck disable=SC2086
        got=$(pixel $point)
        [[ $got == "${colour[$group]}" ]] || wine_fail "Panel$group at ($point) is $got, not ${colour[$group]}"
    done
done

expect_visible 1 "$zh" 软件安装 下载资源 视频教程 "柯霖软件QQ群号:527418306" 安装Korinplot中文版 安装Korinplot精简版

# A screen reader's names (read by the probe, another process, as a reader does),
# in the interface language: the symbol buttons with what they do, the
# groups, the description box and the picture.
expect_names "$zh" "Button|43|后退|主页面回到上一页" "Button|43|刷新|重新载入主页面" "Button|43|中文|切换到中文界面" \
    "Button|43|English|切换到英文界面" "TPanel|20|Korinplot 各版本|" "TPanel|20|Korinplot 5.20 版|" \
    "TPanel|20|3.40 中文版 A 型板|" "TPanel|20|3.40 中文版 B 型板|" "Edit|42|说明|"
expect_picture_name "$zh" 柯霖软件二维码 扫码关注柯霖软件公众号
[[ $(memo_text "$zh") == '柯霖激光\r\n第二行 GBK' ]] || wine_fail "memo from readme.txt: $(memo_text "$zh")"

# The keyboard: on activation the main view has the focus, Tab walks the
# toolbar from the back button, Shift+Tab and the arrow keys go back and
# among siblings (a panel among them, from which Tab goes into the panel),
# and Enter clicks the focused button.
focused() { winprobe focus "$zh" | sed -n 's/^focus 0x[0-9a-f]* class .* text //p'; }
focused_class() { winprobe focus "$zh" | sed -n 's/^focus 0x[0-9a-f]* class \(.*\) text .*/\1/p'; }
press() { # KEY TEXT [CLASS]: after KEY the control captioned TEXT (of that class) has the focus
    xdotool key "$1"
    local deadline=$((SECONDS + 10))
    until [[ $(focused) == "$2" && (-z ${3:-} || $(focused_class) == "$3") ]]; do
        ((SECONDS < deadline)) || wine_fail "after $1 the focus is on \"$(focused)\" ($(focused_class)), not \"$2\""
        sleep 0.1
    done
}
xdotool windowactivate --sync "$(xdotool search --name '^Korinview$' | head -n 1)" >/dev/null 2>&1 || true
[[ $(focused) == "Shell Embedding" ]] || wine_fail "the first focus is on \"$(focused)\", not the main view"
site_caption=$(configured KORINVIEW_SITE_CAPTION)
product_caption=$(configured KORINVIEW_PRODUCT_CAPTION)
for caption in "<" R 软件安装 CN EN "$site_caption"; do
    press Tab "$caption"
done
press Left "" TPanel
press Tab "<"
for caption in R 软件安装 CN EN "$site_caption" "$product_caption" 下载资源; do
    press Tab "$caption"
done
press shift+Tab "$product_caption"
press Left "$site_caption"
press Right "$product_caption"
before=$(opened_count)
xdotool key Return
wait_opened $((before + 1)) 20
[[ $(sed -n "$((before + 1))p" "$OPENED" 2>/dev/null) == "$(configured KORINVIEW_PRODUCT_SITE)/" ]] ||
    wine_fail "Enter on \"$product_caption\" opened \"$(sed -n "$((before + 1))p" "$OPENED" 2>/dev/null)\""

# Button8 with the mouse, at its centre on the screen; the others by message.
before=$(opened_count)
xdotool mousemove $((origin_x + left + width / 2)) $((origin_y + top + height / 2)) click 1
wait_opened $((before + 1)) 20
[[ $(sed -n "$((before + 1))p" "$OPENED" 2>/dev/null) == "$site/soft/Korinplot/Korinplot.exe" ]] ||
    wine_fail "a click on Button8 opened $(cat "$OPENED" 2>/dev/null)"
while read -r caption path; do
    click_and_expect "$zh" "$caption" "$site$path"
done <<'CATALOGUE'
安装KorinplotX新英文版 /soft/Korinplot/KorinplotX.exe
安装Korinplot中文版 /soft/Korinplot/Korinplot_cn.exe
安装Korinplot精简版 /soft/Korinplot/Korinplot_lite.exe
安装Korinplot5.20左上原点国际版 /soft/Korinplot5.20/Korinplot_left.exe
安装Korinplot5.20右上原点国际版 /soft/Korinplot5.20/Korinplot_right.exe
安装3.40中文版A型板左上原点标准版A11 /soft/soft340/setupA_left_std.exe
安装3.40中文版A型板右上原点标准版A21 /soft/soft340/setupA_right_std.exe
安装3.40中文版A型板左上原点精简版A12 /soft/soft340/setupA_left_lite.exe
安装3.40中文版A型板右上原点精简版A22 /soft/soft340/setupA_right_lite.exe
安装3.40中文版B型板左上原点精简版B12 /soft/soft340/setupB_left_lite.exe
安装3.40中文版B型板右上原点精简版B22 /soft/soft340/setupB_right_lite.exe
CATALOGUE
click_and_expect "$zh" "$(configured KORINVIEW_SITE_CAPTION)" "$site"
click_and_expect "$zh" "$(configured KORINVIEW_PRODUCT_CAPTION)" "$(configured KORINVIEW_PRODUCT_SITE)"
click_and_expect "$zh" 下载资源 "$(configured KORINVIEW_SHARE_SITE)/share/home?uk=$(configured KORINVIEW_SHARE_KEY)"
click_and_expect "$zh" "柯霖软件QQ群号:527418306" \
    "$(configured KORINVIEW_GROUP_SITE)/wpa/qunwpa?idkey=$(configured KORINVIEW_GROUP_KEY)"

# Back with no earlier page: the browser control refuses, the error box shows
# the system's text with the full-stop rule, captioned with the title, and
# after OK the window goes on.
winprobe click "<" "$zh" >/dev/null
deadline=$((SECONDS + 20))
until box=$(winprobe boxes | awk '$1 == "box" && $6 == "#32770" { print $2; exit }') && [[ -n $box ]]; do
    ((SECONDS < deadline)) || wine_fail "no error box after <"
    sleep 0.1
done
[[ $(winprobe boxes | awk -v box="$box" '$2 == box && $1 == "box" { print $8 }') == korinview ]] ||
    wine_fail "the error box's caption is not the title"
[[ $(winprobe boxes | awk -v box="$box" '$2 == box && $1 == "boxtext" && $4 == "Static"') == *. ]] ||
    wine_fail "the error box's text has no full stop"
winprobe click 确定 "$box" >/dev/null
deadline=$((SECONDS + 10))
while winprobe boxes | grep -q "^box $box "; do
    ((SECONDS < deadline)) || wine_fail "the error box stays after OK"
    sleep 0.1
done

video=$(configured KORINVIEW_VIDEO_SITE)
winprobe click 视频教程 "$zh" >/dev/null
wait_requested /search_video/q_Korinplot 1 30
[[ $(requested_from /search_video/q_Korinplot "${video#http://}") == 1 ]] || wine_fail "the video page was not asked of $video"
# The page came, but Wine has no engine to draw it with: the main view says
# so, rather than staying white or blaming the network.
expect_notice "$zh" 系统缺少网页显示组件，无法显示此页面。

# EN hides the Chinese-only rows and groups and asks for the pictures again;
# CN shows them and asks once more.
english_lines="Install include:\\r\\nKorinplot\\r\\n  Can import DWG/DXF\\r\\nKorinbeam Coreldraw tool\\r\\n  Support CDR 12/x4/x5/x6/x7\\r\\n----------------------------\\r\\nEmail:$email"
winprobe click EN "$zh" >/dev/null
wait_requested /soft/images/1.jpg 2 30
wait_requested /soft/images/2.jpg 2 30
[[ $(languages /soft/images/2.jpg) == en-US,en ]] || wine_fail "2.jpg was asked for in $(languages /soft/images/2.jpg) after EN"
expect_visible 0 "$zh" 安装Korinplot中文版 安装Korinplot精简版 安装3.40中文版A型板左上原点标准版A11 安装3.40中文版B型板左上原点精简版B12
expect_visible 1 "$zh" Install Downloads Video "Korinware QQ Group" "Install Korinplot(All function)" \
    "Install KorinplotX(New English)" "Install Korinplot5.20 TopLeft" "Install Korinplot5.20 TopRight"
[[ $(memo_text "$zh") == "$english_lines" ]] || wine_fail "memo after EN: $(memo_text "$zh")"
expect_notice "$zh" "This system has nothing to display web pages with."
expect_names "$zh" "Button|43|Back|Go back one page in the main view" "Button|43|Reload|Reload the main view" \
    "Button|43|中文|Switch the interface to Chinese" "Button|43|English|Switch the interface to English" \
    "TPanel|20|Korinplot editions|" "TPanel|20|Korinplot 5.20|" "Edit|42|Description|"
expect_picture_name "$zh" "Korinware QR code" "Scan to follow Korinware's public account"
winprobe click CN "$zh" >/dev/null
wait_requested /soft/images/1.jpg 3 30
wait_requested /soft/images/2.jpg 3 30
expect_visible 1 "$zh" 安装Korinplot中文版 安装Korinplot精简版 安装3.40中文版A型板左上原点标准版A11 安装3.40中文版B型板左上原点精简版B12
[[ $(memo_text "$zh") == '柯霖激光\r\n第二行 GBK' ]] || wine_fail "memo after CN: $(memo_text "$zh")"

# A 503 answer brings the notice, never the picture from before; EN and CN
# ask again at once and the notice follows the language; once the server
# mends, the views ask again by themselves.
touch "$SCRATCH/fault"
winprobe click EN "$zh" >/dev/null
wait_side_views "$zh" 10 "|Picture not available" "|Picture not available"
winprobe click CN "$zh" >/dev/null
wait_side_views "$zh" 10 "|图片暂时无法显示" "|图片暂时无法显示"
rm -f "$SCRATCH/fault"
wait_side_views "$zh" 10 "${pictures[@]}"

# A request never answered is given up after 20 s, with the notice, and
# asked again 2 s later; the other view's picture comes meanwhile.
stop_loopback_server
LOOPBACK_SILENT_ONCE=/soft/images/2.jpg start_loopback_server "$port"
asked=$SECONDS
winprobe click CN "$zh" >/dev/null
wait_side_views "$zh" 30 "${pictures[0]}" "|图片暂时无法显示"
((SECONDS - asked >= 19)) || wine_fail "the unanswered request was given up after $((SECONDS - asked)) s"
wait_side_views "$zh" 10 "${pictures[@]}"

# The network away: R asks at once and the main view's notice says so in
# place of the control's error page. Back, the view asks again by itself,
# and a request the server then holds unanswered is given up at 20 s (the
# control itself would wait for minutes) and asked again.
stop_loopback_server
winprobe click R "$zh" >/dev/null
expect_notice "$zh" "无法连接网络。按 R 重试。"
asked=$(requested /search_video/q_Korinplot)
LOOPBACK_SILENT_ONCE=/search_video/q_Korinplot start_loopback_server "$port"
expect_notice "$zh" "服务器没有响应。按 R 重试。" 40
wait_requested /search_video/q_Korinplot $((asked + 1)) 30
expect_notice "$zh" 系统缺少网页显示组件，无法显示此页面。

# A right click on a picture and an entry chosen with the keyboard: Copy
# Image Address, Copy Image (the whole picture), Open Image in Browser.
choose_from_menu() { # WINDOW VIEW-TEXT N: the Nth entry of the view's menu
    local x y deadline=$((SECONDS + 10))
    read -r x y < <(winprobe tree "$1" | awk -v name="$2" '$6 == "TPictureView" &&
        substr($0, index($0, " text ") + 6) == name { print $14 + int($16 / 2), $15 + int($17 / 2) }')
    xdotool mousemove $((origin_x + x)) $((origin_y + y)) click 3
    until winprobe boxes | awk '$1 == "box" && $6 == "#32768"' | grep -q .; do
        ((SECONDS < deadline)) || wine_fail "no menu on \"$2\""
        sleep 0.1
    done
    # shellcheck disable=SC2046
    xdotool key --delay 100 $(printf 'Down %.0s' $(seq "$3")) Return
}
wait_clipboard() { # LINE: waits until the probe reads LINE off the clipboard
    local deadline=$((SECONDS + 10))
    until winprobe clipboard | grep -qxF "$1"; do
        ((SECONDS < deadline)) || wine_fail "the clipboard holds \"$(winprobe clipboard)\", not \"$1\""
        sleep 0.2
    done
}
# The install panel in front again, over the video page's view.
winprobe click 软件安装 "$zh" >/dev/null
choose_from_menu "$zh" "${pictures[1]%|}" 2
wait_clipboard "text $site/soft/images/2.jpg"
choose_from_menu "$zh" "${pictures[1]%|}" 1
wait_clipboard "bitmap 456 347"
before=$(opened_count)
choose_from_menu "$zh" "${pictures[1]%|}" 3
wait_opened $((before + 1)) 20
[[ $(sed -n "$((before + 1))p" "$OPENED" 2>/dev/null) == "$site/soft/images/2.jpg" ]] ||
    wine_fail "Open Image in Browser opened \"$(sed -n "$((before + 1))p" "$OPENED" 2>/dev/null)\""

# An animated GIF plays: both its frames' colours show at the view's centre.
# A header that claims 30000 x 30000 pixels brings the notice, undecoded.
convert -size 40x30 xc:red -size 40x30 xc:blue -set delay 20 -loop 0 "gif:$SCRATCH/pictures/1.jpg"
printf '\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x75\x30\0\0\x75\x30\x08\x06\0\0\0' >"$SCRATCH/pictures/2.jpg"
winprobe click CN "$zh" >/dev/null
wait_side_views "$zh" 10 "1.jpg (40×30)|" "|图片暂时无法显示"
read -r x y < <(winprobe tree "$zh" | awk '$6 == "TPictureView" && substr($0, index($0, " text ") + 6) == "1.jpg (40×30)" {
    print $14 + int($16 / 2), $15 + int($17 / 2) }')
seen=" "
deadline=$((SECONDS + 10))
until [[ $seen == *" 255,0,0 "* && $seen == *" 0,0,255 "* ]]; do
    ((SECONDS < deadline)) || wine_fail "the animation showed only$seen"
    import -window root "$shot"
    seen+="$(pixel "$x" "$y") "
done

# A second copy, in English from LC_ALL (readme.txt is the Chinese file),
# opens its own window; closing it leaves the first one running. Its
# pictures are never answered: the exit waits for none of their requests.
stop_loopback_server
LOOPBACK_SILENT_ONCE="/soft/images/1.jpg /soft/images/2.jpg" start_loopback_server "$port"
start_wine_launcher english "$SCRATCH/readme" LC_ALL=en_US.UTF-8
en=$(wine_wait_window "$english" "$zh")
[[ $(visible "$en" "Install Korinplot(All function)") == 1 ]] || wine_fail "the English copy shows no English caption"
[[ $(visible "$en" 安装Korinplot中文版) == 0 ]] || wine_fail "the English copy shows a Chinese-only button"
[[ $(memo_text "$en") == "$english_lines" ]] || wine_fail "English memo: $(memo_text "$en")"
winprobe close "$en" >/dev/null
wine_wait_exit "$english" 10
[[ $STATUS == 0 ]] || wine_fail "the English copy ended with status $STATUS"
kill -0 "$chinese" 2>/dev/null || wine_fail "closing the second copy ended the first"
[[ -z $(winprobe boxes | awk '$1 == "box" && $6 == "#32770"') ]] || wine_fail "a dialog is open"

# A web view whose browser control cannot be created (its library switched
# off) ends start-up: the fatal report, then status 1.
start_wine_launcher broken "$SCRATCH" LC_ALL=en_US.UTF-8 "WINEDLLOVERRIDES=mshtml=;ieframe="
deadline=$((SECONDS + 60))
until box=$(winprobe boxes | awk '$1 == "box" && $8 == "Application" { print $2; exit }') && [[ -n $box ]]; do
    ((SECONDS < deadline)) || wine_fail "no fatal report without the browser control"
    sleep 0.2
done
[[ $(winprobe boxes | awk -v box="$box" '$2 == box && $1 == "box"') == *"caption Application Error" ]] ||
    wine_fail "the fatal report's caption is not \"Application Error\""
[[ $(wine_windows) == "$zh" ]] || wine_fail "a launcher window stays behind the fatal report: $(wine_windows)"
[[ $(winprobe boxes | awk -v box="$box" '$2 == box && $4 == "Static"') == *"text Exception EOleSysError in module korinview.exe at "* ]] ||
    wine_fail "fatal report: $(winprobe boxes | awk -v box="$box" '$2 == box')"
winprobe click OK "$box" >/dev/null
wine_wait_exit "$broken"
[[ $STATUS == 1 ]] || wine_fail "the fatal start ended with status $STATUS, not 1"

winprobe close "$zh" >/dev/null
wine_wait_exit "$chinese"
[[ $STATUS == 0 ]] || wine_fail "ended with status $STATUS"
echo "1 passed, 0 failed"
