# The launcher with a screen reader, Orca itself, started after the launcher
# as a user turns one on later: Tab is answered with a button's name and the
# panel the focus enters is named, the language switch and the video page's
# arrival are spoken once, entering the page speaks its focused link, and
# Down reads the page's next line.
# Orca speaks through speech-dispatcher and espeak-ng into ALSA's null device;
# what it said is read from its debug output.
source "$(dirname "$0")/lib.sh"
start_xserver
start_window_manager
start_loopback_server
start_accessibility_bus off

start_launcher launcher "$SCRATCH" LC_ALL=zh_CN.UTF-8 DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS"
window=$(wait_window "$launcher")
wait_requested /soft/images/1.jpg
wait_requested /soft/images/2.jpg

# A speech server of the test's own, its pid file and socket in the scratch
# directory, so no other one on the machine is taken for it.
speech=$SCRATCH/speech
mkdir -p "$speech/modules" "$SCRATCH/orca"
cp /etc/speech-dispatcher/modules/espeak-ng.conf "$speech/modules/"
cat >"$speech/speechd.conf" <<CONF
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "en"
CONF
HOME="$SCRATCH/orca" XDG_RUNTIME_DIR="$SCRATCH/xdg/runtime" speech-dispatcher --run-single \
    --communication-method unix_socket --socket-path "$speech/socket" --timeout 0 --pid-file "$speech/pid" \
    --config-dir "$speech" --log-dir "$speech" >>"$speech/log" 2>&1 &
PIDS+=($!)
deadline=$((SECONDS + 20))
until [[ -S $speech/socket ]]; do
    ((SECONDS < deadline)) || fail "speech-dispatcher did not start: $(cat "$speech/log")"
    sleep 0.1
done
# Orca runs once per user: a second one ends at once.
! pgrep -u "$(id -u)" -x orca >/dev/null || fail "an Orca of this user runs already: end it first"
# Orca writes its debug output line by line only to a terminal: it is given
# one, whose output script(1) copies to a file as it comes. Its own texts
# are in English, whatever the host's locale.
said=$SCRATCH/orca.out
: >"$said"
HOME="$SCRATCH/orca" XDG_CONFIG_HOME="$SCRATCH/orca" XDG_DATA_HOME="$SCRATCH/orca" \
    XDG_RUNTIME_DIR="$SCRATCH/xdg/runtime" GSETTINGS_BACKEND=memory LC_ALL=C.UTF-8 \
    SPEECHD_ADDRESS="unix_socket:$speech/socket" \
    script --quiet --flush --command "orca --user-prefs '$SCRATCH/orca' --debug-file /dev/stdout" \
    "$said" </dev/null >>"$SCRATCH/orca.log" 2>&1 &
PIDS+=($!)

# spoken FROM: what Orca said after the first FROM lines of its speech.
spoken() {
    tr -d '\r' <"$said" | sed -n "s/.* - SPEECH OUTPUT: '\(.*\)'\( .*\|{.*\)\?$/\1/p" | tail -n +"$(($1 + 1))"
}
spoken_count() {
    tr -d '\r' <"$said" | sed -n "s/.* - SPEECH OUTPUT: '\(.*\)'\( .*\|{.*\)\?$/\1/p" | wc -l
}

# hear FROM TEXT [SECONDS]: waits until Orca said TEXT (a grep pattern) after FROM lines.
hear() {
    local deadline=$((SECONDS + ${3:-10}))
    until spoken "$1" | grep -- "$2" >/dev/null; do
        ((SECONDS < deadline)) || fail "Orca did not say \"$2\"; it said: $(spoken "$1" | tr '\n' '|')"
        sleep 0.1
    done
}

# tab_to KEY TEXT: presses KEY until Orca says TEXT, at most 20 times.
tab_to() {
    local tries mark deadline
    for tries in $(seq 20); do
        mark=$(spoken_count)
        press_keys "$window" "$1"
        deadline=$((SECONDS + 3))
        while ((SECONDS < deadline)); do
            spoken "$mark" | grep -- "$2" >/dev/null && return 0
            sleep 0.1
        done
    done
    fail "$1 never reached \"$2\"; Orca said: $(spoken "$mark" | tr '\n' '|')"
}

hear 0 'Screen reader on' 30

# The main view has the focus first; Tab passes it on to the back button,
# inside the toolbar's left panel, which is named as focus enters it.
mark=$(spoken_count)
press_keys "$window" Tab
hear "$mark" '后退 push button'
spoken "$mark" | grep -x '主页面与语言 panel.' >/dev/null ||
    fail "the back button's panel was not named: $(spoken "$mark" | tr '\n' '|')"

tab_to Tab '^English push button'
mark=$(spoken_count)
press_keys "$window" space
hear "$mark" 'The interface is now in English'

tab_to Tab '^Video push button'
mark=$(spoken_count)
press_keys "$window" space
hear "$mark" 'The page is shown in the main view' 30

# Tab on into the page: its first link is spoken, and Down moves to the
# line below it, as in a browser.
tab_to Tab '^New tab link'
mark=$(spoken_count)
press_keys "$window" Down
hear "$mark" '^window.open() push button'
[[ $(spoken 0 | grep -c 'The interface is now in English') == 1 ]] ||
    fail "the language switch was not spoken once: $(spoken 0 | tr '\n' '|')"

close_and_wait "$window" "$launcher"
[[ $STATUS == 0 ]] || fail "ended with status $STATUS"
echo "1 passed, 0 failed"
