#!/usr/bin/env bash
# The platform's contact editor in headless runs: the new-contact row opens an empty editor
# whose typed contact appears in the list (file-as name following the name); editing a number
# changes the row; Cancel and Escape change nothing, in the list or in the store; a sender who
# is not a contact opens the editor with the sender's number as the mobile number, and
# cancelling leaves the sender's row as it was. The editor's shot at 240x320 is compared with a golden
# image (UPDATE_GOLDEN=1 rewrites it), and the editor is looked at in the other sizes.
set -u

BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
PHONE="$QB_BIN/qbphone"
GOLDEN="$(cd "$(dirname "$0")" && pwd)/golden"
. "$(dirname "$0")/lib.sh"

DEVICE="$WORK/device"
HOME_DIR="$WORK/home"
phone() { "$PHONE" --device "$DEVICE" "$@"; }
run_script() {  # run_script NAME [ARGS...] (script on stdin); sets rc
  local name="$1"
  shift
  cat >"$WORK/$name.qbs"
  "$BIN" --headless --home "$HOME_DIR" --device "$DEVICE" --script "$WORK/$name.qbs" \
    --shots "$WORK/shots-$name" "$@" >"$WORK/$name.out" 2>&1
  rc=$?
}
json() { python3 -c "import json,sys; d=json.load(open(sys.argv[1])); print($2)" "$1" "${@:3}"; }
# field FILE LABEL [N]: the value of the Nth field (from 0) with that label in the open editor
field() { json "$1" "[f['value'] for f in d['platform_window']['fields'] if f.get('label')==sys.argv[2]][int(sys.argv[3])]" "$2" "${3:-0}"; }
# tap_field FILE LABEL: the middle of that field's box, as "X Y"
tap_field() { json "$1" "(lambda r: '%d %d' % ((r[0]+r[2])//2, (r[1]+r[3])//2))([f['rect'] for f in d['platform_window']['fields'] if f.get('label')==sys.argv[2]][0])" "$2"; }
center() { json "$1" "(lambda r: '%d %d' % ((r[0]+r[2])//2, (r[1]+r[3])//2))(d['platform_window'][sys.argv[2]])" "$2"; }
row_names() { json "$1" "'\n'.join(r['name'] + '|' + r['second_line'] for r in d['list_screen']['rows'])"; }
store_has() { phone contacts list | grep -q -- "$1"; }

mkdir -p "$HOME_DIR"
[ -z "${KEEP:-}" ] || echo "work folder: $WORK"
printf 'hide_contact_without_phone=0\nseparator_item_height=0\n' >"$HOME_DIR/settings.ini"
ALICE="$(phone contacts add firstname=Alice lastname=Alpha mobilephone="+33 6 11 11 11 11" \
  company=Acme)"
phone sms receive 5559999 "who is this" --name Stranger >/dev/null

# --- Where things are: the list and the empty editor -----------------------------------------
run_script probe <<'SCRIPT'
dump list.json
quit
SCRIPT
P="$WORK/shots-probe"
check "probe runs" test "$rc" -eq 0
NEW_Y="$(json "$P/list.json" "(lambda l: (lambda i: l['list_rect'][1] - l['scroll_offset'] + sum(r['height'] for r in l['rows'][:i]) + l['rows'][i]['height'] // 2)([r['kind'] for r in l['rows']].index('NewContactListItem')))(d['list_screen'])")"
SENDER="$(json "$P/list.json" "[r['name'] for r in d['list_screen']['rows'] if r['kind']=='SmsContactListItem'][0]")"
check "the sender is listed" test -n "$SENDER"

run_script open <<SCRIPT
tap 120 $NEW_Y
dump editor.json
shot editor.png
key VK_ESCAPE
dump after.json
quit
SCRIPT
O="$WORK/shots-open"
check "the new-contact row opens the editor" has "$O/editor.json" '"kind":"editor"'
check "titled New contact" has "$O/editor.json" '"title":"New contact"'
check "an empty form" test "$(field "$O/editor.json" Mobile)" = ""
check "rare groups folded" has "$O/editor.json" '"more_fields_folded":true'
check "Escape closes it" lacks "$O/after.json" '"platform_window"'
check "Escape creates nothing" test "$(phone contacts list | wc -l)" -eq 1
if [ -n "${UPDATE_GOLDEN:-}" ]; then cp "$O/editor.png" "$GOLDEN/pim_editor_240x320.png"; fi
check "editor golden" cmp -s "$O/editor.png" "$GOLDEN/pim_editor_240x320.png"
FIRST="$(tap_field "$O/editor.json" 'First name')"
OK="$(center "$O/editor.json" ok_rect)"
CANCEL="$(center "$O/editor.json" cancel_rect)"

# --- A new contact typed in: first and last name, then on to the mobile number with Return ----
returns() { for _ in $(seq "$1"); do echo "press VK_RETURN"; done; }
{
  echo "tap 120 $NEW_Y"
  echo "tap $FIRST"
  echo "char Zoe"
  returns 2
  echo "char Zulu"
  echo "dump typed.json"
  returns 8
  echo "char 555 0123"
  echo "dump mobile.json"
  echo "shot mobile.png"
  echo "tap $OK"
  echo "wait 500"
  echo "dump saved.json"
  echo "quit"
} | run_script new
N="$WORK/shots-new"
check "file-as follows the name" test "$(field "$N/typed.json" 'File as')" = "Zulu, Zoe"
check "Return reached the mobile field" test "$(field "$N/mobile.json" Mobile)" = "555 0123"
check "the mobile field is on screen" json "$N/mobile.json" "(lambda f: f['rect'][1] >= d['platform_window']['form_rect'][1] and f['rect'][3] <= d['platform_window']['form_rect'][3])([f for f in d['platform_window']['fields'] if f.get('label')=='Mobile'][0])"
check "OK closes the editor" lacks "$N/saved.json" '"platform_window"'
check "the new contact is in the list" has <(row_names "$N/saved.json") "Zulu, Zoe"
check "the new contact is stored" store_has "555 0123"

# --- Editing a number changes the row; Cancel and Escape change nothing -------------------------
{
  echo "test edit Alpha, Alice"
  echo "dump editing.json"
  echo "tap $FIRST"
  returns 10
  echo "char +33 6 99 99 99 99"
  echo "tap $OK"
  echo "wait 500"
  echo "dump edited.json"
  echo "test edit Alpha, Alice"
  echo "tap $FIRST"
  echo "char Mallory"
  echo "tap $CANCEL"
  echo "dump cancelled.json"
  echo "test edit Alpha, Alice"
  echo "tap $FIRST"
  echo "char Eve"
  echo "key VK_ESCAPE"
  echo "dump escaped.json"
  echo "quit"
} | run_script edit
E="$WORK/shots-edit"
check "the editor shows the stored contact" test "$(field "$E/editing.json" Company)" = "Acme"
check "titled Edit contact" has "$E/editing.json" '"title":"Edit contact"'
check "the row shows the new number" has <(row_names "$E/edited.json") "+33 6 99 99 99 99"
check "the store has the new number" has <(phone contacts show "$ALICE") "mobilephone=+33 6 99 99 99 99"
check "the company is kept" has <(phone contacts show "$ALICE") "company=Acme"
check "Cancel keeps the name" test "$(row_names "$E/cancelled.json")" = "$(row_names "$E/edited.json")"
check "Escape keeps the name" test "$(row_names "$E/escaped.json")" = "$(row_names "$E/edited.json")"
check "nothing of Cancel or Escape stored" lacks <(phone contacts show "$ALICE") "Mallory\|Eve"

# --- The sender who is not a contact ------------------------------------------------------------
{
  echo "test edit $SENDER"
  echo "dump sender.json"
  echo "shot sender.png"
  echo "tap $CANCEL"
  echo "dump sender-cancelled.json"
  echo "quit"
} | run_script sender
S="$WORK/shots-sender"
check "the sender's number is the mobile number" test "$(field "$S/sender.json" Mobile)" = "5559999"
check "titled New contact for the sender" has "$S/sender.json" '"title":"New contact"'
check "the sender's row stays after Cancel" has <(row_names "$S/sender-cancelled.json") "$SENDER"
check "Cancel stores no contact for the sender" lacks <(phone contacts list) "5559999"

# --- The editor in the other sizes (looked at, not compared) -------------------------------------
for size in 480x800 320x240 800x480; do
  run_script "size-$size" --screen "$size" <<SCRIPT
test edit $SENDER
shot editor.png
dump editor.json
quit
SCRIPT
  check "editor at $size" has "$WORK/shots-size-$size/editor.json" '"kind":"editor"'
done

finish
