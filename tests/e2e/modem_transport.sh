#!/usr/bin/env bash
# SMS through a modem, against the ModemManager mock on a private bus standing in for the
# system bus: the phone's SMS transport (qbphoned) files an SMS that was on the modem before
# it started once, even when the modem announces it again; files SMS with every timestamp form
# modems write; files a multipart SMS once, complete, and removes one whose parts stopped
# coming; keeps the signal value with the modem's; sends through the modem backend (a second
# transport ends at once); matches status reports (reference 0, a wrap from 255, an unknown
# one) to the Sent copies; follows the modem removed and added again; does not file twice an SMS
# the modem would not delete; an SMS filed while Quillbook was closed is in its list on the next
# start. With no modem, a send fails and nothing is filed. Quillbook in a window starts the
# transport for a modem profile.
set -u

if [ -z "${QB_PRIVATE_BUS:-}" ]; then
  exec env QB_PRIVATE_BUS=1 dbus-run-session -- bash "$0" 2> >(grep -v 'Failed to set fd limit' >&2)
fi
export DBUS_SYSTEM_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS"

BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
PHONE="$QB_BIN/qbphone"
. "$(dirname "$0")/lib.sh"

DEVICE="$WORK/device"
HOME_DIR="$WORK/home"
MM=org.freedesktop.ModemManager1
ROOT=/org/freedesktop/ModemManager1
phone() { "$PHONE" --device "$DEVICE" "$@"; }
mock() { gdbus call --system -d "$MM" -o "$ROOT" -m "org.freedesktop.DBus.Mock.$1" "${@:2}"; }
# The SMS paths the modem still holds.
on_modem() {
  gdbus call --system -d "$MM" -o "$1" -m org.freedesktop.DBus.Properties.Get \
    "$MM.Modem.Messaging" Messages | grep -o "SMS/[0-9]*" | tr '\n' ' '
}
inbox() { phone sms list inbox --json; }
# Alice's SMS in the Inbox (the seeded profile has SMS of its own).
inbox_count() {
  inbox | python3 -c "import json,sys; print(sum(m['address'] == '+33611111111' for m in json.load(sys.stdin)))"
}
count_is() { [ "$(inbox_count)" = "$1" ]; }
# reg get prints "NAME TYPE DATA".
reg_data() { phone reg get "$@" 2>/dev/null | awk '{print $NF}'; }
signal_is() { [ "$(reg_data HKLM 'System\State\Phone' 'Signal Strength Raw')" = "$1" ]; }
modem_empty() { [ -z "$(on_modem "$1")" ]; }

/usr/bin/python3 -m dbusmock --system --template "$(dirname "$0")/../mock/modemmanager.py" \
  >"$WORK/mock.log" 2>&1 &
until_true 20 gdbus call --system -d "$MM" -o "$ROOT" -m org.freedesktop.DBus.Properties.Get \
  "$MM" Version >/dev/null 2>&1 || { echo "the mock did not start"; cat "$WORK/mock.log"; exit 1; }

phone seed-demo --contacts 0 >/dev/null
phone reg set HKLM 'Software\Quillbook\Platform' Sms sz modem >/dev/null
phone contacts add firstname=Alice lastname=Alpha mobilephone="+33 6 11 11 11 11" >/dev/null
mkdir -p "$HOME_DIR"

UNREAD_BEFORE="$(reg_data HKCU 'System\State\Messages\SMS\Unread' Count)"
MODEM="$(mock AddModem | grep -o "$ROOT/Modem/[0-9]*")"
mock PreloadSms "$MODEM" "+33611111111" "Before the transport" "2025-12-31T18:00:00Z" >/dev/null

"$QB_BIN/qbphoned" --device "$DEVICE" --stale-parts 8 >"$WORK/qbphoned.log" 2>&1 &
DAEMON=$!
check "an SMS on the modem at start is filed and deleted from the modem" \
  until_true 20 eval 'count_is 1 && modem_empty "$MODEM"'
check "a second transport for the profile ends at once" \
  timeout 5 "$QB_BIN/qbphoned" --device "$DEVICE"
check "the modem's signal is the signal value" until_true 15 signal_is 75
mock SetSignalQuality "$MODEM" 42 >/dev/null
check "a change of signal follows" until_true 15 signal_is 42

# --- Timestamps of every form -----------------------------------------------------------------
for stamp in 2026-01-01T12:00:00Z 2026-01-01T16:00:01+04 2026-01-01T17:30:02+05:30 \
  2026-01-01T04:00:03-08 ""; do
  mock ReceiveSms "$MODEM" "+33611111111" "at [$stamp]" "$stamp" >/dev/null
done
check "five more SMS are filed" until_true 20 count_is 6
check "each service-centre time is read in its zone" test "$(inbox | python3 -c "
import json, sys
print(sorted((m['text'], m['time']) for m in json.load(sys.stdin) if m['text'].startswith('at [2')))")" = \
  "[('at [2026-01-01T04:00:03-08]', '2026-01-01T12:00:03Z'), ('at [2026-01-01T12:00:00Z]', '2026-01-01T12:00:00Z'), ('at [2026-01-01T16:00:01+04]', '2026-01-01T12:00:01Z'), ('at [2026-01-01T17:30:02+05:30]', '2026-01-01T12:00:02Z')]"
check "an SMS without a time gets its arrival time" \
  test "$(inbox | python3 -c "
import json, sys, datetime
m = [m for m in json.load(sys.stdin) if m['text'] == 'at []'][0]
t = datetime.datetime.fromisoformat(m['time'].replace('Z', '+00:00'))
print(abs((datetime.datetime.now(datetime.timezone.utc) - t).total_seconds()) < 60, m['read'])")" = "True False"

# --- Multipart: filed once, complete; stale parts removed ----------------------------------------
PART="$(mock ReceiveMultipart "$MODEM" "+33611111111" "One long SMS in two parts" "" |
  grep -o "$ROOT/SMS/[0-9]*")"
sleep 1
check "a multipart SMS still receiving is not filed" count_is 6
mock CompleteMultipart "$PART" >/dev/null
check "the complete multipart SMS is filed once" until_true 20 count_is 7
check "with its whole text" test "$(inbox | grep -c 'One long SMS in two parts')" = 1
mock ReceiveMultipart "$MODEM" "+33611111111" "A part never comes" "" >/dev/null
check "an SMS whose parts stopped coming is deleted unfiled" until_true 20 modem_empty "$MODEM"
check "and never filed" count_is 7
check "the unread count counts each filed SMS" \
  test "$(reg_data HKCU 'System\State\Messages\SMS\Unread' Count)" = $((UNREAD_BEFORE + 7))

# --- Sending, delivery reports ----------------------------------------------------------------
phone reg set HKCU 'Software\Microsoft\Inbox\Settings' SMSDeliveryNotify dword 1 >/dev/null
mock SetNextReference 255 >/dev/null
check "a send through the modem files its Sent copy" phone sms send "+33611111111" "first"
check "a second send through the modem" phone sms send "+33611111111" "second"
sent() { phone sms list sent --json | python3 -c "import json,sys; print(sorted((m['text'], m['delivery']) for m in json.load(sys.stdin)))"; }
check "both copies await their reports" test "$(sent)" = "[('first', 'awaiting'), ('second', 'awaiting')]"
check "the modem keeps none of our SMS" until_true 15 modem_empty "$MODEM"
mock AddStatusReport "$MODEM" "+33611111111" 17 0 >/dev/null
mock AddStatusReport "$MODEM" "+33611111111" 0 0 >/dev/null
mock AddStatusReport "$MODEM" "+33611111111" 255 0x41 >/dev/null
delivered() { [ "$(sent)" = "[('first', 'failed'), ('second', 'delivered')]" ]; }
check "reports after a wrap from 255 mark each copy; an unknown one marks nothing" \
  until_true 20 delivered
check "reports are deleted and never filed" until_true 15 eval 'modem_empty "$MODEM" && count_is 7'

# --- The modem goes and comes back ------------------------------------------------------------
mock RemoveModem "$MODEM" >/dev/null
check "without a modem the signal is 0" until_true 15 signal_is 0
check "without a modem a send fails" \
  eval '! phone sms send "+33611111111" "nowhere" 2>"$WORK/nowhere.err"'
check "and files nothing" test "$(phone sms list sent --json | grep -c nowhere)" = 0
MODEM="$(mock AddModem | grep -o "$ROOT/Modem/[0-9]*")"
mock ReceiveSms "$MODEM" "+33611111111" "After the modem came back" "" >/dev/null
check "an SMS on the new modem is filed" until_true 20 count_is 8
check "sending works again" phone sms send "+33611111111" "again"

# --- A filed SMS the modem would not delete is not filed again by the next transport ----------
mock SetDeleteError org.freedesktop.ModemManager1.Error.Core.Failed "storage busy" >/dev/null
mock ReceiveSms "$MODEM" "+33611111111" "Filed, not deleted" "2026-02-02T10:00:00Z" >/dev/null
check "an SMS whose delete fails is filed" until_true 20 count_is 9
check "and stays on the modem" test -n "$(on_modem "$MODEM")"
kill "$DAEMON"
wait "$DAEMON"
check "the transport ends on SIGTERM with 0" test $? -eq 0
mock SetDeleteError "" "" >/dev/null
"$QB_BIN/qbphoned" --device "$DEVICE" >>"$WORK/qbphoned.log" 2>&1 &
DAEMON=$!
check "the next transport deletes it without filing it twice" \
  until_true 20 eval 'modem_empty "$MODEM" && count_is 9'
kill "$DAEMON"
wait "$DAEMON"

# --- Quillbook closed: the SMS is in the list on the next start; the screen sends through the
# modem from a worker, with the modem slow, then with no modem ---------------------------------
phone reg set HKCU 'Software\Quillbook\Contact' CurrentSIP sz nosip >/dev/null
run_script start <<'SCRIPT'
dump list.json
quit
SCRIPT
L="$WORK/shots-start/list.json"
check "the start shows Alice with the SMS filed while it was closed" test "$(json "$L" \
  "[(r['name'], r.get('unread_sms')) for r in d['list_screen']['rows'] if r['name'] == 'Alpha, Alice']")" = "[('Alpha, Alice', 9)]"
ROW_Y="$(row_y "$L" 'Alpha, Alice')"
run_script probe <<SCRIPT
tap 120 $ROW_Y
wait 500
dump detail.json
quit
SCRIPT
SMS_BUTTON="$(sms_button "$WORK/shots-probe/detail.json")"
OPEN="tap 120 $ROW_Y
wait 500
tap $SMS_BUTTON
wait 1500"
run_script probe2 <<SCRIPT
$OPEN
dump screen.json
quit
SCRIPT
SEND="$(json "$WORK/shots-probe2/screen.json" "(lambda r: '%d %d' % ((r[0]+r[2])//2, (r[1]+r[3])//2))(d['sms_screen']['send_button_rect'])")"
BOX="20 ${SEND#* }"
mock SetSendDelay 1.0 >/dev/null
SENDING="tap $BOX
wait 100
char Slow modem
down $SEND
wait 400
up $SEND
wait 600
dump after.json
shot after.png
post 2024
shot after-full.png"
run_script slow <<SCRIPT
$OPEN
$SENDING
quit
SCRIPT
bubbles() { json "$1" "([(b['text'], b['outgoing'], b['failed'], b['sending']) for b in d['sms_screen']['bubbles']][-1], d['sms_screen']['text'])"; }
check "a slow modem's send ends as the sent bubble with the box empty" \
  test "$(bubbles "$WORK/shots-slow/after.json")" = "(('Slow modem', True, False, False), '')"
check "the bubble the worker's answer made is painted as a full repaint paints it" \
  same_image "$WORK/shots-slow/after.png" "$WORK/shots-slow/after-full.png"
check "and its Sent copy is filed" test "$(phone sms list sent --json | grep -c 'Slow modem')" = 1
mock RemoveModem "$MODEM" >/dev/null
run_script nomodem <<SCRIPT
$OPEN
$SENDING
quit
SCRIPT
check "with no modem the send fails visibly and the text comes back into the box" test \
  "$(json "$WORK/shots-nomodem/after.json" "(d['sms_screen']['bubbles'][-1]['failed'], d['sms_screen']['text'])")" = "(True, 'Slow modem')"
check "the failure bubble is painted as a full repaint paints it" \
  same_image "$WORK/shots-nomodem/after.png" "$WORK/shots-nomodem/after-full.png"
check "and nothing more is filed" test "$(phone sms list sent --json | grep -c 'Slow modem')" = 1

# --- Quillbook in a window starts the transport for a modem profile, which outlives it ----------
held() { ! flock -n "$DEVICE/qbphoned.lock" true; }
SDL_VIDEODRIVER=offscreen "$BIN" --home "$HOME_DIR" --device "$DEVICE" >"$WORK/window.log" 2>&1 &
APP=$!
check "Quillbook on a modem profile starts the transport" until_true 20 held
kill "$APP"
wait "$APP"
check "which keeps running when Quillbook ends" held
pkill -f "qbphoned --device $DEVICE"
grep -q "filed SMS" "$WORK/qbphoned.log" || cat "$WORK/qbphoned.log"
finish
