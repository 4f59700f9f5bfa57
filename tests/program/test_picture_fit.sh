# The side pictures land where the web engine's image document puts them in
# the same view: a picture larger than its view and one smaller, at 1 x and
# 2 x. The engine's rendering comes from the launcher itself, its side
# addresses answered first with a page, so that the engine asks again and
# gets the pictures. Size within 1 device pixel, centre within 3, the same
# dark background.
source "$(dirname "$0")/lib.sh"
start_xserver 3840x2160
pictures=$SCRATCH/pictures
mkdir "$pictures"
convert -size 900x700 gradient:'#ff4040-#ffd040' -quality 95 "$pictures/1.jpg"
convert -size 150x90 gradient:'#40a0ff-#80ff80' -quality 95 "$pictures/2.jpg"

# placed SCALE LEFT TOP WIDTH HEIGHT: "width height centre-x centre-y
# background" of the picture in the view at that design box, in device
# pixels, centres doubled to stay whole; 4 pixels in from each edge, clear of
# the panel's bevel, so a picture that meets the view's edge is cut as much
# in both renderings. Waits until the view shows more than its background.
placed() {
    local scale=$1 n width height crop=$SCRATCH/crop.png box deadline=$((SECONDS + 30)) w h x y
    read -r _ _ width height < <(client_geometry "$window")
    for n in $(seq 1 200); do
        (($(muldiv 1029 "$n" 23) * scale == width)) && break
    done
    local left=$(($(muldiv "$2" "$n" 23) * scale)) top=$(($(muldiv "$3" "$n" 23) * scale))
    local right=$(($(muldiv $(($2 + $4)) "$n" 23) * scale)) bottom=$(($(muldiv $(($3 + $5)) "$n" 23) * scale))
    # The second view reaches past the window's bottom edge.
    ((bottom <= height)) || bottom=$height
    box=$((right - left - 8))x$((bottom - top - 8))+$((left + 4))+$((top + 4))
    for (( ; ; )); do
        import -window "$window" -crop "$box" +repage "$crop"
        read -r w h x y < <(convert "$crop" -bordercolor 'rgb(14,14,14)' -border 1 -fuzz 6% -trim -format '%w %h %X %Y' info:)
        ((w > 8 && w < ${box%%x*})) && break
        ((SECONDS < deadline)) || fail "no picture in $box"
        sleep 0.5
    done
    local background
    background=$(convert "$crop" -crop 1x1+0+0 -depth 8 txt:- | sed -n 's/^0,0: (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p')
    echo "$w $h $((2 * (x - 1) + w)) $((2 * (y - 1) + h)) $background"
}

# measure SCALE VAR [PATHS]: the placement in both side views, one line
# each, into VAR; the loopback server answers PATHS with a page the first time.
measure() {
    local scale=$1 var=$2
    [[ -n ${LOOPBACK_PID:-} ]] && stop_loopback_server
    rm -f "$LOOPBACK_LOG"
    LOOPBACK_PICTURES=$pictures LOOPBACK_PAGES_ONCE=${3:-} start_loopback_server
    start_launcher launcher "$SCRATCH" LC_ALL=en_US.UTF-8 QT_SCALE_FACTOR="$scale"
    window=$(wait_window "$launcher")
    printf -v "$var" '%s\n%s' "$(placed "$scale" 566 59 456 326)" "$(placed "$scale" 566 391 456 347)"
    close_and_wait "$window" "$launcher"
}

for scale in 1 2; do
    measure "$scale" native
    measure "$scale" engine "/soft/images/1.jpg /soft/images/2.jpg"
    (($(requested /soft/images/1.jpg) == 2 && $(requested /soft/images/2.jpg) == 2)) ||
        fail "the engine did not ask for the pictures again: $(cat "$LOOPBACK_LOG")"
    for view in 1 2; do
        read -r w h cx cy bg <<<"$(sed -n "${view}p" <<<"$native")"
        read -r rw rh rcx rcy rbg <<<"$(sed -n "${view}p" <<<"$engine")"
        echo "at ${scale}x, picture $view: native ${w}x${h} centre $((cx / 2)),$((cy / 2)) on $bg;" \
            "engine ${rw}x${rh} centre $((rcx / 2)),$((rcy / 2)) on $rbg"
        [[ $bg == "14,14,14" && $rbg == "14,14,14" ]] || fail "background $bg, the engine's $rbg"
        ((w - rw <= 1 && rw - w <= 1 && h - rh <= 1 && rh - h <= 1)) || fail "size ${w}x${h}, the engine's ${rw}x${rh}"
        ((cx - rcx <= 6 && rcx - cx <= 6 && cy - rcy <= 6 && rcy - cy <= 6)) || fail "centre more than 3 pixels off the engine's"
    done
done
echo "1 passed, 0 failed"
