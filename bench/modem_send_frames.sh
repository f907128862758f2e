#!/usr/bin/env bash
# Frame times of the conversation screen while a slow modem sends: the ModemManager mock takes
# 3 s (QB_SEND_DELAY) to send, and the headless program keeps flinging the conversation
# during the send (its script no longer waits for the pending send: "test sms hold off").
# The program's "frames" and "sms" debug channels give each presented frame's real time and
# the send's start and end; prints the frames presented during the send, their median, 95th
# percentile and longest time, and the longest gap between two frames.
# Usage: bench/modem_send_frames.sh BUILD [DRAGS]
set -u
USAGE="usage: bench/modem_send_frames.sh BUILD [DRAGS]"
. "$(dirname "$0")/modem_lib.sh"
DRAGS="${2:-2000}"
phone seed-demo --contacts 50 --sms 2000 >/dev/null
phone reg set HKLM 'Software\Quillbook\Platform' Sms sz modem >/dev/null
phone reg set HKCU 'Software\Quillbook\Contact' CurrentSIP sz nosip >/dev/null
mock AddModem >/dev/null
mock SetSendDelay "${QB_SEND_DELAY:-3.0}" >/dev/null
{
  echo "test sms open 0"
  echo "wait 1500"
  echo "test sms hold off"
  echo "char Frames during a slow send"
  echo "test sms send"
  for _ in $(seq "$DRAGS"); do
    echo "drag 120 260 120 120 160"
    echo "drag 120 120 120 260 160"
  done
  echo "test sms hold on"
  echo "wait 100"
  echo "dump after.json"
  echo "quit"
} >"$WORK/frames.qbs"
QUILLBOOK_DEBUG=frames,sms "$BUILD/quillbook" --headless --home "$WORK/home" --device "$WORK/device" \
  --script "$WORK/frames.qbs" --shots "$WORK/shots" 2>"$WORK/trace.log" >/dev/null
rc=$?
[ "$rc" = 0 ] || { echo "quillbook ended with $rc"; tail "$WORK/trace.log"; exit 1; }
python3 - "$WORK/trace.log" "$WORK/shots/after.json" <<'PY'
import json, statistics, sys
frames, start, end = [], None, None
for line in open(sys.argv[1]):
    part = line.split()
    if part[:2] == ["quillbook:", "frame"]:
        frames.append((float(part[2]), float(part[3])))
    elif part[:3] == ["quillbook:", "sms", "send"]:
        if part[3] == "started": start = float(part[4])
        else: end = float(part[4])
if start is None or end is None:
    sys.exit("no send was traced")
during = [f for f in frames if start < f[0] <= end]
spent = sorted(s for _, s in during)
# The gaps between frames from the send's start to the last frame during it; when the script
# ran out before the send ended, the rest of the send is left out (and said).
times = [start] + [t for t, _ in during]
gap = max(b - a for a, b in zip(times, times[1:]))
covered = times[-1] - start
bubbles = json.load(open(sys.argv[2]))["sms_screen"]["bubbles"]
last = bubbles[-1]
print("send took %.0f ms; %d frames during it: median %.2f ms, p95 %.2f, max %.2f; longest gap %.2f ms"
      % (end - start, len(spent), statistics.median(spent), spent[int(0.95 * (len(spent) - 1))],
         spent[-1], gap))
if covered < end - start - 50:
    print("the script's frames covered only %.0f ms of the send: give more drags" % covered)
print("the send ended as %s; the conversation has %d bubbles, %d on screen"
      % ("sent" if not last["failed"] and not last["sending"] else "failed", len(bubbles),
         sum(b["on_screen"] for b in bubbles)))
PY
