#!/usr/bin/env bash
# The contact detail screen as a user sees it, in headless runs on a simulated device with a
# few contacts of our own: the button order (call before SMS, an SMS button for a home number
# only when it starts with one of sms_prefixes, mail last), an empty button list, the options
# menu opening and closing from the picture area (each shot equal to a full repaint), the
# menu's labels following the picture's removal and the favourite mark, a call and a mail
# logged by the simulated phone and mail program with hostile names intact, a long press on a
# call button, the note editor (a 2,000-character note shown whole, edited and saved with its
# end intact; an unchanged note left alone), the desktop hand-off (one clean link for
# xdg-open, a message box when no opener exists), and remove with No and with Yes.
set -u

BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
PHONE="$QB_BIN/qbphone"
. "$(dirname "$0")/lib.sh"

add() { "$PHONE" --device "$DEVICE" contacts add "$@"; }

DEVICE="$WORK/device"
HOME_DIR="$WORK/home"
"$PHONE" --device "$DEVICE" seed-demo --contacts 0 >/dev/null
mkdir -p "$HOME_DIR"
printf 'hide_contact_without_phone=0\nsms_prefixes=04\nseparator_item_height=0\n' >"$HOME_DIR/settings.ini"
python3 - "$WORK/pia.png" <<'PY'
import struct, sys, zlib
w = h = 48
rows = b"".join(b"\0" + bytes((200, 60 + y * 3, 40)) * w for y in range(h))
chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d))
open(sys.argv[1], "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
                              + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
PY
add firstname=Alice lastname=Alpha mobilephone="+33 6 11 11 11 11" homephone="04 22 22 22 22" \
  email=alice@example.org >/dev/null
BOB="$(add firstname=Bob lastname=Beta mobilephone="+33 6 33 33 33 33" homephone="05 44 44 44 44")"
add firstname=Carol lastname=Gamma company=Nobody >/dev/null
add firstname='Eve "the" <x@evil.org>,' lastname='Delta?&%' mobilephone="+33 6 55 55 55 55" \
  email=eve+tag@example.org >/dev/null
PIA="$(add firstname=Pia lastname=Picture mobilephone="+33 6 77 77 77 77" picture="$WORK/pia.png")"
EVE_NAME='Delta?&%, Eve "the" <x@evil.org>'  # the expression drops the trailing comma

# --- Where things are: the rows, the button list and the open menu ---------------------------
run_script probe <<'SCRIPT'
dump list.json
quit
SCRIPT
P="$WORK/shots-probe"
row_y() {  # the middle of the list row named $1
  json "$P/list.json" "(lambda l: (lambda i: l['list_rect'][1] - l['scroll_offset'] + sum(r['height'] for r in l['rows'][:i]) + l['rows'][i]['height'] // 2)([r['name'] for r in l['rows']].index(sys.argv[2])))(d['list_screen'])" "$1"
}
A_Y="$(row_y 'Alpha, Alice')"
B_Y="$(row_y 'Beta, Bob')"
C_Y="$(row_y 'Gamma, Carol')"
E_Y="$(row_y "$EVE_NAME")"
P_Y="$(row_y 'Picture, Pia')"
run_script geometry <<SCRIPT
tap 120 $P_Y
wait 500
dump detail.json
tap 120 20
wait 500
dump menu.json
quit
SCRIPT
G="$WORK/shots-geometry/detail.json"
menu_xy() {  # the middle of menu button $1 while the menu is open
  json "$WORK/shots-geometry/menu.json" "'%d %d' % (lambda r: ((r[0] + r[2]) // 2, (r[1] + r[3]) // 2))(d['detail_screen']['options_menu']['button_rects'][int(sys.argv[2])])" "$1"
}
button_y() {  # the middle of button $2 of $1 buttons (the list is bottom aligned)
  json "$G" "(lambda s, n, i: (lambda r, h: max(r[1], r[3] - n * h) + i * h + h // 2)(s['button_list_rect'], s['buttons'][0]['height']))(d['detail_screen'], int(sys.argv[2]), int(sys.argv[3]))" "$1" "$2"
}
PHOTO="$(json "$G" "' '.join(str(v) for v in (lambda b: ((b[0] + b[2]) // 2, (b[1] + b[3]) // 2))(d['detail_screen']['photo_box']))")"
OUTSIDE="$(json "$G" "' '.join(str(v) for v in (lambda b: (b[0] + 2, b[3] - 2))(d['detail_screen']['photo_box']))")"

# --- Buttons, the menu and its labels, remove -----------------------------------------------
PICTURE_ITEM="$(menu_xy 2)"
FAVOURITE_ITEM="$(menu_xy 3)"
REMOVE_ITEM="$(menu_xy 4)"
CANCEL_ITEM="$(menu_xy 5)"
run_script detail <<SCRIPT
tap 120 $A_Y
wait 500
dump alice.json
shot alice.png
post 2024
shot alice-full.png
key VK_LEFT
wait 500
tap 120 $B_Y
wait 500
dump bob.json
key VK_LEFT
wait 500
tap 120 $C_Y
wait 500
dump carol.json
tap $OUTSIDE
wait 500
dump menu-open.json
shot menu-open.png
post 2024
shot menu-open-full.png
tap $OUTSIDE
wait 500
dump menu-closed.json
shot menu-closed.png
post 2024
shot menu-closed-full.png
key VK_LEFT
wait 500
tap 120 $P_Y
wait 500
dump pia.json
tap $OUTSIDE
wait 500
tap $PICTURE_ITEM
wait 500
dump pia-removed.json
tap $OUTSIDE
wait 500
tap $FAVOURITE_ITEM
wait 500
dump pia-favourite.json
tap $OUTSIDE
wait 500
dump pia-menu.json
tap $CANCEL_ITEM
wait 500
dump pia-cancelled.json
quit
SCRIPT
D="$WORK/shots-detail"
buttons() { json "$1" "'|'.join(b['label'] + ' ' + b['action'] + ' ' + b['long_press'] for b in d['detail_screen']['buttons'])"; }
menu() { json "$1" "(d['detail_screen']['options_menu']['open'], '|'.join(d['detail_screen']['options_menu']['labels']))"; }
detail() { json "$1" "d['detail_screen']$2"; }
check "detail run exits 0" test "$rc" -eq 0
check "mobile and home: call, SMS, call, SMS (home matches sms_prefixes), mail last" \
  test "$(buttons "$D/alice.json")" = "Mobile - +33 6 11 11 11 11 CallAction EditBeforeCallAction|SMS - +33 6 11 11 11 11 SMSAction |Home - 04 22 22 22 22 CallAction EditBeforeCallAction|SMS - 04 22 22 22 22 SMSAction |Mail alice@example.org MailAction "
check "a home number without a prefix match has no SMS button" \
  test "$(buttons "$D/bob.json")" = "Mobile - +33 6 33 33 33 33 CallAction EditBeforeCallAction|SMS - +33 6 33 33 33 33 SMSAction |Home - 05 44 44 44 44 CallAction EditBeforeCallAction"
check "no number and no address: an empty button list" test -z "$(buttons "$D/carol.json")"
check "the detail screen slides in as a full repaint draws it" same_image "$D/alice.png" "$D/alice-full.png"
check "name and default picture" \
  test "$(detail "$D/alice.json" "['contact']['name'], d['detail_screen']['picture']")" = "Alpha, Alice default"
check "the picture area opens the menu" \
  test "$(menu "$D/menu-open.json")" = "(True, 'View Contact...|Edit Contact...|Set Pictures...|Set as favorites|Remove contact|Cancel')"
check "the open menu is on screen" same_image "$D/menu-open.png" "$D/menu-open-full.png"
check "the picture area again closes it" test "$(detail "$D/menu-closed.json" "['options_menu']['open']")" = False
check "the closed menu is gone from the screen" same_image "$D/menu-closed.png" "$D/menu-closed-full.png"
check "a contact's picture is shown" test "$(detail "$D/pia.json" "['picture']")" = contact
check "its menu offers to remove it" has "$D/pia.json" '"Remove pictures"'
check "the picture is removed" \
  test "$(detail "$D/pia-removed.json" "['picture'], d['detail_screen']['has_picture']")" = "default False"
check "the favourite item closes the menu" test "$(detail "$D/pia-favourite.json" "['options_menu']['open']")" = False
check "the labels follow the picture and the favourite mark" \
  test "$(menu "$D/pia-menu.json")" = "(True, 'View Contact...|Edit Contact...|Set Pictures...|Remove from favorites|Remove contact|Cancel')"
check "Cancel closes the menu" test "$(detail "$D/pia-cancelled.json" "['options_menu']['open']")" = False
"$PHONE" --device "$DEVICE" contacts show "$PIA" >"$WORK/pia.txt"
check "the store has the favourite mark" grep -qx 'favorite=1' "$WORK/pia.txt"
check "the store has no picture" lacks "$WORK/pia.txt" '^picture='

# --- A call and a mail on the simulated phone; a long press on a call button -----------------
CALL="$(button_y 3 0)"
MAIL="$(button_y 3 2)"
run_script simulated <<SCRIPT
tap 120 $E_Y
wait 500
tap 120 $CALL
dump paused.json
wait 2500
dump after-call.json
tap 120 $E_Y
wait 500
tap 120 $MAIL
wait 2500
tap 120 $E_Y
wait 500
down 120 $CALL
wait 600
up 120 $CALL
wait 500
dump long-press.json
quit
SCRIPT
S="$WORK/shots-simulated"
check "simulated run exits 0" test "$rc" -eq 0
check "the screen pauses after the call" test "$(detail "$S/paused.json" "['return_pause']")" = True
check "then the list comes back" test "$(json "$S/after-call.json" "d['list_screen']['visible']")" = True
"$PHONE" --device "$DEVICE" calls --json >"$WORK/calls.json"
"$PHONE" --device "$DEVICE" mail --json >"$WORK/mail.json"
check "one call logged with number and called party" \
  test "$(json "$WORK/calls.json" "[(c['number'], c['called_party']) for c in d] == [('+33 6 55 55 55 55', sys.argv[2])]" "$EVE_NAME")" = True
check "one mail logged with its whole To text" \
  test "$(json "$WORK/mail.json" "[m['to'] for m in d] == [sys.argv[2] + '<eve+tag@example.org>']" "$EVE_NAME")" = True
check "a long press on a call button goes to the list without calling" \
  test "$(json "$S/long-press.json" "d['list_screen']['visible'], len(json.load(open(sys.argv[2])))" "$WORK/calls.json")" = "True 1"

# --- The note: shown whole, edited and saved with its end intact; an unchanged one left alone -
python3 -c "
import sys
line = 'Line %03d of a long note, with accents: é à ü.'
text = '\n'.join(line % i for i in range(1, 100))
print(text[:1988] + ' END OF NOTE', end='')" >"$WORK/note.txt"
ALICE="$("$PHONE" --device "$DEVICE" contacts list | awk -F'\t' '$2 == "Alpha, Alice" {print $1}')"
CAROL="$("$PHONE" --device "$DEVICE" contacts list | awk -F'\t' '$2 == "Gamma, Carol" {print $1}')"
"$PHONE" --device "$DEVICE" contacts set "$ALICE" note="$(cat "$WORK/note.txt")"
"$PHONE" --device "$DEVICE" contacts set "$CAROL" note="Keep me, unchanged"
DESCRIPTION="$(json "$G" "'%d %d' % (lambda b: ((b[0] + b[2]) // 2, (b[1] + b[3]) // 2))(d['detail_screen']['description_box'])")"
BACK="$(json "$G" "'%d %d' % (lambda b: ((b[0] + b[2]) // 2, (b[1] + b[3]) // 2))(d['detail_screen']['back_button_rect'])")"
run_script note <<SCRIPT
tap 120 $A_Y
wait 500
tap $DESCRIPTION
wait 500
dump open.json
shot open.png
post 2024
shot open-full.png
char added
tap $BACK
wait 1000
dump saved.json
key VK_LEFT
wait 500
tap 120 $C_Y
wait 500
tap $DESCRIPTION
wait 500
dump carol.json
tap $BACK
wait 1000
quit
SCRIPT
N="$WORK/shots-note"
check "note run exits 0" test "$rc" -eq 0
check "the note is 2000 characters" test "$(wc -m <"$WORK/note.txt")" -eq 2000
check "a tap on the detail text flips the note in, whole" \
  test "$(json "$N/open.json" "d['detail_screen']['note_box']['visible'], d['detail_screen']['note_box']['text'] == open(sys.argv[2]).read()" "$WORK/note.txt")" = "True True"
check "the note box is on screen" same_image "$N/open.png" "$N/open-full.png"
check "back flips to the detail screen" \
  test "$(json "$N/saved.json" "d['detail_screen']['visible'], d['detail_screen']['note_box']['visible'], d['shell']['last_transition']")" = "True False flip"
check "the edited note is saved with its end intact" \
  test "$("$PHONE" --device "$DEVICE" contacts show "$ALICE" | python3 -c "
import sys
note = [l[5:].rstrip('\n') for l in sys.stdin if l.startswith('note=')][0].replace('\\\\n', '\n')
print(note == open(sys.argv[1]).read() + 'added')" "$WORK/note.txt")" = True
check "an unchanged note is shown and not modified" \
  test "$(json "$N/carol.json" "d['detail_screen']['note_box']['text'], d['detail_screen']['note_box']['modified']")" = "Keep me, unchanged False"
check "and left as it was" grep -qx 'note=Keep me, unchanged' \
  <("$PHONE" --device "$DEVICE" contacts show "$CAROL")

# --- The desktop: one clean link for the opener, a message box without one -------------------
"$PHONE" --device "$DEVICE" reg set HKLM 'Software\Quillbook\Platform' Phone sz desktop
"$PHONE" --device "$DEVICE" reg set HKLM 'Software\Quillbook\Platform' Mail sz desktop
mkdir -p "$WORK/bin" "$WORK/empty"
cat >"$WORK/bin/xdg-open" <<OPENER
#!/bin/sh
printf '%s\n' "\$#" "\$@" >>"$WORK/opened.txt"
OPENER
chmod +x "$WORK/bin/xdg-open"
RUN_PATH="$WORK/bin:$PATH" run_script desktop <<SCRIPT
tap 120 $E_Y
wait 500
tap 120 $CALL
wait 2500
tap 120 $E_Y
wait 500
tap 120 $MAIL
wait 2500
quit
SCRIPT
check "desktop run exits 0" test "$rc" -eq 0
wait_for_file "$WORK/opened.txt"
sleep 1
check "the opener got each link as its only argument" \
  test "$(tr '\n' ' ' <"$WORK/opened.txt")" = "1 tel:+33655555555 1 mailto:eve+tag@example.org "
RUN_PATH="$WORK/empty" run_script no-opener <<SCRIPT
tap 120 $E_Y
wait 500
tap 120 $CALL
dump no-opener.json
key VK_RETURN
wait 2500
quit
SCRIPT
check "without an opener a message box says so" \
  test "$(json "$WORK/shots-no-opener/no-opener.json" "[w['title'] for w in d['windows'] if w['class'] == '#MessageBox']")" = "['Phone']"
check "and nothing was logged as called" \
  test "$("$PHONE" --device "$DEVICE" calls --json | python3 -c 'import json,sys; print(len(json.load(sys.stdin)))')" = 1

# --- Remove: No keeps the contact, Yes removes it (last: the rows move up) -------------------
run_script remove <<SCRIPT
tap 120 $B_Y
wait 500
tap $OUTSIDE
wait 500
tap $REMOVE_ITEM
dump asked.json
key VK_ESCAPE
wait 500
dump no.json
tap $OUTSIDE
wait 500
tap $REMOVE_ITEM
key VK_RETURN
wait 1000
dump yes.json
quit
SCRIPT
R="$WORK/shots-remove"
check "remove run exits 0" test "$rc" -eq 0
check "remove asks first" \
  test "$(json "$R/asked.json" "[w['title'] for w in d['windows'] if w['class'] == '#MessageBox']")" = "['Remove contact']"
check "No keeps the contact and closes the menu" \
  test "$(detail "$R/no.json" "['contact']['name'], d['detail_screen']['options_menu']['open']")" = "Beta, Bob False"
check "Yes brings the list back" test "$(json "$R/yes.json" "d['list_screen']['visible']")" = True
check "the row left the list" lacks "$R/yes.json" '"name":"Beta, Bob"'
check "the contact left the store" \
  test "$("$PHONE" --device "$DEVICE" contacts show "$BOB" >/dev/null 2>&1; echo $?)" = 1

finish
