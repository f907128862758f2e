#!/usr/bin/env bash
# The icon bar and the phone pad as a user sees them, in headless runs at 240x320 in the Touch
# theme on a device with a few contacts of our own: four 60-px buttons, no badge at 0 unread
# and "12" at 12, the favourites button showing the contacts icon under the favourites filter
# and returning to all contacts, the SMS button likewise; the phone pad sliding up above the
# bar and back, a tap on "5" filtering the list and leaving no key pressed, a drag off the keys
# sending nothing, the pad without its background image (no pressed highlight); the call
# editor opened by a long press on a row or on the detail screen's call button, typing from
# its pad, swallowing taps outside its controls, Cancel discarding and Call dialling exactly
# the edited text (nothing for a contact without numbers); holding the phone button opening
# the symbol pad under the pen and each symbol run by sliding to it and lifting (a close ends
# the run), `default_to_close` swapping the last two, the options menu listing the theme
# archives without regard to case, switching the theme and full screen (both kept across a
# restart) and showing About. Shots are
# compared with a full repaint and with goldens (QB_UPDATE_GOLDEN=1 rewrites them).
set -u

BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
PHONE="$QB_BIN/qbphone"
. "$(dirname "$0")/lib.sh"

add() { "$PHONE" --device "$DEVICE" contacts add "$@"; }

DEVICE="$WORK/device"
HOME_DIR="$WORK/home"
"$PHONE" --device "$DEVICE" seed-demo --contacts 0 >/dev/null
# No SMS at all: the unread count starts at 0.
for entry in $("$PHONE" --device "$DEVICE" sms list inbox --json | python3 -c "import json,sys; print(' '.join(m['entry'] for m in json.load(sys.stdin)))"); do
  "$PHONE" --device "$DEVICE" sms delete "$entry" >/dev/null
done
mkdir -p "$HOME_DIR"
printf 'hide_contact_without_phone=0\n' >"$HOME_DIR/settings.ini"
add firstname=Alice lastname=Alpha mobilephone="+33 6 11 11 11 11" >/dev/null
add firstname=Bob lastname=Beta mobilephone="+33 6 22 22 22 22" >/dev/null
add firstname=Jules lastname=Kern mobilephone="+33 6 33 33 33 33" >/dev/null
add firstname=Carol lastname=Gamma company=Nobody >/dev/null

# --- The bar at 0 unread, the two filter toggles ---------------------------------------------
run_script toggles <<'SCRIPT'
dump start.json
tap 30 300
wait 400
dump fav.json
tap 30 300
wait 400
dump all.json
tap 90 300
wait 400
dump sms.json
shot sms.png
post 2024
shot sms-full.png
tap 90 300
wait 400
dump sms-all.json
quit
SCRIPT
T="$WORK/shots-toggles"
check "the toggles run" [ "$rc" -eq 0 ]
check "four 60-px buttons along the bottom" [ "$(json "$T/start.json" "[b['rect'] for b in d['icon_bar']['buttons']]")" = "[[0, 280, 60, 320], [60, 280, 120, 320], [120, 280, 180, 320], [180, 280, 240, 320]]" ]
check "icons instead of captions" [ "$(json "$T/start.json" "[(b['caption'], b['image']) for b in d['icon_bar']['buttons']]")" = "[('', 'zip_icon_favorites.png'), ('', 'zip_icon_sms.png'), ('', 'zip_icon_filter.png'), ('', 'zip_icon_phone.png')]" ]
check "no badge at 0 unread" [ "$(json "$T/start.json" "d['icon_bar']['badge']")" = "" ]
check "favourites filter set" [ "$(json "$T/fav.json" "d['list_screen']['filter']")" = "FavoriteFilterItem" ]
check "the favourites button shows the contacts icon" [ "$(json "$T/fav.json" "d['icon_bar']['buttons'][0]['image']")" = "zip_icon_contacts.png" ]
check "tapping it again returns to all contacts" [ "$(json "$T/all.json" "(d['list_screen']['filter'], d['icon_bar']['buttons'][0]['image'])")" = "('AllContactsFilterItem', 'zip_icon_favorites.png')" ]
check "the SMS button shows the contacts icon under the SMS filter" [ "$(json "$T/sms.json" "(d['list_screen']['filter'], d['icon_bar']['buttons'][1]['image'])")" = "('SmsFilterItem', 'zip_icon_contacts.png')" ]
check "the SMS filter's bar as a full repaint draws it" same_image "$T/sms.png" "$T/sms-full.png"
check "and back to all contacts" [ "$(json "$T/sms-all.json" "d['list_screen']['filter']")" = "AllContactsFilterItem" ]

# --- 12 unread: the badge; the phone pad -----------------------------------------------------
for i in $(seq 12); do "$PHONE" --device "$DEVICE" sms receive "+33 6 11 11 11 11" "hello $i" >/dev/null; done
run_script pad <<'SCRIPT'
dump badge.json
shot badge.png
tap 210 300
wait 400
dump pad.json
shot pad.png
post 2024
shot pad-full.png
down 120 200
dump pressed.json
up 120 200
wait 100
dump five.json
shot five.png
post 2024
shot five-full.png
down 40 170
move 40 120
move 40 100
up 40 100
wait 100
dump dragged.json
tap 210 300
wait 400
dump closed.json
shot closed.png
post 2024
shot closed-full.png
quit
SCRIPT
P="$WORK/shots-pad"
check "the pad run" [ "$rc" -eq 0 ]
check "badge 12" [ "$(json "$P/badge.json" "d['icon_bar']['badge']")" = "12" ]
check "golden: the icon bar with its badge" golden "$P/badge.png" icon_bar_badge
check "the pad shows above the bar" [ "$(json "$P/pad.json" "(d['phone_pad']['visible'], d['phone_pad']['rect'], d['list_screen']['list_rect'][3])")" = "(True, [0, 152, 240, 280], 152)" ]
check "the pad slides in as a full repaint draws it" same_image "$P/pad.png" "$P/pad-full.png"
check "golden: the phone pad" golden "$P/pad.png" phone_pad
check "the pen on 5 presses it" [ "$(json "$P/pressed.json" "d['phone_pad']['pressed_key']")" = "5" ]
check "5 filters the list" [ "$(json "$P/five.json" "(d['list_screen']['filter'], d['phone_pad']['pressed_key'])")" = "('LettersFilterItem', ' ')" ]
check "only the contacts of 5 (JKL) stay" [ "$(json "$P/five.json" "[r['name'] for r in d['list_screen']['rows'] if r['kind'] == 'ContactListItem']")" = "['Kern, Jules']" ]
check "the filtered list as a full repaint draws it" same_image "$P/five.png" "$P/five-full.png"
check "a drag off the keys sends nothing" [ "$(json "$P/dragged.json" "(d['list_screen']['filter_title'], d['phone_pad']['pressed_key'])")" = "$(json "$P/five.json" "(d['list_screen']['filter_title'], ' ')")" ]
check "the pad slides away" [ "$(json "$P/closed.json" "(d['phone_pad']['visible'], d['list_screen']['list_rect'][3])")" = "(False, 280)" ]
check "the closed pad is gone from the screen" same_image "$P/closed.png" "$P/closed-full.png"

# --- Without phone_pad_bg: plain fill, no pressed highlight ----------------------------------
printf 'hide_contact_without_phone=0\nphone_pad_bg=\n' >"$HOME_DIR/settings.ini"
run_script plain <<'SCRIPT'
tap 210 300
wait 400
shot plain.png
down 120 200
shot plain-pressed.png
up 120 200
quit
SCRIPT
L="$WORK/shots-plain"
check "golden: the phone pad without its image" golden "$L/plain.png" phone_pad_plain
check "without the image a pressed key looks the same" same_image "$L/plain.png" "$L/plain-pressed.png"

# --- The call edit panel: long press on a row, modal, Cancel, Call, empty number, detail ------
printf 'hide_contact_without_phone=0\n' >"$HOME_DIR/settings.ini"
run_script probe <<'SCRIPT'
dump list.json
tap 120 10
quit
SCRIPT
row_y() {  # the middle of the list row named $1
  json "$WORK/shots-probe/list.json" "(lambda l: (lambda i: l['list_rect'][1] - l['scroll_offset'] + sum(r['height'] for r in l['rows'][:i]) + l['rows'][i]['height'] // 2)([r['name'] for r in l['rows']].index(sys.argv[2])))(d['list_screen'])" "$1"
}
A_Y="$(row_y 'Alpha, Alice')"
B_Y="$(row_y 'Beta, Bob')"
C_Y="$(row_y 'Gamma, Carol')"
run_script detail-probe <<SCRIPT
tap 120 $A_Y
wait 500
dump detail.json
quit
SCRIPT
CALL_Y="$(json "$WORK/shots-detail-probe/detail.json" "(lambda s: (lambda r, h, n: max(r[1], r[3] - n * h) + h // 2)(s['button_list_rect'], s['buttons'][0]['height'], len(s['buttons'])))(d['detail_screen'])")"
run_script call <<SCRIPT
down 120 $C_Y
wait 700
up 120 $C_Y
wait 700
dump no-number.json
down 120 $B_Y
wait 700
up 120 $B_Y
wait 700
dump open.json
shot open.png
post 2024
shot open-full.png
tap 120 200
tap 120 120
tap 8 100
tap 120 10
drag 120 100 120 20 300
wait 500
dump typed.json
tap 180 300
wait 700
dump cancelled.json
down 120 $B_Y
wait 700
up 120 $B_Y
wait 700
dump reopened.json
tap 40 240
tap 200 240
tap 60 300
wait 700
dump called.json
shot called.png
post 2024
shot called-full.png
tap 120 $A_Y
wait 500
down 120 $CALL_Y
wait 700
up 120 $CALL_Y
wait 700
dump from-detail.json
rotate
wait 700
dump rotated.json
shot rotated.png
post 2024
shot rotated-full.png
quit
SCRIPT
C="$WORK/shots-call"
"$PHONE" --device "$DEVICE" calls --json >"$WORK/calls.json"
check "the call run" [ "$rc" -eq 0 ]
check "a contact without numbers opens nothing" [ "$(json "$C/no-number.json" "d['call_edit']['open']")" = "False" ]
check "a long press on a row opens the editor with its number" [ "$(json "$C/open.json" "(d['call_edit']['open'], d['call_edit']['number'], d['shell']['last_transition'])")" = "(True, '+33 6 22 22 22 22', 'flip')" ]
check "the editor flips in as a full repaint draws it" same_image "$C/open.png" "$C/open-full.png"
check "golden: the call editor" golden "$C/open.png" call_edit
check "the pad types into the number box only" [ "$(json "$C/typed.json" "d['call_edit']['number']")" = "+33 6 22 22 22 225" ]
check "taps and drags outside its controls reach nothing below" [ "$(json "$C/typed.json" "(d['call_edit']['open'], d['list_screen']['filter'], d['list_screen']['scroll_offset'], d['detail_screen']['visible'], d['list_screen']['index_strip']['pressed'])")" = "(True, 'AllContactsFilterItem', 0, False, False)" ]
check "Cancel closes the editor" [ "$(json "$C/cancelled.json" "(d['call_edit']['open'], d['shell']['last_transition'], d['shell']['last_transition_direction'])")" = "(False, 'flip', 0)" ]
check "Cancel discards the edited number" [ "$(json "$C/reopened.json" "d['call_edit']['number']")" = "+33 6 22 22 22 22" ]
check "Call dials exactly the edited text, once" [ "$(json "$WORK/calls.json" "[c['number'] for c in d]")" = "['+33 6 22 22 22 2279']" ]
check "Call closes the editor" [ "$(json "$C/called.json" "d['call_edit']['open']")" = "False" ]
check "the list after the call as a full repaint draws it" same_image "$C/called.png" "$C/called-full.png"
check "rotated, the editor still covers the window: Call and Cancel at the bottom, its pad right above" [ "$(json "$C/rotated.json" "(d['call_edit']['call_button_rect'], d['call_edit']['cancel_button_rect'], d['call_edit']['phone_pad']['rect'][3])")" = "([0, 200, 160, 240], [160, 200, 320, 240], 200)" ]
check "the rotated editor as a full repaint draws it" same_image "$C/rotated.png" "$C/rotated-full.png"
check "a long press on the detail screen's call button opens the editor with that number" [ "$(json "$C/from-detail.json" "(d['call_edit']['open'], d['call_edit']['number'], d['detail_screen']['visible'])")" = "(True, '+33 6 11 11 11 11', False)" ]

# --- The symbol pad: held phone button, each symbol; a close ends the run ---------------------
hold_and_slide() {  # the phone button held 300 ms, the pen slid to x $1 on the pad and lifted
  printf 'down 210 300\nwait 300\nmove %s 270\nup %s 270\nwait 500\n' "$1" "$1"
}
run_script sym-min <<SCRIPT
down 210 300
wait 300
dump held.json
shot held.png
move 200 305
dump jitter.json
move 90 270
dump slid.json
move 210 270
up 210 270
wait 300
dump minimised.json
quit
SCRIPT
S="$WORK/shots-sym-min"
check "the symbols in order, the one under the held pen pressed" [ "$(json "$S/held.json" "(lambda p: (p['open'], p['rect'], [(s['action'], s['pressed']) for s in p['symbols']]))(d['symbol_pad'])")" = "(True, [0, 240, 240, 280], [('ClassicContactAction', False), ('OptionsMenuAction', False), ('CloseAction', False), ('IconHideAction', True)])" ]
check "golden: the symbol pad over the darkened screen" golden "$S/held.png" symbol_pad
check "a move over the bar below presses nothing there" [ "$(json "$S/jitter.json" "([s['pressed'] for s in d['symbol_pad']['symbols']], d['icon_bar']['buttons'][3]['pressed'], d['icon_bar']['pen_captured'])")" = "([False, False, False, False], False, False)" ]
check "sliding presses the symbol under the pen only" [ "$(json "$S/slid.json" "[s['pressed'] for s in d['symbol_pad']['symbols']]")" = "[False, True, False, False]" ]
check "lifting on minimise minimises and retires the pad" [ "$(json "$S/minimised.json" "(d['symbol_pad']['open'], d['symbol_pad']['last_symbol'], [w['visible'] for w in d['windows'] if w['title'] == 'Quillbook'][:1])")" = "(False, 'IconHideAction', [False])" ]
{ hold_and_slide 30; printf 'dump app.json\nkey VK_ESCAPE\nwait 300\ndump back.json\nshot back.png\npost 2024\nshot back-full.png\nquit\n'; } | run_script sym-app
S="$WORK/shots-sym-app"
check "the contacts application symbol opens the platform's contacts application" [ "$(json "$S/app.json" "((d.get('platform_window') or {}).get('kind'), d['symbol_pad']['last_symbol'])")" = "('contacts', 'ClassicContactAction')" ]
check "closing it leaves the list without the pad" [ "$(json "$S/back.json" "(d['symbol_pad']['open'], d.get('platform_window'))")" = "(False, None)" ]
check "after a symbol the screen is drawn afresh" same_image "$S/back.png" "$S/back-full.png"
{ hold_and_slide 150; printf 'dump after.json\n'; } | run_script sym-close
check "close ends the program at once" [ "$rc" -eq 0 -a ! -e "$WORK/shots-sym-close/after.json" ]

printf 'hide_contact_without_phone=0\ndefault_to_close=1\n' >"$HOME_DIR/settings.ini"
{ printf 'down 210 300\nwait 300\ndump held.json\nmove 150 270\nup 150 270\nwait 300\ndump third.json\nquit\n'; } | run_script to-close
S="$WORK/shots-to-close"
check "default_to_close: minimise third, close fourth and under the pen" [ "$(json "$S/held.json" "[(s['action'], s['pressed']) for s in d['symbol_pad']['symbols']][2:]")" = "[('IconHideAction', False), ('CloseAction', True)]" ]
check "default_to_close: the third symbol minimises" [ "$(json "$S/third.json" "d['symbol_pad']['last_symbol']")" = "IconHideAction" ]
printf 'hide_contact_without_phone=0\n' >"$HOME_DIR/settings.ini"

# --- Options: theme archives without regard to case, theme and full screen kept, About -------
cp "$HOME_DIR/Touch.qbt" "$HOME_DIR/aqua.qbt"
{ hold_and_slide 90; printf 'dump menu.json\ntap 120 19\nwait 500\ndump themes.json\ntap 120 49\nwait 500\ndump theme.json\n'
  hold_and_slide 90; printf 'tap 120 49\nwait 500\ndump full.json\n'
  # Out of full screen the task bar (26 px) pushes the window down.
  hold_and_slide 90; printf 'tap 120 105\nwait 300\ndump about.json\nkey VK_RETURN\nwait 300\ndump after-about.json\nquit\n'; } | run_script options
O="$WORK/shots-options"
check "the options run" [ "$rc" -eq 0 ]
check "the options menu's entries" [ "$(json "$O/menu.json" "[m['labels'] for m in d['popup_menu']]")" = "[['Choose theme', 'Toggle Fullscreen', 'About']]" ]
check "theme archives sorted without regard to case" [ "$(json "$O/themes.json" "[m['labels'] for m in d['popup_menu']]")" = "[['aqua', 'Nightfall', 'Touch']]" ]
check "choosing a theme loads it and closes the menu" [ "$(json "$O/theme.json" "(d['shell']['theme_name'], d['popup_menu'])")" = "('Nightfall.qbt', [])" ]
check "Toggle Fullscreen leaves full screen" [ "$(json "$O/full.json" "(d['shell']['full_screen'], d['screen']['task_bar_visible'])")" = "(False, True)" ]
check "About shows its message box" [ "$(json "$O/about.json" "[w['title'] for w in d['windows'] if w['class'] == '#MessageBox']")" = "['Quillbook']" ]
check "and OK closes it" [ "$(json "$O/after-about.json" "[w for w in d['windows'] if w['class'] == '#MessageBox']")" = "[]" ]
printf 'dump again.json\nquit\n' | run_script restart
check "theme and full screen are kept across a restart" [ "$(json "$WORK/shots-restart/again.json" "(d['shell']['theme_name'], d['shell']['full_screen'])")" = "('Nightfall.qbt', False)" ]

finish
