# Shared by the end-to-end scripts (sourced, never run on its own): a temporary work folder
# removed at exit (kept when KEEP is set), a private runtime folder for the instance sockets,
# and the check counters.
WORK="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null; [ -n "${KEEP:-}" ] || rm -rf "$WORK"' EXIT
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$XDG_RUNTIME_DIR"

# The programs, a device profile and a program folder in the work folder (a script may name
# others), and the device tool on that profile.
BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
PHONE="$QB_BIN/qbphone"
DEVICE="$WORK/device"
HOME_DIR="$WORK/home"
phone() { "$PHONE" --device "$DEVICE" "$@"; }

passed=0
failed=0
check() {  # check NAME COMMAND...
  local name="$1"
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $name"
  fi
}
has() { grep -q -- "$2" "$1"; }
wait_for_file() {  # wait_for_file PATH: up to 20 s
  for _ in $(seq 200); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
# dump_now PID SHOTS NAME: asks the running program PID (whose --shots folder is SHOTS) for a
# dump through SIGUSR2 and keeps it as SHOTS/NAME.
dump_now() {
  rm -f "$2/signal-dump.json"
  kill -USR2 "$1"
  wait_for_file "$2/signal-dump.json" && mv "$2/signal-dump.json" "$2/$3"
}
lacks() { ! grep -q -- "$2" "$1"; }
# until_true SECONDS COMMAND...: retries the command (its output dropped) every 0.2 s until it
# succeeds.
until_true() {
  local tries=$(($1 * 5))
  shift
  for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.2; done
  return 1
}

# run_script NAME [OPTION...] (script on stdin): runs the headless program ($BIN) on $DEVICE
# with the home $HOME_DIR, shots in $WORK/shots-NAME, output in $WORK/NAME.out; sets rc.
# The program's PATH is $RUN_PATH when set.
run_script() {
  local name="$1"
  shift
  cat >"$WORK/$name.qbs"
  env PATH="${RUN_PATH:-$PATH}" "$BIN" --headless --home "$HOME_DIR" --device "$DEVICE" \
    --script "$WORK/$name.qbs" --shots "$WORK/shots-$name" "$@" >"$WORK/$name.out" 2>&1
  rc=$?
}
# json FILE EXPRESSION [ARG...]: a value of the dump (d) computed by a Python expression; the
# extra arguments are sys.argv[2:].
json() { python3 -c "import json,sys; d=json.load(open(sys.argv[1])); print($2)" "$1" "${@:3}"; }
same_image() { cmp -s "$1" "$2"; }
# row_y LIST_DUMP NAME: the y of the middle of NAME's row in a dump of the list screen.
row_y() {
  json "$1" "(lambda l: l['list_rect'][1] - l['scroll_offset'] + l['rows'][0]['height'] // 2 + sum(r['height'] for r in l['rows'][:[r['name'] for r in l['rows']].index(sys.argv[2])]))(d['list_screen'])" "$2"
}
# sms_button DETAIL_DUMP: "x y" of the SMS button in the detail screen's bottom-aligned list.
sms_button() {
  json "$1" "(lambda s: (lambda r, b, h: '120 %d' % (max(r[1], r[3] - len(b) * h) + h * [x['action'] for x in b].index('SMSAction') + h // 2))(s['button_list_rect'], s['buttons'], s['buttons'][0]['height']))(d['detail_screen'])"
}
# golden SHOT NAME: the shot equals tests/e2e/golden/NAME.png (QB_UPDATE_GOLDEN=1 rewrites it);
# a differing shot is kept as $TMPDIR/NAME_err.png.
golden() {
  local expected
  expected="$(dirname "${BASH_SOURCE[0]}")/golden/$2.png"
  if [ -n "${QB_UPDATE_GOLDEN:-}" ]; then cp "$1" "$expected"; fi
  cmp -s "$1" "$expected" || { cp "$1" "${TMPDIR:-/tmp}/$2_err.png"; return 1; }
}

# Ends the script with the tally; non-zero when a check failed.
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
