#!/usr/bin/env bash
# The SMS conversation screen on a headless run with the simulated network: opened from a
# contact's SMS button, the counter of an empty box, a held send with an empty box doing
# nothing, a short tap sending nothing, a held send recording exactly one outgoing SMS and
# emptying the box, a network failure keeping the text with an error bubble, "Resend" putting
# the failed text back over what was typed, shots equal to full repaints, and a golden image;
# then another number chosen from the header ("00": national address type, no Sent copy with
# SaveSent 0, a status report asked with SMSDeliveryNotify 1), a call from the header's "Call
# Number", a long press making a bubble
# unread with the platform's count following, another contact opened while a load runs,
# "Delete conversation" with No and with Yes (every stored SMS of the contact goes), and an
# SMS arriving for the open conversation.
set -u

BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
PHONE="$QB_BIN/qbphone"
. "$(dirname "$0")/lib.sh"

DEVICE="$WORK/device"
HOME_DIR="$WORK/home"
phone() { "$PHONE" --device "$DEVICE" "$@"; }
sms() { json "$1" "(d['sms_screen']$2)"; }
outgoing() { phone sms outgoing --json; }

phone seed-demo --contacts 0 >/dev/null
mkdir -p "$HOME_DIR"
printf 'hide_contact_without_phone=0\n' >"$HOME_DIR/settings.ini"
phone contacts add firstname=Alice lastname=Alpha mobilephone="+33 6 11 11 11 11" \
  homephone="0044 20 7946 0000" >/dev/null
phone sms receive "+33611111111" "Are you coming tonight?" --at 2025-12-31T18:00:00 --read >/dev/null
phone sms receive "+33611111111" "Call me back" --at 2025-12-31T18:05:00 >/dev/null
phone contacts add firstname=Bob lastname=Beta mobilephone="+33 6 22 22 22 22" >/dev/null
phone sms receive "+33622222222" "From Bob" --at 2025-12-30T12:00:00 --read >/dev/null
phone network ok >/dev/null
# No soft keyboard: the text box and the send button stay where the probe found them.
phone reg set HKCU 'Software\Quillbook\Contact' CurrentSIP sz nosip >/dev/null
phone sms outgoing clear >/dev/null

# --- Where things are: Alice's row, her SMS button, the screen and a five-entry menu ---------
run_script probe <<'SCRIPT'
dump list.json
quit
SCRIPT
ROW_Y="$(row_y "$WORK/shots-probe/list.json" 'Alpha, Alice')"
run_script probe2 <<SCRIPT
tap 120 $ROW_Y
wait 500
dump detail.json
quit
SCRIPT
# The SMS button in the bottom-aligned button list.
SMS_BUTTON="$(sms_button "$WORK/shots-probe2/detail.json")"
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
entry() { sms "$1" "['menu'][$2]['rect']" | python3 -c "import sys,ast; r=ast.literal_eval(sys.stdin.read()); print((r[0]+r[2])//2, (r[1]+r[3])//2)"; }
FIRST="$(entry "$P/menu.json" 0)"
FOURTH="$(entry "$P/menu.json" 3)"
DELETE_ALL="$(entry "$P/menu.json" 2)"
LAST_BUBBLE_Y="$(sms "$P/screen.json" "['list_rect'][3] - 12")"
check "the header menu offers numbers, deletion and the keyboard" \
  test "$(json "$P/menu.json" "'|'.join(e['label'] for e in d['sms_screen']['menu'])")" = "Choose Phone Number|Call Number|Delete conversation|Choose SIP|Show SIP|Cancel"

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
check "the conversation matches its golden image" golden "$F/failed.png" sms_screen_240x320

# --- Another number from the header; SaveSent 0 and SMSDeliveryNotify 1; Delete with No -----
INBOX_SETTINGS='Software\Microsoft\Inbox\Settings'
phone network ok >/dev/null
phone reg set HKCU "$INBOX_SETTINGS" SaveSent dword 0 >/dev/null
phone reg set HKCU "$INBOX_SETTINGS" SMSDeliveryNotify dword 1 >/dev/null
phone sms outgoing clear >/dev/null
count_sms() { phone sms list "$1" --json | python3 -c "import json,sys; print(len(json.load(sys.stdin)))"; }
SENT_BEFORE="$(count_sms sent)"
run_script probe4 <<SCRIPT
$OPEN
tap 120 10
wait 600
tap $FIRST
wait 600
dump numbers.json
quit
SCRIPT
HOME_ENTRY="$(entry "$WORK/shots-probe4/numbers.json" "[e['label'] for e in d['sms_screen']['menu']].index([e['label'] for e in d['sms_screen']['menu'] if '0044' in e['label']][0])")"
run_script other <<SCRIPT
$OPEN
tap 120 10
wait 600
tap $FIRST
wait 600
tap $HOME_ENTRY
wait 600
dump chosen.json
tap $BOX
wait 100
char Via home
down $SEND
wait 400
up $SEND
wait 600
dump via-home.json
tap 120 10
wait 600
tap $DELETE_ALL
wait 300
dump asked.json
key VK_ESCAPE
wait 500
dump no.json
tap 120 10
wait 600
tap $(entry "$P/menu.json" 1)
wait 600
tap $HOME_ENTRY
wait 600
dump called.json
quit
SCRIPT
O="$WORK/shots-other"
check "other run exits 0" test "$rc" -eq 0
check "the submenu lists both numbers" \
  test "$(json "$WORK/shots-probe4/numbers.json" "len(d['sms_screen']['menu']) >= 2")" = True
check "the chosen number is in the header" \
  test "$(sms "$O/chosen.json" "['number']")" = "0044 20 7946 0000"
check "a 00 number goes out with the national address type and a status report" \
  test "$(outgoing | python3 -c "import json,sys; l=json.load(sys.stdin); print([(s['destination'], s['address_type'], s['status_report']) for s in l])")" = "[('0044 20 7946 0000', 0, True)]"
check "SaveSent 0 files no Sent copy" test "$(count_sms sent)" = "$SENT_BEFORE"
check "Delete conversation asks first" \
  test "$(json "$O/asked.json" "[w['title'] for w in d['windows'] if w['class'] == '#MessageBox']")" = "['Sure?']"
check "No keeps every bubble" \
  test "$(sms "$O/no.json" "['bubbles'].__len__()")" = "$(sms "$O/via-home.json" "['bubbles'].__len__()")"
check "Call Number dials the chosen number with her name, the screen stays" \
  test "$(phone calls --json | python3 -c "import json,sys; print([(c['number'], c['called_party']) for c in json.load(sys.stdin)])") $(sms "$O/called.json" "['visible']")" = "[('0044 20 7946 0000', 'Alpha, Alice')] True"
phone reg set HKCU "$INBOX_SETTINGS" SaveSent dword 1 >/dev/null

# --- Long press: read to unread, the platform's count follows; then Delete with Yes ----------
unread() { phone reg get HKCU 'System\State\Messages\SMS\Unread' Count | grep -o '[0-9]*$'; }
phone sms receive "+33611111111" "Still there?" --at 2026-01-02T09:00:00 --read >/dev/null
UNREAD_BEFORE="$(unread)"
run_script toggle <<SCRIPT
$OPEN
down 120 $LAST_BUBBLE_Y
wait 700
up 120 $LAST_BUBBLE_Y
wait 600
dump toggled.json
shot toggled.png
post 2024
shot toggled-full.png
quit
SCRIPT
T="$WORK/shots-toggle"
check "the long-pressed bubble is unread" \
  test "$(json "$T/toggled.json" "[(b['text'], b['read']) for b in d['sms_screen']['bubbles']][-1]")" = "('Still there?', False)"
check "the unread count rose by one" test "$(unread)" = "$((UNREAD_BEFORE + 1))"
check "the unread bubble is what a full repaint draws" cmp -s "$T/toggled.png" "$T/toggled-full.png"
# Opening another contact while a load runs: the older load stops, only Bob's SMS show.
row_of() { json "$WORK/shots-probe/list.json" "[r['name'] for r in d['list_screen']['rows']].index('$1')"; }
run_script switch <<SCRIPT
test sms open $(row_of 'Alpha, Alice')
test sms open $(row_of 'Beta, Bob')
wait 1500
dump switched.json
quit
SCRIPT
check "switching during a load shows only the new contact's SMS" \
  test "$(sms "$WORK/shots-switch/switched.json" "['contact'], [b['text'] for b in d['sms_screen']['bubbles']]")" = "('Beta, Bob', ['From Bob'])"
run_script delete <<SCRIPT
$OPEN
tap 120 10
wait 600
tap $DELETE_ALL
wait 300
key VK_RETURN
wait 1000
dump deleted.json
quit
SCRIPT
D="$WORK/shots-delete"
check "Yes empties the conversation" test "$(sms "$D/deleted.json" "['bubbles'].__len__()")" = 0
check "and the store holds no SMS of hers" \
  test "$(for f in inbox sent outbox; do phone sms list $f; done | grep -c -e '6 *11 *11 *11 *11' -e '7946')" = 0
check "the unread count is back" test "$(unread)" = "$UNREAD_BEFORE"

# --- An SMS arriving while her conversation is open joins it once, unread -------------------
printf '%s\n' "$OPEN" "dump live-open.json" >"$WORK/live.qbs"
"$BIN" --headless --home "$HOME_DIR" --device "$DEVICE" --script "$WORK/live.qbs" \
  --shots "$WORK/shots-live" >"$WORK/live.out" 2>&1 &
live=$!
check "the live screen opens" wait_for_file "$WORK/shots-live/live-open.json"
phone sms receive "+33611111111" "Just arrived" >/dev/null
sleep 1
check "arrival dump" dump_now "$live" "$WORK/shots-live" arrived.json
A="$WORK/shots-live/arrived.json"
check "the arrival joined the open conversation once, unread" \
  test "$(json "$A" "[(b['text'], b['read']) for b in d['sms_screen']['bubbles']]")" = "[('Just arrived', False)]"
check "her counts hold it once" has "$A" '"name":"Alpha, Alice","second_line":"[^"]*","unread_sms":1,"sms":1'
kill -TERM "$live"
wait "$live"
finish
