# Clicking an install button hands its download address to the desktop's
# browser, once per click, with no dialog.
source "$(dirname "$0")/lib.sh"
start_xserver

start_launcher launcher "$SCRATCH" LC_ALL=zh_CN.UTF-8
window=$(wait_window "$launcher")
sleep 1
# Centres of Button8 and Button22 in window coordinates, design pixels.
click_design "$window" 278 81
click_design "$window" 278 431
click_design "$window" 278 81
wait_opened 3
expected="http://www.korinware.com/soft/Korinplot/Korinplot.exe
http://www.korinware.com/soft/Korinplot5.20/Korinplot_right.exe
http://www.korinware.com/soft/Korinplot/Korinplot.exe"
[[ "$(cat "$SCRATCH/opened" 2>/dev/null)" == "$expected" ]] || fail "opened: $(cat "$SCRATCH/opened" 2>/dev/null)"
[[ $(xdotool search --onlyvisible --pid "$launcher" 2>/dev/null | wc -l) -le 1 ]] || fail "a dialog appeared"
close_and_wait "$window" "$launcher"
[[ $STATUS == 0 ]] || fail "ended with status $STATUS"
echo "1 passed, 0 failed"
