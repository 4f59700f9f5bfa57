# Under a window manager, each start makes one native main window for its
# whole life, also when an error box comes up before the window does (a FIFO
# named readme.txt); the web views come up in that same window, and a polite
# close ends each start with status 0.
source "$(dirname "$0")/lib.sh"
start_xserver
start_window_manager
start_loopback_server

"$BUILD/tests/windowwatch" Korinview >"$SCRATCH/windows" &
PIDS+=($!)
until grep -q ready "$SCRATCH/windows"; do sleep 0.05; done

# main_windows RUN: fails unless the launcher made exactly one main window.
main_windows() {
    local windows
    windows=$(awk -v pid="$launcher" '$1 == "window" && $3 == pid' "$SCRATCH/windows" | wc -l)
    [[ $windows == 1 ]] || fail "run $1 made $windows main windows: $(cat "$SCRATCH/windows")"
}

mkdir "$SCRATCH/boxed"
mkfifo "$SCRATCH/boxed/readme.txt"
video=/search_video/q_Korinplot
for run in $(seq 12); do
    dir=$SCRATCH
    ((run % 2)) && dir=$SCRATCH/boxed
    start_launcher launcher "$dir" LC_ALL=zh_CN.UTF-8
    if [[ $dir == */boxed ]]; then
        box=""
        for _ in $(seq 100); do
            box=$(error_boxes "$launcher" | head -n 1)
            [[ -n $box ]] && break
            sleep 0.1
        done
        [[ -n $box ]] || fail "run $run: no error box for the unreadable readme"
        press_keys "$box" Return
    fi
    window=$(wait_window "$launcher")
    # The video button's page is asked for once the main web view is up.
    click_design "$window" 690 26
    wait_requested "$video" "$run"
    main_windows "$run"
    close_and_wait "$window" "$launcher"
    [[ $STATUS == 0 ]] || fail "run $run ended with status $STATUS"
    main_windows "$run"
done
echo "1 passed, 0 failed"
