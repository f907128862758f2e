# Shared by the end-to-end scripts (sourced, never run on its own): a temporary work folder
# removed at exit (kept when KEEP is set), a private runtime folder for the instance sockets,
# and the check counters.
WORK="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null; [ -n "${KEEP:-}" ] || rm -rf "$WORK"' EXIT
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$XDG_RUNTIME_DIR"

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

# Ends the script with the tally; non-zero when a check failed.
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
