# Clicking an install button hands its download address to the desktop's
# browser, once per click, with no dialog.
source "$(dirname "$0")/lib.sh"
start_xserver

cat >"$SCRATCH/browser" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$1" >>"$SCRATCH/opened"
SCRIPT
chmod +x "$SCRATCH/browser"
export BROWSER=$SCRATCH/browser DEFAULT_BROWSER=$SCRATCH/browser LC_ALL=zh_CN.UTF-8

start_launcher launcher
window=$(wait_window "$launcher")
sleep 1
# Centres of Button8 and Button22 in window coordinates, design pixels.
click_design "$window" 278 81
click_design "$window" 278 431
click_design "$window" 278 81
for _ in $(seq 100); do [[ $(wc -l <"$SCRATCH/opened" 2>/dev/null || echo 0) -ge 3 ]] && break; sleep 0.1; done
expected="http://www.korinware.com/soft/Korinplot/Korinplot.exe
http://www.korinware.com/soft/Korinplot5.20/Korinplot_right.exe
http://www.korinware.com/soft/Korinplot/Korinplot.exe"
[[ "$(cat "$SCRATCH/opened" 2>/dev/null)" == "$expected" ]] || fail "opened: $(cat "$SCRATCH/opened" 2>/dev/null)"
[[ $(xdotool search --onlyvisible --pid "$launcher" 2>/dev/null | wc -l) -le 1 ]] || fail "a dialog appeared"
close_and_wait "$window" "$launcher"
[[ $STATUS == 0 ]] || fail "ended with status $STATUS"
echo "1 passed, 0 failed"
