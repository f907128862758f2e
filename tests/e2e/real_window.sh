#!/usr/bin/env bash
# Quillbook in a real X window (Xvfb, a 240x320 output): the window fills its output and has the
# keyboard; a click and typed text reach it as the pen and the keys do; the window shows exactly
# what a headless run of the same steps paints (compared pixel for pixel with an X screen dump);
# an sms: link opens the conversation with its body, with and without a running instance.
set -u

. "$(dirname "$0")/lib.sh"

LIVE="$WORK/live"
LINK='sms:+33612345678?body=Hi%20there'
phone seed-demo --contacts 30 >/dev/null
phone reg set HKCU 'Software\Quillbook\Contact' CurrentSIP sz nosip >/dev/null

# What the headless display paints for the same steps, made before a window runs (one instance
# per device profile).
run_script ref <<'SCRIPT'
wait 1000
shot start.png
tap 120 100
wait 1500
shot detail.png
quit
SCRIPT
printf 'wait 1500\nshot sms.png\nquit\n' | run_script link "$LINK"
REF="$WORK/shots-ref"

for n in $(seq 50 99); do [ -e "/tmp/.X$n-lock" ] || break; done
Xvfb ":$n" -screen 0 240x320x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
# The window goes to this X display, whatever driver the test environment names.
export DISPLAY=":$n" SDL_VIDEODRIVER=x11
check "the X display starts" until_true 10 xdotool getdisplaygeometry
# shows NAME REF.png: the screen now (kept as NAME.xwd) is the headless shot, pixel for pixel.
shows() {
  xwd -root -silent >"$WORK/$1.xwd" &&
    python3 "$(dirname "$0")/xwd_compare.py" "$WORK/$1.xwd" "$2" >"$WORK/$1.compare"
}
loaded() {
  kill -0 "$live" && dump_now "$live" "$LIVE" state.json && has "$LIVE/state.json" '"kind":"ContactListItem"'
}
start_window() {
  "$BIN" --home "$HOME_DIR" --device "$DEVICE" --shots "$LIVE" "$@" >"$WORK/window.log" 2>&1 &
  live=$!
  until_true 20 xdotool search --classname quillbook
}

check "Quillbook opens a window" start_window
WINDOW="$(xdotool search --classname quillbook | head -1)"
check "which fills its output" test "$(xdotool getwindowgeometry "$WINDOW" | grep -o '[0-9]*x[0-9]*')" = 240x320
check "and has the keyboard" test "$(xdotool getwindowfocus)" = "$WINDOW"
check "the contacts load" until_true 5 loaded
sleep 1
check "the list shows as the headless run paints it" shows start "$REF/start.png"
xdotool mousemove 120 100 click 1
sleep 2
check "a click opens the detail screen as a headless tap does" shows detail "$REF/detail.png"
check "a later start with a link ends at once" timeout 10 "$BIN" --home "$HOME_DIR" \
  --device "$DEVICE" "$LINK"
sleep 2
check "the running window shows the link's conversation with its body" shows linked "$WORK/shots-link/sms.png"
xdotool mousemove 20 300 click 1
sleep 0.5
xdotool key End type --delay 30 ' ok'
sleep 1
check "typed text reaches the focused text box" eval \
  "dump_now $live $LIVE typed.json && has $LIVE/typed.json '\"text\":\"Hi there ok\"'"
kill -TERM "$live"
wait "$live"
check "the window closes on SIGTERM with 0" test $? -eq 0

check "Quillbook started with a link" start_window "$LINK"
check "loads" until_true 5 loaded
sleep 1
check "opens the conversation with its body" shows started "$WORK/shots-link/sms.png"
kill -TERM "$live"
wait "$live"
for f in "$WORK"/*.compare; do grep -q same "$f" || echo "$(basename "$f"): $(cat "$f")"; done
finish
