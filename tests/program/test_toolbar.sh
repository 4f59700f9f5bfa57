# The four link buttons hand their addresses to the browser; "<" with no
# earlier page shows one error box captioned with the program's title, and
# after OK the launcher goes on.
source "$(dirname "$0")/lib.sh"
start_xserver

start_launcher launcher "$SCRATCH" LC_ALL=en_US.UTF-8
window=$(wait_window "$launcher")
sleep 1
# Centres of Button4, Button5, Button6 and Button7 in design pixels.
for x in 314 459 587 877; do click_design "$window" "$x" 26; done
wait_opened 4
expected="http://www.korinware.com
http://www.korinplot.com
http://pan.korinware.com/share/home?uk=2718281828
http://qun.korinware.com/wpa/qunwpa?idkey=5f1c0d9e3a7b2c4d6e8f0a1b3c5d7e9f1a2b4c6d8e0f1a3b5c7d9e1f2a4b6c8d"
[[ "$(cat "$SCRATCH/opened" 2>/dev/null)" == "$expected" ]] || fail "opened: $(cat "$SCRATCH/opened" 2>/dev/null)"

click_design "$window" 93 26
box=""
for _ in $(seq 100); do
    box=$(error_boxes "$launcher" | head -n 1)
    [[ -n $box ]] && break
    sleep 0.1
done
[[ -n $box ]] || fail "no error box after \"<\""
press_keys "$box" Return
for _ in $(seq 50); do [[ -z $(error_boxes "$launcher") ]] && break; sleep 0.1; done
[[ -z $(error_boxes "$launcher") ]] || fail "the error box stayed after OK"
kill -0 "$launcher" || fail "the launcher ended after the error"

close_and_wait "$window" "$launcher"
[[ $STATUS == 0 ]] || fail "ended with status $STATUS"
echo "1 passed, 0 failed"
