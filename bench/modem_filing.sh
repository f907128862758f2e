#!/usr/bin/env bash
# Time from the modem's announcement of a received SMS (the mock's ReceiveSms returns once
# Added is emitted) to its row in the SMS store's Inbox, through qbphoned, over N SMS
# (default 20); prints the median and the spread in ms. Usage: bench/modem_filing.sh BUILD [N]
set -u
if [ -z "${QB_PRIVATE_BUS:-}" ]; then
  exec env QB_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi
export DBUS_SYSTEM_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS"
BUILD="${1:?usage: bench/modem_filing.sh BUILD [N]}"
N="${2:-20}"
WORK="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$WORK"' EXIT
MM=org.freedesktop.ModemManager1
ROOT=/org/freedesktop/ModemManager1
mock() { gdbus call --system -d "$MM" -o "$ROOT" -m "org.freedesktop.DBus.Mock.$1" "${@:2}"; }
/usr/bin/python3 -m dbusmock --system --template "$(dirname "$0")/../tests/mock/modemmanager.py" >/dev/null 2>&1 &
for _ in $(seq 100); do mock Reset >/dev/null 2>&1 && break; sleep 0.05; done
"$BUILD/qbphone" --device "$WORK/device" seed-demo --contacts 0 >/dev/null
"$BUILD/qbphone" --device "$WORK/device" reg set HKLM 'Software\Quillbook\Platform' Sms sz modem >/dev/null
MODEM="$(mock AddModem | grep -o "$ROOT/Modem/[0-9]*")"
"$BUILD/qbphoned" --device "$WORK/device" 2>"$WORK/daemon.log" &
sleep 1
# The Inbox version moves with every filed SMS; poll it directly in the registry file.
version() { "$BUILD/qbphone" --device "$WORK/device" reg get HKCU 'System\State\Messages\SMS\Inbox' Version 2>/dev/null | awk '{print $NF}'; }
times=()
for i in $(seq "$N"); do
  before="$(version)"
  start=$(date +%s%N)
  mock ReceiveSms "$MODEM" "+15551234" "bench $i" "" >/dev/null
  while [ "$(version)" = "$before" ]; do :; done
  times+=($(( ($(date +%s%N) - start) / 1000000 )))
done
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "Added to filed: median %d ms, min %d, max %d over %d SMS\n", a[int((NR+1)/2)], a[1], a[NR], NR}'
