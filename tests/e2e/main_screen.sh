#!/usr/bin/env bash
# The main screen as a user sees it, in headless runs on the demo device: the first and the
# second start paint the same list; rows read from the cache get the theme's heights and
# separators even without a readable store; a jump by letter or by index strip is on screen at
# once (the shot equals a full repaint of the same state) and stops a running fling; a desktop
# keyboard types into the list without moving the selection and its Return is the action key;
# a new filter clears the selection and its header carries no index letter; a filter that
# matches nothing shows the empty text; a filter toggle slides in from the right.
set -u

BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
PHONE="$QB_BIN/qbphone"
. "$(dirname "$0")/lib.sh"

run_script() {  # run_script NAME DEVICE HOME [OPTION...] (script on stdin); sets rc
  local name="$1" device="$2" home="$3"
  cat >"$WORK/$name.qbs"
  "$BIN" --headless --home "$home" --device "$device" "${@:4}" \
    --script "$WORK/$name.qbs" --shots "$WORK/shots-$name" >"$WORK/$name.out" 2>&1
  rc=$?
}
# json FILE EXPRESSION: prints a value of the dump (d) computed by a Python expression.
json() { python3 -c "import json,sys; d=json.load(open(sys.argv[1])); print($2)" "$1"; }
# The list screen's rows as "kind name height" lines.
rows() { json "$1" "'\n'.join('%s %s %d' % (r['kind'], r['name'], r['height']) for r in d['list_screen']['rows'])"; }
same_image() { cmp -s "$1" "$2"; }
# The y (screen pixels) that puts the index strip's pen on letter number $2 (0 = '#').
strip_y() {
  json "$1" "(lambda r: r[1] + 3 + int((r[3] - r[1] - 6) / 27 * $2) + 1)(d['list_screen']['index_strip']['rect'])"
}

DEMO="$WORK/demo"
"$PHONE" --device "$DEMO" seed-demo >/dev/null

# --- The first start (no cache) and the second start (from the cache) paint the same list --
for start in first second; do
  run_script "$start" "$DEMO" "$WORK/home" <<'SCRIPT'
dump list.json
shot list.png
quit
SCRIPT
  check "$start start exits 0" test "$rc" -eq 0
done
F="$WORK/shots-first"
S="$WORK/shots-second"
rows "$F/list.json" >"$WORK/first.rows"
rows "$S/list.json" >"$WORK/second.rows"
check "second start has the rows of the first" cmp -s "$WORK/first.rows" "$WORK/second.rows"
check "contact rows take the theme's height" \
  test "$(grep -c '^ContactListItem .* 40$' "$WORK/second.rows")" -gt 100
check "second start has letter separators" grep -q '^SeparatorItem M ' "$WORK/second.rows"
check "both starts look the same" same_image "$F/list.png" "$S/list.png"

# --- Without a readable contact store the cached rows still get heights and separators ----
BROKEN="$WORK/broken"
cp -r "$DEMO" "$BROKEN"
head -c 4096 /dev/urandom >"$BROKEN/contacts.db"
cp -r "$WORK/home" "$WORK/home-broken"
run_script broken "$BROKEN" "$WORK/home-broken" <<'SCRIPT'
dump list.json
quit
SCRIPT
rows "$WORK/shots-broken/list.json" >"$WORK/broken.rows"
check "cache alone: letter separators" grep -q '^SeparatorItem M ' "$WORK/broken.rows"
check "cache alone: theme heights" \
  test "$(grep -c '^ContactListItem .* 40$' "$WORK/broken.rows")" -gt 100

# --- A jump is on screen at once -----------------------------------------------------------
M_Y="$(strip_y "$S/list.json" 13)"
C_Y="$(strip_y "$S/list.json" 3)"
run_script jump "$DEMO" "$WORK/home" <<SCRIPT
wait 5000
char m
shot typed.png
dump typed.json
post 2024
shot typed-full.png
tap 5 $C_Y
wait 1000
shot strip.png
dump strip.json
post 2024
shot strip-full.png
tap 5 $M_Y
wait 1000
dump jump.json
quit
SCRIPT
J="$WORK/shots-jump"
check "jump run exits 0" test "$rc" -eq 0
check "typed letter moves the list" test "$(json "$J/typed.json" "d['list_screen']['scroll_offset']")" -gt 0
check "typed jump is on screen" same_image "$J/typed.png" "$J/typed-full.png"
check "marker on the typed letter" test "$(json "$J/typed.json" "d['list_screen']['index_strip']['current_letter']")" = M
check "strip jump is on screen" same_image "$J/strip.png" "$J/strip-full.png"
check "marker on the strip's letter" test "$(json "$J/strip.json" "d['list_screen']['index_strip']['current_letter']")" = C

# --- A jump during a fling lands on the letter ----------------------------------------------
run_script fling "$DEMO" "$WORK/home" <<SCRIPT
drag 120 250 120 60 60
tap 5 $M_Y
wait 3000
dump fling.json
quit
SCRIPT
jump_offset="$(json "$J/jump.json" "d['list_screen']['scroll_offset']")"
fling_offset="$(json "$WORK/shots-fling/fling.json" "d['list_screen']['scroll_offset']")"
check "a jump stops the fling ($fling_offset = $jump_offset)" test "$fling_offset" = "$jump_offset"

# --- A desktop keyboard: typing, Backspace, Return --------------------------------------------
run_script keys "$DEMO" "$WORK/home" <<'SCRIPT'
wait 5000
press M
dump m.json
press A
press R
dump mar.json
press VK_BACK
press VK_BACK
press VK_BACK
dump cleared.json
key VK_DOWN
press VK_RETURN
dump action.json
quit
SCRIPT
K="$WORK/shots-keys"
check "keys run exits 0" test "$rc" -eq 0
check "a pressed letter jumps like the phone's key" \
  test "$(json "$K/m.json" "d['list_screen']['scroll_offset']")" = "$(json "$J/typed.json" "d['list_screen']['scroll_offset']")"
check "a pressed letter selects nothing" test "$(json "$K/m.json" "d['list_screen']['selected_index']")" = -1
check "pressed letters filter" has "$K/mar.json" '"filter_title":"Matching '"'"'mar'"'"'"'
check "Backspaces clear the filter" test "$(json "$K/cleared.json" "d['list_screen']['filter']")" = ""
check "Backspaces select nothing" test "$(json "$K/cleared.json" "d['list_screen']['selected_index']")" = -1
check "Backspaces leave the list at its top" test "$(json "$K/cleared.json" "d['list_screen']['scroll_offset']")" = 0
check "Return is the action key" \
  test "$(json "$K/action.json" "[p['visible'] for p in d['shell']['panels'] if p['name'] == 'ContactDetailPanel'][0]")" = True

# --- Filters: selection, index letter of the header, empty text, slide direction ---------------
run_script filters "$DEMO" "$WORK/home" <<'SCRIPT'
key VK_DOWN
dump selected.json
drag 220 120 40 125 150
dump favourites.json
wait 5000
char z
char q
char x
dump nothing.json
quit
SCRIPT
V="$WORK/shots-filters"
check "filters run exits 0" test "$rc" -eq 0
check "a key selects a row" test "$(json "$V/selected.json" "d['list_screen']['selected_index']")" -ge 0
check "a new filter clears the selection" \
  test "$(json "$V/favourites.json" "d['list_screen']['selected_index']")" = -1
check "the header carries no index letter" \
  test -z "$(json "$V/favourites.json" "d['list_screen']['index_strip']['current_letter']")"
check "a filter toggle slides in from the right" \
  test "$(json "$V/favourites.json" "d['shell']['last_transition'], d['shell']['last_transition_direction']")" = "slide 0"
check "a filter matching nothing shows the empty text" \
  test "$(json "$V/nothing.json" "d['list_screen']['empty_text_shown']")" = True
check "the full list does not" test "$(json "$V/selected.json" "d['list_screen']['empty_text_shown']")" = False

# --- A screen larger than the theme's background image: the rest is the background colour ----
# Touch's background images are 320x320; at 480x800 the detail screen must not leave the list's
# rows showing below them.
run_script big "$DEMO" "$WORK/home-big" --screen 480x800 <<'SCRIPT'
wait 3000
tap 240 200
wait 1000
dump detail.json
shot detail.png
quit
SCRIPT
G="$WORK/shots-big"
check "big run exits 0" test "$rc" -eq 0
check "a tap opens the detail screen at 480x800" \
  test "$(json "$G/detail.json" "[p['visible'] for p in d['shell']['panels'] if p['name'] == 'ContactDetailPanel'][0]")" = True
check "below the theme's image the detail screen is its background colour" \
  test "$(python3 "$(dirname "$0")/png_pixel.py" "$G/detail.png" 0 340 480 800)" = "246,248,251"

finish
