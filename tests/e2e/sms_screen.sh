#!/usr/bin/env bash
# The SMS conversation screen on a headless run with the simulated network: opened from a
# contact's SMS button, the counter of an empty box, a held send with an empty box doing
# nothing, a short tap sending nothing, a held send recording exactly one outgoing SMS and
# emptying the box, a network failure keeping the text with an error bubble, "Resend" putting
# the failed text back over what was typed, shots equal to full repaints, and a golden image.
set -u

BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
PHONE="$QB_BIN/qbphone"
GOLDEN="$(dirname "$0")/golden/sms_screen_240x320.png"
. "$(dirname "$0")/lib.sh"

DEVICE="$WORK/device"
HOME_DIR="$WORK/home"
phone() { "$PHONE" --device "$DEVICE" "$@"; }
run_script() {  # run_script NAME (script on stdin); sets rc
  cat >"$WORK/$1.qbs"
  "$BIN" --headless --home "$HOME_DIR" --device "$DEVICE" --script "$WORK/$1.qbs" \
    --shots "$WORK/shots-$1" >"$WORK/$1.out" 2>&1
  rc=$?
}
json() { python3 -c "import json,sys; d=json.load(open(sys.argv[1])); print($2)" "$1" "${@:3}"; }
sms() { json "$1" "(d['sms_screen']$2)"; }
outgoing() { phone sms outgoing --json; }

phone seed-demo --contacts 0 >/dev/null
mkdir -p "$HOME_DIR"
printf 'hide_contact_without_phone=0\n' >"$HOME_DIR/settings.ini"
phone contacts add firstname=Alice lastname=Alpha mobilephone="+33 6 11 11 11 11" >/dev/null
phone sms receive "+33611111111" "Are you coming tonight?" --at 2025-12-31T18:00:00 --read >/dev/null
phone sms receive "+33611111111" "Call me back" --at 2025-12-31T18:05:00 >/dev/null
phone network ok >/dev/null
# No soft keyboard: the text box and the send button stay where the probe found them.
phone reg set HKCU 'Software\Quillbook\Contact' CurrentSIP sz nosip >/dev/null
phone sms outgoing clear >/dev/null

# --- Where things are: Alice's row, her SMS button, the screen and a five-entry menu ---------
run_script probe <<'SCRIPT'
dump list.json
quit
SCRIPT
ROW_Y="$(json "$WORK/shots-probe/list.json" "(lambda l: l['list_rect'][1] - l['scroll_offset'] + l['rows'][0]['height'] // 2 + sum(r['height'] for r in l['rows'][:[r['name'] for r in l['rows']].index('Alpha, Alice')]))(d['list_screen'])")"
run_script probe2 <<SCRIPT
tap 120 $ROW_Y
wait 500
dump detail.json
quit
SCRIPT
# The SMS button is the second of the two (call, SMS) in the bottom-aligned button list.
SMS_BUTTON="$(json "$WORK/shots-probe2/detail.json" "(lambda s: (lambda r, n, h: '120 %d' % (max(r[1], r[3] - n * h) + h + h // 2))(s['button_list_rect'], len(s['buttons']), s['buttons'][0]['height']))(d['detail_screen'])")"
OPEN="tap 120 $ROW_Y
wait 500
tap $SMS_BUTTON
wait 1500"
run_script probe3 <<SCRIPT
$OPEN
dump screen.json
tap 120 10
wait 600
dump menu.json
quit
SCRIPT
P="$WORK/shots-probe3"
SEND="$(sms "$P/screen.json" "['send_button_rect']" | python3 -c "import sys,ast; r=ast.literal_eval(sys.stdin.read()); print((r[0]+r[2])//2, (r[1]+r[3])//2)")"
BOX="20 $(echo "$SEND" | cut -d' ' -f2)"
FOURTH="$(sms "$P/menu.json" "['menu'][3]['rect']" | python3 -c "import sys,ast; r=ast.literal_eval(sys.stdin.read()); print((r[0]+r[2])//2, (r[1]+r[3])//2)")"
LAST_BUBBLE_Y="$(sms "$P/screen.json" "['list_rect'][3] - 12")"
check "the header menu offers numbers, deletion and the keyboard" \
  test "$(json "$P/menu.json" "'|'.join(e['label'] for e in d['sms_screen']['menu'])")" = "Choose Phone Number|Delete conversation|Choose SIP|Show SIP|Cancel"

# --- Open, empty box, held and tapped sends, a sent SMS -------------------------------------
run_script send <<SCRIPT
$OPEN
dump open.json
shot open.png
post 2024
shot open-full.png
down $SEND
wait 400
up $SEND
wait 600
dump empty-held.json
tap $BOX
wait 100
char Hello there
wait 600
dump typed.json
tap $SEND
wait 600
dump tapped.json
down $SEND
wait 400
up $SEND
wait 600
dump sent.json
shot sent.png
post 2024
shot sent-full.png
quit
SCRIPT
S="$WORK/shots-send"
check "send run exits 0" test "$rc" -eq 0
check "the conversation of the tapped contact and number" \
  test "$(sms "$S/open.json" "['contact'], d['sms_screen']['number'], d['sms_screen']['number_label']")" = "('Alpha, Alice', '+33 6 11 11 11 11', 'Mobile - +33 6 11 11 11 11')"
check "loaded: both SMS oldest first, the unread one unread" \
  test "$(sms "$S/open.json" "['loading'], [(b['text'], b['outgoing'], b['read']) for b in d['sms_screen']['bubbles']]")" = "(False, [('Are you coming tonight?', False, True), ('Call me back', False, False)])"
check "no add-contact button for a stored contact" test "$(sms "$S/open.json" "['add_contact_button']")" = False
check "an empty box counts (160/160)" test "$(sms "$S/open.json" "['counter']")" = "(160/160)"
check "the screen flips in as a full repaint draws it" cmp -s "$S/open.png" "$S/open-full.png"
check "a held send with an empty box sends nothing" \
  test "$(sms "$S/empty-held.json" "['bubbles'].__len__()")" = 2
check "typing counts down" test "$(sms "$S/typed.json" "['counter'], d['sms_screen']['text']")" = "('(149/160)', 'Hello there')"
check "a short tap on send sends nothing" test "$(sms "$S/tapped.json" "['text']")" = "Hello there"
check "the held send emptied the box" test "$(sms "$S/sent.json" "['text'], d['sms_screen']['counter']")" = "('', '(160/160)')"
check "the sent bubble is last, and answering read the conversation" \
  test "$(json "$S/sent.json" "[(b['text'], b['outgoing'], b['read'], b['failed'], b['on_screen']) for b in d['sms_screen']['bubbles']][1:]")" = "[('Call me back', False, True, False, True), ('Hello there', True, True, False, True)]"
check "exactly one SMS went out, international address" \
  test "$(outgoing | python3 -c "import json,sys; l=json.load(sys.stdin); print([(s['destination'], s['address_type'], s['text']) for s in l])")" = "[('+33 6 11 11 11 11', 1, 'Hello there')]"
check "the sent screen is what a full repaint draws" cmp -s "$S/sent.png" "$S/sent-full.png"

# --- A network failure, then Resend over newly typed text -----------------------------------
phone network fail 0x80004005 >/dev/null
run_script fail <<SCRIPT
$OPEN
tap $BOX
wait 100
char Try again
down $SEND
wait 400
up $SEND
wait 600
dump failed.json
shot failed.png
post 2024
shot failed-full.png
tap $BOX
char  more
wait 100
tap 120 $LAST_BUBBLE_Y
wait 600
dump sms-menu.json
tap $FOURTH
wait 600
dump resent.json
quit
SCRIPT
F="$WORK/shots-fail"
check "fail run exits 0" test "$rc" -eq 0
check "a failed send keeps the text" test "$(sms "$F/failed.json" "['text']")" = "Try again"
check "and shows an error bubble with the code" \
  test "$(json "$F/failed.json" "[(b['outgoing'], b['failed'], b['text'].endswith('(80004005)')) for b in d['sms_screen']['bubbles']][-1]")" = "(True, True, True)"
check "nothing more went out" test "$(outgoing | python3 -c "import json,sys; print(len(json.load(sys.stdin)))")" = 1
check "the failure is what a full repaint draws" cmp -s "$F/failed.png" "$F/failed-full.png"
check "a tap on the bubble opens the SMS menu" \
  test "$(json "$F/sms-menu.json" "'|'.join(e['label'] for e in d['sms_screen']['menu'])")" = "Mark as unread|Delete this msg|Delete Conversation|Resend|Cancel"
check "Resend puts the failed text back over what was typed" \
  test "$(sms "$F/resent.json" "['text']")" = "Try again"
if [ -f "$GOLDEN" ]; then
  check "the conversation matches its golden image" cmp -s "$F/failed.png" "$GOLDEN"
fi
[ -n "${UPDATE_GOLDEN:-}" ] && mkdir -p "$(dirname "$GOLDEN")" && cp "$F/failed.png" "$GOLDEN"
finish
