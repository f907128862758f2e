#!/usr/bin/env bash
# Time from the modem's announcement of a received SMS (the mock's ReceiveSms returns once
# Added is emitted) to its row in the SMS store's Inbox, through qbphoned; then, with Quillbook
# running in a window (SDL's offscreen driver, real clock), to the first frame presented after
# Quillbook took the arrival in (its "sms" and "frames" debug channels), which shows the
# sender's row under the SMS filter. N SMS each (default 20); prints medians and spreads in ms.
# Usage: bench/modem_filing.sh BUILD [N]
set -u
USAGE="usage: bench/modem_filing.sh BUILD [N]"
. "$(dirname "$0")/modem_lib.sh"
N="${2:-20}"
phone seed-demo --contacts 500 --sms 5000 >/dev/null
phone reg set HKLM 'Software\Quillbook\Platform' Sms sz modem >/dev/null
MODEM="$(mock AddModem | grep -o "$ROOT/Modem/[0-9]*")"
"$BUILD/qbphoned" --device "$WORK/device" 2>"$WORK/daemon.log" &
sleep 1
now_ms() { echo $(($(date +%s%N) / 1000000)); }
summary() {  # summary LABEL: the medians of the numbers on stdin
  sort -n | awk -v label="$1" '{a[NR]=$1} END {printf "%s: median %d ms, min %d, max %d over %d SMS\n", label, a[int((NR+1)/2)], a[1], a[NR], NR}'
}
# The Inbox version moves with every filed SMS; poll it directly in the registry file.
version() { phone reg get HKCU 'System\State\Messages\SMS\Inbox' Version 2>/dev/null | awk '{print $NF}'; }
for i in $(seq "$N"); do
  before="$(version)"
  start=$(now_ms)
  mock ReceiveSms "$MODEM" "+15551234" "bench $i" "" >/dev/null
  while [ "$(version)" = "$before" ]; do :; done
  echo $(($(now_ms) - start))
done | summary "Added to filed"

# Quillbook in a window; the transport it would start runs already.
QUILLBOOK_DEBUG=frames,sms SDL_VIDEODRIVER=offscreen \
  "$BUILD/quillbook" --home "$WORK/home" --device "$WORK/device" 2>"$WORK/trace.log" >/dev/null &
APP=$!
sleep 5  # the start, the contact load and the SMS recounts
arrivals() { grep -c "sms arrival" "$WORK/trace.log"; }
for i in $(seq "$N"); do
  before="$(arrivals)"
  start=$(now_ms)
  mock ReceiveSms "$MODEM" "+15551234" "shown $i" "" >/dev/null
  for _ in $(seq 1000); do [ "$(arrivals)" != "$before" ] && break; sleep 0.01; done
  sleep 0.5
  python3 -c "
import sys
lines = open(sys.argv[1]).read().split('\n')
arrival = [i for i, l in enumerate(lines) if 'sms arrival' in l][-1]
frame = next(l for l in lines[arrival:] if l.startswith('quillbook: frame'))
print(int(float(frame.split()[2]) - int(sys.argv[2])))" "$WORK/trace.log" "$start"
done | summary "Added to the row on screen"
kill "$APP"
