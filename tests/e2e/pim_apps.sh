#!/usr/bin/env bash
# The platform's contact windows in headless runs. The editor: the new-contact row opens an
# empty editor whose typed contact appears in the list (file-as name following the name); a
# tapped field brings the platform's keyboard up over the modal editor and its keys type there;
# editing a number changes the row; Cancel and Escape change nothing; a sender who is not a
# contact opens with the sender's number as the mobile number. The viewer (the detail screen's
# View) shows every stored value of a rich demo contact, scrolls, and edits through the editor.
# The picture chooser (Set Pictures) lists the device's pictures newest first, refuses a file
# over 16 MiB or one that does not decode, and stores the tapped one. The contacts application
# lists every contact alphabetically with its main number and opens the viewer; a desktop
# profile may name another program instead. Shots of the editor, viewer and chooser at 240x320
# are compared with golden images (QB_UPDATE_GOLDEN=1 rewrites them); the other sizes are looked at.
set -u

BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
PHONE="$QB_BIN/qbphone"
. "$(dirname "$0")/lib.sh"

DEVICE="$WORK/device"
HOME_DIR="$WORK/home"
phone() { "$PHONE" --device "$DEVICE" "$@"; }
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
check "editor golden" golden "$O/editor.png" pim_editor_240x320
FIRST="$(tap_field "$O/editor.json" 'First name')"
OK="$(center "$O/editor.json" ok_rect)"
CANCEL="$(center "$O/editor.json" cancel_rect)"

# --- The platform's keyboard comes up over the modal editor and types into it -----------------
run_script kprobe <<SCRIPT
tap 120 $NEW_Y
tap $FIRST
dump keys.json
shot keys.png
key VK_ESCAPE
dump closed.json
quit
SCRIPT
KP="$WORK/shots-kprobe"
check "a tapped field brings the keyboard up" test "$(json "$KP/keys.json" "d['keyboard']['system_panel_shown']")" = True
check "the editor ends above the keyboard" json "$KP/keys.json" "d['platform_window']['ok_rect'][3] <= [b for b in d['soft_keyboards'] if b['on_screen']][0]['keys'][0]['rect'][1] or sys.exit(1)"
check "the keyboard goes down with the editor" test "$(json "$KP/closed.json" "d['keyboard']['system_panel_shown']")" = False
# With the keyboard up, OK and Cancel sit above it.
OK_K="$(center "$KP/keys.json" ok_rect)"
CANCEL_K="$(center "$KP/keys.json" cancel_rect)"
key_taps() {  # key_taps LABEL...: script lines tapping the shown keyboard's keys
  python3 - "$KP/keys.json" "$@" <<'PY'
import json, sys
d = json.load(open(sys.argv[1]))
keys = {k["label"]: k["rect"] for b in d["soft_keyboards"] if b["on_screen"] for k in b["keys"]}
for label in sys.argv[2:]:
    l, t, r, b = keys[label]
    print("tap %d %d" % ((l + r) // 2, (t + b) // 2))
PY
}
{
  echo "tap 120 $NEW_Y"
  echo "tap $FIRST"
  key_taps z o e
  echo "dump typed.json"
  echo "key VK_ESCAPE"
  echo "quit"
} | run_script keys
check "the keyboard's keys type into the field" test "$(field "$WORK/shots-keys/typed.json" 'First name')" = "Zoe"

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
  echo "tap $OK_K"
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
  echo "tap $OK_K"
  echo "wait 500"
  echo "dump edited.json"
  echo "test edit Alpha, Alice"
  echo "tap $FIRST"
  echo "char Mallory"
  echo "tap $CANCEL_K"
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

# --- The viewer: every field of the richest demo contact, Edit and Back ------------------------
DEVICE="$WORK/demo-device"
phone seed-demo --contacts 20 >/dev/null
run_script vprobe <<'SCRIPT'
dump list.json
quit
SCRIPT
# The richest contact (most stored fields) among the rows on the first screen.
for oid in $(phone contacts list | cut -f1); do phone contacts show "$oid" >"$WORK/show-$oid.txt"; done
RICH="$(python3 - "$WORK/shots-vprobe/list.json" "$WORK"/show-*.txt <<'PY'
import json, sys
l = json.load(open(sys.argv[1]))["list_screen"]
y, visible = l["list_rect"][1] - l["scroll_offset"], set()
for r in l["rows"]:
    if y + r["height"] <= l["list_rect"][3]:
        visible.add(r["name"])
    y += r["height"]
best = (0, "")
for f in sys.argv[2:]:
    lines = open(f, encoding="utf-8").read().splitlines()
    fields = dict(x.split("=", 1) for x in lines)
    if fields.get("fileas") in visible:
        best = max(best, (len(lines), fields["oid"]))
print(best[1])
PY
)"
check "a rich contact is on the first screen" test -n "$RICH"
# png FILE W H [R G B]: a generated gradient picture
png() {
  python3 - "$@" <<'PY'
import struct, sys, zlib
w, h = int(sys.argv[2]), int(sys.argv[3])
r, g, b = (int(v) for v in (sys.argv[4:7] or (200, 60, 40)))
rows = b"".join(b"\0" + bytes((r, (g + y * 3) % 256, b)) * w for y in range(h))
chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d))
open(sys.argv[1], "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
                              + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
PY
}
png "$WORK/rich.png" 64 48
phone contacts set "$RICH" picture="$WORK/rich.png" note="Met at the fair.
Likes tea." email="rich@example.org" nickname="Rich" >/dev/null
phone contacts show "$RICH" >"$WORK/rich.txt"
RICH_NAME="$(sed -n 's/^fileas=//p' "$WORK/rich.txt")"
RICH_Y="$(json "$WORK/shots-vprobe/list.json" "(lambda l: (lambda i: l['list_rect'][1] - l['scroll_offset'] + sum(r['height'] for r in l['rows'][:i]) + l['rows'][i]['height'] // 2)([r['name'] for r in l['rows']].index(sys.argv[2])))(d['list_screen'])" "$RICH_NAME")"
run_script vmenu <<SCRIPT
tap 120 $RICH_Y
wait 500
dump menu.json
quit
SCRIPT
# The picture area opens the detail screen's menu; its first item is View.
MENU="$(json "$WORK/shots-vmenu/menu.json" "' '.join(str(v) for v in (lambda b: (b[0] + 2, b[3] - 2))(d['detail_screen']['photo_box']))")"
VIEW="$(json "$WORK/shots-vmenu/menu.json" "'%d %d' % (lambda r: ((r[0] + r[2]) // 2, (r[1] + r[3]) // 2))(d['detail_screen']['options_menu']['button_rects'][0])")"
run_script viewer <<SCRIPT
tap 120 $RICH_Y
wait 500
tap $MENU
wait 500
tap $VIEW
wait 500
dump viewer.json
shot viewer.png
drag 120 250 120 80 300
wait 100
dump scrolled.json
key VK_ESCAPE
dump back.json
quit
SCRIPT
V="$WORK/shots-viewer"
check "View opens the viewer" has "$V/viewer.json" '"kind":"viewer"'
check "the picture is shown" has "$V/viewer.json" '"picture":true'
check "titled with the contact's name" test "$(json "$V/viewer.json" "d['platform_window']['title']")" = "$RICH_NAME"
# Every text value the store holds is shown, once, with a label; nothing else is.
check "every stored value is shown" python3 - "$V/viewer.json" "$WORK/rich.txt" <<'PY'
import json, sys
d = json.load(open(sys.argv[1]))["platform_window"]
shown = [f["value"] for f in d["fields"] if "value" in f]
assert all(f["label"] for f in d["fields"] if "value" in f)
stored = [l.rstrip("\n").split("=", 1)[1].replace("\\n", "\n") for l in open(sys.argv[2], encoding="utf-8")
          if l.split("=", 1)[0] not in ("oid", "favorite", "picture")]
missing = [v for v in stored if v not in shown]
extra = [v for v in shown if v not in stored]
assert not missing and not extra and len(shown) == len(stored), (missing, extra)
PY
check "the note is shown whole" has "$V/viewer.json" 'Met at the fair.\\nLikes tea.'
check "a finger drag scrolls it" test "$(json "$V/scrolled.json" "d['platform_window']['scroll_offset']")" -gt 0
check "Escape leaves it" lacks "$V/back.json" '"platform_window"'
check "back on the detail screen" has "$V/back.json" '"detail_screen"'
check "viewer golden" golden "$V/viewer.png" pim_viewer_240x320
EDIT="$(center "$V/viewer.json" edit_rect)"
BACK="$(center "$V/viewer.json" back_rect)"
{
  echo "tap 120 $RICH_Y"
  echo "wait 500"
  echo "tap $MENU"
  echo "wait 500"
  echo "tap $VIEW"
  echo "wait 500"
  echo "tap $EDIT"
  echo "dump editor.json"
  echo "tap $FIRST"
  returns 5
  echo "char Richer"
  echo "tap $OK_K"
  echo "wait 500"
  echo "dump viewer-again.json"
  echo "tap $BACK"
  echo "dump closed.json"
  echo "quit"
} | run_script vedit
W="$WORK/shots-vedit"
check "Edit opens the editor on the contact" test "$(field "$W/editor.json" Nickname)" = "Rich"
check "after OK the viewer shows the change" test "$(field "$W/viewer-again.json" Nickname)" = "Richer"
check "the change is stored" has <(phone contacts show "$RICH") "nickname=Richer"
check "Back closes the viewer" lacks "$W/closed.json" '"platform_window"'
for size in 480x800 800x480; do
  run_script "vsize-$size" --screen "$size" <<SCRIPT
test view $RICH_NAME
shot viewer.png
drag 100 300 100 100 300
shot scrolled.png
dump viewer.json
quit
SCRIPT
  check "viewer at $size" has "$WORK/shots-vsize-$size/viewer.json" '"kind":"viewer"'
done

# --- The picture chooser: the device's pictures, newest first; refusals; the tapped one is set --
png "$WORK/chosen.png" 40 40 30 120 200
printf 'not a picture at all' >"$WORK/broken.jpg"
png "$WORK/huge.png" 8 8
head -c $((16 * 1024 * 1024)) /dev/zero >>"$WORK/huge.png"  # a valid picture, 16 MiB too long
for f in huge.png broken.jpg chosen.png; do phone pictures add "$WORK/$f" >/dev/null; done
NOW="$(date +%s)"
touch -d "@$NOW" "$DEVICE/Pictures/chosen.png"
touch -d "@$((NOW - 10))" "$DEVICE/Pictures/broken.jpg"
touch -d "@$((NOW - 20))" "$DEVICE/Pictures/huge.png"
AARON="$(phone contacts add firstname=Aaron lastname=Aardvark mobilephone=5550001)"
run_script cprobe <<'SCRIPT'
dump list.json
quit
SCRIPT
AARON_Y="$(json "$WORK/shots-cprobe/list.json" "(lambda l: (lambda i: l['list_rect'][1] - l['scroll_offset'] + sum(r['height'] for r in l['rows'][:i]) + l['rows'][i]['height'] // 2)([r['name'] for r in l['rows']].index('Aardvark, Aaron')))(d['list_screen'])")"
SETPIC="$(json "$WORK/shots-vmenu/menu.json" "'%d %d' % (lambda r: ((r[0] + r[2]) // 2, (r[1] + r[3]) // 2))(d['detail_screen']['options_menu']['button_rects'][2])")"
open_chooser() { printf 'tap 120 %s\nwait 500\ntap %s\nwait 500\ntap %s\nwait 500\n' "$AARON_Y" "$MENU" "$SETPIC"; }
{
  open_chooser
  echo "dump chooser.json"
  echo "shot chooser.png"
  echo "key VK_ESCAPE"
  echo "dump escaped.json"
  echo "quit"
} | run_script chooser
C="$WORK/shots-chooser"
check "Set Pictures opens the chooser" has "$C/chooser.json" '"kind":"chooser"'
check "it shows the device's pictures folder" test "$(json "$C/chooser.json" "d['platform_window']['folder']")" = "$DEVICE/Pictures"
check "the pictures, newest first" test "$(json "$C/chooser.json" "' '.join(f['label'] for f in d['platform_window']['fields'])")" = \
  "chosen.png broken.jpg huge.png harbour.jpg garden.png sunset.jpg family.jpg mountain.png"
check "the thumbnails arrived, the bad files are marked" test "$(json "$C/chooser.json" "' '.join(f['state'] for f in d['platform_window']['fields'][:4])")" = \
  "ready not_a_picture too_large ready"
check "Escape leaves it" lacks "$C/escaped.json" '"platform_window"'
check "Escape sets no picture" lacks <(phone contacts show "$AARON") "picture="
check "chooser golden" golden "$C/chooser.png" pim_chooser_240x320
cell() { json "$C/chooser.json" "(lambda r: '%d %d' % ((r[0]+r[2])//2, (r[1]+r[3])//2))([f['rect'] for f in d['platform_window']['fields'] if f['label']==sys.argv[2]][0])" "$1"; }
{
  open_chooser
  echo "tap $(cell huge.png)"
  echo "dump huge.json"
  echo "shot huge.png"
  echo "key VK_RETURN"
  echo "tap $(cell broken.jpg)"
  echo "dump broken.json"
  echo "key VK_RETURN"
  echo "dump still.json"
  echo "tap $(cell chosen.png)"
  echo "wait 500"
  echo "dump chosen.json"
  echo "quit"
} | run_script choose
H="$WORK/shots-choose"
refusal() { json "$1" "d['platform_window']['refusal']"; }
check "a picture over 16 MB is refused, saying so" has <(refusal "$H/huge.json") "larger than 16 MB"
check "an undecodable file is refused, saying so" has <(refusal "$H/broken.json") "not a PNG or JPEG"
check "the chooser stays after a refusal" has "$H/still.json" '"kind":"chooser"'
check "the tapped picture closes it" lacks "$H/chosen.json" '"platform_window"'
check "the contact has the tapped picture" has <(phone contacts show "$AARON") "picture=$(stat -c %s "$WORK/chosen.png") bytes"
for size in 480x800 800x480; do
  run_script "csize-$size" --screen "$size" <<'SCRIPT'
test pictures
dump chooser.json
shot chooser.png
drag 100 300 100 100 300
shot scrolled.png
quit
SCRIPT
  check "chooser at $size" has "$WORK/shots-csize-$size/chooser.json" '"kind":"chooser"'
done

# --- The contacts application: the plain list, the viewer from it; a desktop program instead ---
run_script contacts <<'SCRIPT'
test contacts
dump contacts.json
shot contacts.png
quit
SCRIPT
K="$WORK/shots-contacts"
check "the contacts application opens" has "$K/contacts.json" '"kind":"contacts"'
check "it lists every contact with its main number, alphabetically" python3 - "$K/contacts.json" "$WORK/demo-device" "$PHONE" <<'PY'
import json, subprocess, sys, unicodedata
rows = [(f["label"], f["value"]) for f in json.load(open(sys.argv[1]))["platform_window"]["fields"]]
phone = lambda *a: subprocess.run([sys.argv[3], "--device", sys.argv[2], *a], capture_output=True, text=True).stdout
oids = [l.split("\t")[0] for l in phone("contacts", "list").splitlines()]
order = ["mobilephone", "businessphone", "homephone"]
expected = []
for oid in oids:
    f = dict(l.split("=", 1) for l in phone("contacts", "show", oid).splitlines())
    expected.append((f.get("fileas", ""), next((f[k] for k in order if k in f), None)))
assert len(rows) == len(expected), (len(rows), len(expected))
for name, number in expected:
    match = [r for r in rows if r[0] == name]
    assert match and (number is None or match[0][1] == number), (name, number, match)
base = str.maketrans("łŁøØ", "lLoO")  # letters of their own that sort as their base letter
fold = lambda t: "".join(c for c in unicodedata.normalize("NFD", t.translate(base)) if not unicodedata.combining(c)).casefold()
assert [fold(r[0]) for r in rows] == sorted(fold(r[0]) for r in rows), [r[0] for r in rows]
PY
ROW="$(json "$K/contacts.json" "(lambda r: '%d %d' % ((r[0]+r[2])//2, (r[1]+r[3])//2))([f['rect'] for f in d['platform_window']['fields'] if f['label']=='Aardvark, Aaron'][0])")"
CLOSE="$(center "$K/contacts.json" close_rect)"
run_script contacts-view <<SCRIPT
test contacts
tap $ROW
dump viewer.json
key VK_ESCAPE
dump list-again.json
tap $CLOSE
dump closed.json
quit
SCRIPT
KV="$WORK/shots-contacts-view"
check "a tapped contact opens in the viewer" test "$(json "$KV/viewer.json" "d['platform_window']['title']")" = "Aardvark, Aaron"
check "Back returns to the list" has "$KV/list-again.json" '"kind":"contacts"'
check "Close leaves the application" lacks "$KV/closed.json" '"platform_window"'
for size in 480x800 800x480; do
  run_script "ksize-$size" --screen "$size" <<'SCRIPT'
test contacts
shot contacts.png
dump contacts.json
quit
SCRIPT
  check "contacts at $size" has "$WORK/shots-ksize-$size/contacts.json" '"kind":"contacts"'
done
# A desktop session starts the program the profile names instead, without a shell.
printf '#!/bin/sh\necho "$@" >"%s"\n' "$WORK/started" >"$WORK/other-contacts"
chmod +x "$WORK/other-contacts"
REG='Software\Quillbook\Platform'
phone reg set HKLM "$REG" Contacts sz desktop
phone reg set HKLM "$REG" ContactsProgram sz "$WORK/other-contacts"
run_script desktop <<'SCRIPT'
test contacts
dump desktop.json
quit
SCRIPT
for _ in $(seq 50); do [ -e "$WORK/started" ] && break; sleep 0.1; done
check "the named program was started" test -e "$WORK/started"
check "and the platform's list was not shown" lacks "$WORK/shots-desktop/desktop.json" '"platform_window"'
phone reg set HKLM "$REG" ContactsProgram sz "$WORK/missing-program"
run_script desktop-missing <<'SCRIPT'
test contacts
dump missing.json
quit
SCRIPT
check "a program that cannot start leaves the platform's list" has "$WORK/shots-desktop-missing/missing.json" '"kind":"contacts"'

finish
