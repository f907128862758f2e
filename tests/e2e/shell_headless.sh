#!/usr/bin/env bash
# Scripted headless runs of quillbook: taps, rotation, activation, screenshots, script errors,
# and the single-instance rule between real processes.
set -u

BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
. "$(dirname "$0")/lib.sh"


run_script() {  # run_script NAME (script on stdin); sets rc
  local name="$1"
  cat >"$WORK/$name.qbs"
  "$BIN" --headless --home "$WORK/home" --device "$WORK/device-$name" \
    --script "$WORK/$name.qbs" --shots "$WORK/shots-$name" >"$WORK/$name.out" 2>&1
  rc=$?
}

# --- A tour: taps, rotation, activation, a screenshot -----------------------------------
run_script tour <<'SCRIPT'
tap 120 160
drag 120 300 120 40 200
key VK_DOWN
char abc
dump start.json
rotate
dump rotated.json
deactivate
dump inactive.json
activate
dump active.json
rotate
wait 1000
shot screen.png
dump end.json
quit
SCRIPT
S="$WORK/shots-tour"
check "tour exits 0" test "$rc" -eq 0
check "start is portrait" has "$S/start.json" '"orientation_prefix":"portrait_"'
check "start is full screen" has "$S/start.json" '"full_screen":true'
check "start layout rect" has "$S/start.json" '"last_layout_rect":\[0,0,240,320\]'
check "panels in order" has "$S/start.json" \
  '"panels":\[{"name":"GestureControl".*"ContactDetailPanel".*"ContactContainerPanel".*"SMSPanel"'
check "rotation gives landscape" has "$S/rotated.json" '"orientation_prefix":"landscape_"'
check "rotation resizes the window" has "$S/rotated.json" '"window_rect":\[0,0,320,240\]'
check "rotation resizes the panels" has "$S/rotated.json" \
  '"name":"ContactContainerPanel","visible":true,"rect":\[0,0,320,200\]'
check "rotation reloads the theme" has "$S/rotated.json" '"theme_loads":2'
check "deactivation shows the task bar" has "$S/inactive.json" '"task_bar_visible":true'
check "deactivation leaves full screen" has "$S/inactive.json" '"full_screen":false'
check "activation hides the task bar" has "$S/active.json" '"task_bar_visible":false'
check "rotating back is portrait" has "$S/end.json" '"orientation_prefix":"portrait_"'
check "theme name as read" has "$S/end.json" '"theme_name":"Touch.qbt"'
check "shot is a PNG" test "$(head -c 8 "$S/screen.png" | od -An -tx1 | tr -d ' \n')" = \
  "89504e470d0a1a0a"

# --- Script errors ---------------------------------------------------------------------
run_script bad <<'SCRIPT'
tap 1 1
# comment
jump 3 4
SCRIPT
check "unknown command exits 2" test "$rc" -eq 2
check "error names the line" has "$WORK/bad.out" 'line 3'

run_script badnum <<'SCRIPT'
tap 1 99999999
SCRIPT
check "bad number exits 2" test "$rc" -eq 2

run_script badpost <<'SCRIPT'
post NoSuchMessage
SCRIPT
check "unknown message name exits 2" test "$rc" -eq 2

# --- Single instance --------------------------------------------------------------------
sockets() { ls "$XDG_RUNTIME_DIR"/*.sock 2>/dev/null | wc -l; }
wait_for_sockets() {  # wait_for_sockets N
  for _ in $(seq 100); do
    [ "$(sockets)" -ge "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

"$BIN" --headless --home "$WORK/home" --device "$WORK/dev1" &
first=$!
check "first instance listens" wait_for_sockets 1
start=$(date +%s%N)
"$BIN" --headless --home "$WORK/home" --device "$WORK/dev1"
rc=$?
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
check "second start exits 0" test "$rc" -eq 0
check "second start ends within a second ($elapsed_ms ms)" test "$elapsed_ms" -lt 1000
check "first instance still runs" kill -0 "$first"

"$BIN" --headless --home "$WORK/home" --device "$WORK/dev2" &
other=$!
check "other device profile runs beside it" wait_for_sockets 2
check "other instance still runs" kill -0 "$other"
kill -TERM "$other"
wait "$other"
check "SIGTERM closes normally" test $? -eq 0

kill -KILL "$first"
wait "$first" 2>/dev/null
"$BIN" --headless --home "$WORK/home" --device "$WORK/dev1" &
third=$!
sleep 1
check "stale socket is taken over" kill -0 "$third"
"$BIN" --headless --home "$WORK/home" --device "$WORK/dev1"
check "the new instance answers second starts" test $? -eq 0
kill -TERM "$third"
wait "$third"

# Simultaneous starts: exactly one stays.
pids=()
for _ in 1 2 3 4; do
  "$BIN" --headless --home "$WORK/home" --device "$WORK/dev3" &
  pids+=($!)
done
sleep 2
alive=0
for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null && alive=$((alive + 1)); done
check "simultaneous starts leave one ($alive)" test "$alive" -eq 1
for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null; done
wait 2>/dev/null

finish
