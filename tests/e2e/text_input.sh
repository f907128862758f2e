#!/usr/bin/env bash
# Text input as a user meets it, in headless runs on the demo device, through the test text
# box over the list screen: the keyboard comes up under the focused box and the screens are
# relaid above it (the shot equals a full repaint); a desktop keyboard types accents and a
# character outside the BMP; taps on the soft keyboard type, change pages and capitals, and a
# held Backspace repeats; "nosip" shows nothing and switching input methods replaces it in the
# registry; the keypad types by multi-tap; a second show makes no second keyboard; turning the
# keyboard off, leaving full screen and a contact row's click each put it down; a rotation
# fits it to the new width; a 2000-unit paste keeps 1023 units in the SMS box (never half a
# pair) and all of it in a note-sized box; out of full screen the task bar's button brings up
# the platform's own keyboard and the window fits above it.
set -u

BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
PHONE="$QB_BIN/qbphone"
. "$(dirname "$0")/lib.sh"

run_script() {  # run_script NAME (script on stdin); sets rc
  cat >"$WORK/$1.qbs"
  "$BIN" --headless --home "$WORK/home" --device "$DEMO" \
    --script "$WORK/$1.qbs" --shots "$WORK/shots" >"$WORK/$1.out" 2>&1
  rc=$?
  [ "$rc" -eq 0 ] || cat "$WORK/$1.out"
}
# json FILE EXPRESSION: a value of the dump (d) computed by a Python expression (the parts of
# a tuple separated by spaces).
json() {
  python3 -c "import json,sys; d=json.load(open(sys.argv[1])); v=($2)
print(' '.join(map(str, v)) if isinstance(v, tuple) else v)" "$1"
}
is() { [ "$(json "$1" "$2")" = "$3" ] || { echo "  $2 = $(json "$1" "$2"), expected $3"; false; }; }
# taps FILE LABEL...: script lines tapping the centres of the shown keyboard's keys.
taps() {
  python3 - "$@" <<'PY'
import json, sys
d = json.load(open(sys.argv[1]))
keys = {}
for board in d['soft_keyboards']:
    if board['on_screen']:
        for k in board['keys']:
            keys.setdefault(k['label'], k['rect'])
for label in sys.argv[2:]:
    if label.startswith('wait'):
        print(label)
        continue
    l, t, r, b = keys[label]
    print('tap %d %d' % ((l + r) // 2, (t + b) // 2))
PY
}
S="$WORK/shots"
DEMO="$WORK/demo"
KEY='Software\Quillbook\Contact'
KEYPAD='{B8E4D3C2-7C5F-4A9B-8D2E-3F4A5B6C7D8E}'
"$PHONE" --device "$DEMO" seed-demo >/dev/null

# --- The keyboard comes up under the box; the screens move above it; typing --------------
run_script up <<'SCRIPT'
wait 3000
test textbox 1023
dump up.json
shot up.png
post 2024
shot up-full.png
char héllo wörld 😀
dump typed.json
rotate
dump rotated.json
quit
SCRIPT
check "up: exit 0" test "$rc" -eq 0
check "up: keyboard shown" is "$S/up.json" "d['keyboard']['shown'], d['keyboard']['input_method_name']" "True Keyboard"
check "up: at the bottom" is "$S/up.json" "d['keyboard']['hosted_rect']" "[0, 196, 240, 320]"
check "up: screens relaid above" is "$S/up.json" "d['shell']['last_layout_rect'] == d['keyboard']['relayout_rect'] == [0, 0, 240, 196]" True
# The probe's box is the newest text box (the detail screen's note box exists from the start).
check "up: box above the keyboard, focused" is "$S/up.json" "d['text_boxes'][-1]['rect'][3], d['text_boxes'][-1]['focused'], d['text_boxes'][-1]['limit']" "196 True 1023"
check "up: one hosted window" is "$S/up.json" "sum(w['class'] == 'QBKSipClass' for w in d['windows'])" 1
check "up: shot equals a full repaint" cmp -s "$S/up.png" "$S/up-full.png"
check "typed: accents, a pair, a capital" is "$S/typed.json" "d['text_boxes'][-1]['text'] == 'Héllo wörld 😀' and d['text_boxes'][-1]['length'] == 14" True
check "rotated: keyboard as wide as the screen" is "$S/rotated.json" "d['keyboard']['hosted_rect'], d['shell']['last_layout_rect']" "[0, 116, 320, 240] [0, 0, 320, 116]"

# --- Taps on the soft keyboard: letters, accents page, shift, Backspace held --------------
{
  echo "wait 3000"
  echo "test textbox 1023"
  # The accents page has 'é' where the letters page has 'o', and 'ABC' where it has '123'.
  taps "$S/up.json" h i space 'àé' o 123 '⇧' o k
  echo "dump tapped.json"
  taps "$S/up.json" '⌫' | sed 's/^tap/down/'
  echo "wait 800"
  taps "$S/up.json" '⌫' | sed 's/^tap/up/'
  echo "dump held.json"
  echo "quit"
} | run_script soft
check "soft: exit 0" test "$rc" -eq 0
check "soft: taps type" is "$S/tapped.json" "d['text_boxes'][-1]['text']" "Hi éOk"
check "soft: a held Backspace repeats" is "$S/held.json" "d['text_boxes'][-1]['text']" "H"

# --- nosip, switching, the keypad, a second show, putting the keyboard down ---------------
run_script choice <<'SCRIPT'
wait 3000
test textbox 1023
test sip disable
dump disabled.json
test textbox 1023
dump nosip.json
test sip switch Phone Keypad
dump keypad.json
quit
SCRIPT
check "choice: exit 0" test "$rc" -eq 0
check "disable: hidden, full height" is "$S/disabled.json" "d['keyboard']['shown'], d['keyboard']['current_sip'], d['shell']['last_layout_rect']" "False nosip [0, 0, 240, 320]"
check "nosip: a focused box shows nothing" is "$S/nosip.json" "d['keyboard']['shown'], d['text_boxes'][-1]['focused']" "False True"
check "switch: keypad shown and chosen" is "$S/keypad.json" "d['keyboard']['shown'], d['keyboard']['input_method']" "True $KEYPAD"
check "switch: registry holds the keypad" \
  test "$("$PHONE" --device "$DEMO" reg get HKCU "$KEY" CurrentSIP)" = "CurrentSIP sz $KEYPAD"

{
  echo "wait 3000"
  echo "test textbox 1023"
  taps "$S/keypad.json" 2 2 'wait 1200' 3
  echo "dump multitap.json"
  echo "test sip show"
  echo "dump again.json"
  echo "deactivate"
  echo "dump inactive.json"
  echo "activate"
  echo "test textbox 1023"
  echo "tap 120 85"
  echo "wait 1000"
  echo "dump clicked.json"
  echo "quit"
} | run_script keypad
check "keypad: exit 0" test "$rc" -eq 0
check "keypad: the stored choice comes up" is "$S/multitap.json" "d['keyboard']['input_method_name']" "Phone Keypad"
check "keypad: multi-tap" is "$S/multitap.json" "d['text_boxes'][-1]['text']" "Bd"
check "second show: one window, one keyboard" is "$S/again.json" "[len(w['children']) for w in d['windows'] if w['class'] == 'QBKSipClass']" "[1]"
check "leaving full screen puts it down" is "$S/inactive.json" "d['keyboard']['shown']" False
check "a contact row's click puts it down" is "$S/clicked.json" "d['keyboard']['shown'], d['shell']['last_layout_rect'], d['shell']['last_transition']" "False [0, 0, 240, 320] slide"

# --- A 2000-unit paste: the SMS box keeps 1023 units at most, a note box all ---------------
LONG="$(python3 -c "print('x' * 1022 + '😀' + 'y' * 976)")"
run_script paste <<SCRIPT
wait 3000
test textbox 1023
paste $LONG
dump sms.json
test textbox 32767
paste $LONG
dump note.json
quit
SCRIPT
check "paste: exit 0" test "$rc" -eq 0
check "paste: SMS box keeps what fits, no half pair" is "$S/sms.json" "d['text_boxes'][-1]['length'], set(d['text_boxes'][-1]['text'])" "1022 {'x'}"
check "paste: note box keeps all" is "$S/note.json" "d['text_boxes'][-1]['length']" 2000

# --- Not full screen: the task bar's button brings up the platform's own keyboard ----------
"$PHONE" --device "$DEMO" reg set HKCU "$KEY" Fullscreen dword 0 >/dev/null
run_script platform <<'SCRIPT'
wait 3000
tap 144 13
dump sip-up.json
tap 144 13
dump sip-down.json
quit
SCRIPT
SIP="[w['visible'] for w in d['windows'] if w['class'] == 'SipWndClass'][0]"
check "platform keyboard: exit 0" test "$rc" -eq 0
check "platform keyboard: shown, the window above it" is "$S/sip-up.json" "$SIP, d['shell']['last_layout_rect']" "True [0, 0, 240, 170]"
check "platform keyboard: down again" is "$S/sip-down.json" "$SIP, d['shell']['last_layout_rect']" "False [0, 0, 240, 294]"

finish
