#!/usr/bin/env bash
# Checks the ModemManager mock (tests/mock/modemmanager.py) against Debian's real mmcli on a
# private bus: a modem is listed and registered, an SMS is created, sent once (a second send
# is refused), listed and deleted, received SMS cannot be sent, and Create refuses keys that
# are not libmm-glib's lower-case names. Run from anywhere, no arguments.
set -u

if [ -z "${MODEM_MOCK_PRIVATE_BUS:-}" ]; then
  # dbus-daemon complains when it may not raise its fd limit (unprivileged containers).
  exec env MODEM_MOCK_PRIVATE_BUS=1 dbus-run-session -- bash "$0" \
    2> >(grep -v 'Failed to set fd limit' >&2)
fi

export DBUS_SYSTEM_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS"
TEMPLATE="$(cd "$(dirname "$0")/../mock" && pwd)/modemmanager.py"
MM=org.freedesktop.ModemManager1
ROOT=/org/freedesktop/ModemManager1
LOG="$(mktemp)"
MOCK_PID=

cleanup() {
  [ -n "$MOCK_PID" ] && kill "$MOCK_PID" 2>/dev/null && wait "$MOCK_PID" 2>/dev/null
  rm -f "$LOG"
}
trap cleanup EXIT

fail() {
  echo "modem_mock: FAIL: $1" >&2
  if [ -n "${2:-}" ]; then printf '%s\n' "--- output:" "$2" >&2; fi
  echo "--- mock log (last lines):" >&2
  tail -n 15 "$LOG" >&2
  exit 1
}
pass() { echo "modem_mock: ok: $1"; }
# expect DESCRIPTION EXTENDED_REGEX TEXT
expect() {
  if grep -Eq -- "$2" <<<"$3"; then pass "$1"; else fail "$1 (wanted /$2/)" "$3"; fi
}
mock() { gdbus call --system -d "$MM" -o "$ROOT" -m "org.freedesktop.DBus.Mock.$1" "${@:2}" 2>&1; }

/usr/bin/python3 -m dbusmock --system --template "$TEMPLATE" >"$LOG" 2>&1 &
MOCK_PID=$!
for _ in $(seq 100); do
  gdbus call --system -d "$MM" -o "$ROOT" -m org.freedesktop.DBus.Properties.Get "$MM" Version \
    >/dev/null 2>&1 && break
  kill -0 "$MOCK_PID" 2>/dev/null || fail "the mock exited at start-up"
  sleep 0.05
done
out=$(gdbus call --system -d "$MM" -o "$ROOT" -m org.freedesktop.DBus.Properties.Get "$MM" Version 2>&1)
expect "the mock answers on the system bus address" "1\.20" "$out"

out=$(mock AddModem)
expect "AddModem returns the first modem path" "'$ROOT/Modem/0'" "$out"
MODEM="$ROOT/Modem/0"

out=$(mmcli -L 2>&1)
expect "mmcli -L lists the modem" "$ROOT/Modem/0 \[Mock Devices\] Mock LTE Modem" "$out"

out=$(mmcli -m 0 2>&1) || fail "mmcli -m 0 failed" "$out"
expect "mmcli -m 0 shows the state" "[[:space:]]state: registered" "$out"
expect "mmcli -m 0 shows the signal quality" "signal quality: 75% \(recent\)" "$out"

out=$(mmcli -m 0 --messaging-status 2>&1)
expect "mmcli shows the messaging storages" "default storages: me" "$out"

out=$(mmcli -m 0 --messaging-create-sms="text='Hello',number='+15551234',delivery-report-request=yes" 2>&1) ||
  fail "mmcli could not create an SMS" "$out"
expect "mmcli creates an SMS" "Successfully created new SMS: $ROOT/SMS/[0-9]+" "$out"
SMS_PATH=$(grep -Eo "$ROOT/SMS/[0-9]+" <<<"$out")
N=${SMS_PATH##*/}

out=$(mmcli -s "$N" -K 2>&1)
expect "the new SMS is a submit PDU" "sms.properties.pdu-type +: submit" "$out"
expect "the new SMS asks for a delivery report" "sms.properties.delivery-report +: requested" "$out"

out=$(mock SetNextReference 42)
[ "$out" = "()" ] || fail "SetNextReference failed" "$out"
out=$(mmcli -s "$N" --send 2>&1) || fail "mmcli -s $N --send failed" "$out"
expect "mmcli sends the SMS" "successfully sent the SMS" "$out"

out=$(mmcli -s "$N" 2>&1)
expect "the sent SMS shows state sent" "[[:space:]]state: sent" "$out"
expect "the sent SMS shows its message reference" "message reference: 42" "$out"

if out=$(mmcli -s "$N" --send 2>&1); then fail "a second send succeeded" "$out"; fi
expect "a second send is refused with Core.Failed" "Error\.Core\.Failed" "$out"

out=$(mock ReceiveSms "$MODEM" "+15559876" "Hi there" "2011-01-01T12:34:56Z")
expect "ReceiveSms returns an SMS path" "'$ROOT/SMS/[0-9]+'" "$out"
RX_PATH=$(grep -Eo "$ROOT/SMS/[0-9]+" <<<"$out")

out=$(mmcli -m 0 --messaging-list-sms 2>&1)
expect "the list shows the sent SMS" "$SMS_PATH \(sent\)" "$out"
expect "the list shows the received SMS" "$RX_PATH \(received\)" "$out"

if out=$(mmcli -s "${RX_PATH##*/}" --send 2>&1); then fail "a received SMS was sent" "$out"; fi
expect "sending a received SMS is refused with Core.Failed" "Error\.Core\.Failed" "$out"

out=$(mmcli -m 0 --messaging-delete-sms="$N" 2>&1) || fail "mmcli could not delete the SMS" "$out"
expect "mmcli deletes the SMS" "successfully deleted SMS" "$out"
out=$(mmcli -m 0 --messaging-list-sms 2>&1)
grep -q "$SMS_PATH " <<<"$out" && fail "the deleted SMS is still listed" "$out"
expect "the list keeps the received SMS" "$RX_PATH \(received\)" "$out"

messaging() {
  gdbus call --system -d "$MM" -o "$MODEM" -m "org.freedesktop.ModemManager1.Modem.Messaging.$1" \
    "$2" 2>&1
}
out=$(messaging Delete "$SMS_PATH")
expect "deleting an unknown SMS fails with Core.NotFound" "Error\.Core\.NotFound" "$out"

out=$(messaging Create "{'Number': <'+15551234'>, 'text': <'Hello'>}")
expect "a capitalised Create key fails with InvalidArgs" \
  "Error\.Core\.InvalidArgs: Invalid properties dictionary, unexpected key 'Number'" "$out"
out=$(messaging Create "{'number': <'+15551234'>}")
expect "Create without text or data fails with InvalidArgs" "Error\.Core\.InvalidArgs" "$out"
out=$(messaging Create "{'number': <'+1'>, 'text': <'a'>, 'data': <[byte 1]>}")
expect "Create with text and data fails with InvalidArgs" "Error\.Core\.InvalidArgs" "$out"

kill -0 "$MOCK_PID" 2>/dev/null || fail "the mock died during the test"
echo "modem_mock: all checks passed"
