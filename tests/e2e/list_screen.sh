#!/usr/bin/env bash
# Headless runs of quillbook on seeded device profiles, checked through the state dump: the
# demo contacts are listed, the index strip jumps from both screen edges, contacts added,
# changed and deleted with qbphone while the program runs appear, change and disappear, and a
# contact deleted while the program was closed is gone after the load.
set -u

BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
PHONE="$QB_BIN/qbphone"
. "$(dirname "$0")/lib.sh"

# The number after "KEY": in a dump (the first one).
number() { grep -o "\"$2\":-\?[0-9]*" "$1" | head -1 | cut -d: -f2; }
# The first string value of "KEY" in a dump.
text() { grep -o "\"$2\":\"[^\"]*\"" "$1" | head -1 | cut -d: -f2- | tr -d '"'; }
less_than() { [ "$1" -lt "$2" ]; }

run_script() {  # run_script NAME DEVICE (script on stdin); sets rc
  local name="$1" device="$2"
  cat >"$WORK/$name.qbs"
  "$BIN" --headless --home "$WORK/home" --device "$device" \
    --script "$WORK/$name.qbs" --shots "$WORK/shots-$name" >"$WORK/$name.out" 2>&1
  rc=$?
}

# --- The demo device: its contacts, the index strip from both edges ----------------------
DEMO="$WORK/demo"
"$PHONE" --device "$DEMO" seed-demo >/dev/null
run_script demo "$DEMO" <<'SCRIPT'
dump start.json
tap 5 150
dump left.json
tap 235 40
dump right.json
down 5 100
dump pressed.json
up 5 100
quit
SCRIPT
S="$WORK/shots-demo"
check "demo exits 0" test "$rc" -eq 0
check "list screen visible" has "$S/start.json" '"list_screen":{"visible":true'
check "all contacts at start" has "$S/start.json" '"filter":"AllContactsFilterItem"'
check "contact rows listed" has "$S/start.json" '"kind":"ContactListItem"'
check "loading text gone" lacks "$S/start.json" '"empty_text":"Loading contacts..."'
check "starts at the top" test "$(number "$S/start.json" scroll_offset)" = 0
left_offset="$(number "$S/left.json" scroll_offset)"
right_offset="$(number "$S/right.json" scroll_offset)"
check "left edge jumps down ($left_offset)" less_than 0 "${left_offset:-0}"
check "right edge jumps back up ($right_offset < $left_offset)" \
  less_than "${right_offset:-0}" "${left_offset:-0}"
check "marker follows the jump" test "$(text "$S/left.json" current_letter)" != \
  "$(text "$S/start.json" current_letter)"
check "pen on the strip shows the bubble" has "$S/pressed.json" '"pressed":true'

# --- Typing: a letter after a pause jumps, the next one within 4 s filters ---------------
run_script typing "$DEMO" <<'SCRIPT'
wait 5000
char d
dump jumped.json
char a
dump filtered.json
key VK_BACK
dump one-letter.json
key VK_BACK
dump cleared.json
wait 5000
char 4
dump digit.json
quit
SCRIPT
T="$WORK/shots-typing"
check "typing run exits 0" test "$rc" -eq 0
check "letter separators on a second start" has "$T/jumped.json" '"kind":"SeparatorItem","name":"D"'
check "a letter after a pause jumps" less_than 0 "$(number "$T/jumped.json" scroll_offset)"
check "the jump keeps all contacts" has "$T/jumped.json" '"filter":"AllContactsFilterItem"'
check "a second letter filters" has "$T/filtered.json" '"filter":"LettersFilterItem"'
check "the header shows both letters" has "$T/filtered.json" '"filter_title":"Matching '"'"'da'"'"'"'
check "filtered rows match" has "$T/filtered.json" '"name":"Da Silva'
check "backspace removes a letter" has "$T/one-letter.json" '"filter_title":"Matching '"'"'d'"'"'"'
check "the last backspace removes the filter" has "$T/cleared.json" '"filter":"",'
check "the last backspace shows every contact" test "$(number "$T/cleared.json" displayed_count)" \
  = "$(number "$T/jumped.json" displayed_count)"
check "a digit jumps to the number section" \
  has "$T/digit.json" '"name":"#"[^}]*"on_screen":true'
check "the rows above it are scrolled away" \
  has "$T/digit.json" '"name":"<New Contact...>"[^}]*"on_screen":false'

# --- A swipe across the screen toggles favourites ---------------------------------------
run_script swipe "$DEMO" <<'SCRIPT'
drag 220 120 40 125 150
dump favourites.json
drag 30 120 220 120 150
dump all.json
quit
SCRIPT
W2="$WORK/shots-swipe"
check "swipe run exits 0" test "$rc" -eq 0
check "a swipe shows the favourites" has "$W2/favourites.json" '"filter":"FavoriteFilterItem"'
check "only favourites listed" lacks "$W2/favourites.json" '"kind":"ContactListItem"[^}]*"favourite":false'
check "favourites listed" has "$W2/favourites.json" '"kind":"ContactListItem"[^}]*"favourite":true'
check "a second swipe shows all contacts" has "$W2/all.json" '"filter":"AllContactsFilterItem"'

# --- Changes made with qbphone while the program runs -------------------------------------
LIVE="$WORK/live"
"$PHONE" --device "$LIVE" contacts add firstname=Anna lastname=Able mobilephone=5550100 >/dev/null
cat >"$WORK/live.qbs" <<'SCRIPT'
dump loaded.json
SCRIPT
"$BIN" --headless --home "$WORK/home-live" --device "$LIVE" --script "$WORK/live.qbs" \
  --shots "$WORK/shots-live" >"$WORK/live.out" 2>&1 &
live=$!
L="$WORK/shots-live"
check "live run loads" wait_for_file "$L/loaded.json"
check "stored contact listed" has "$L/loaded.json" '"name":"[^"]*Anna'

settle() { sleep 1; }  # the store reports remote changes within a few polls

oid="$("$PHONE" --device "$LIVE" contacts add firstname=Zed lastname=Zulu mobilephone=5550111)"
settle
check "added dump" dump_now "$live" "$L" added.json
check "added contact appears" has "$L/added.json" '"name":"[^"]*Zed'
"$PHONE" --device "$LIVE" contacts set "$oid" firstname=Zack "fileas=Zulu, Zack" \
  mobilephone=5550999 >/dev/null
settle
check "changed dump" dump_now "$live" "$L" changed.json
check "changed contact shows the new name" has "$L/changed.json" '"name":"[^"]*Zack'
check "old name gone" lacks "$L/changed.json" '"name":"[^"]*Zed'
check "changed number on the second line" has "$L/changed.json" '"second_line":"5550999'
"$PHONE" --device "$LIVE" contacts delete "$oid" >/dev/null
settle
check "deleted dump" dump_now "$live" "$L" deleted.json
check "deleted contact disappears" lacks "$L/deleted.json" 'Zack'
check "the other contact stays" has "$L/deleted.json" '"name":"[^"]*Anna'
kill -TERM "$live"
wait "$live"
check "live run closes normally" test $? -eq 0

# --- A contact deleted while the program was closed --------------------------------------
GONE="$WORK/gone"
"$PHONE" --device "$GONE" contacts add firstname=Keep lastname=Kept mobilephone=5550200 >/dev/null
gone_oid="$("$PHONE" --device "$GONE" contacts add firstname=Gone lastname=Away mobilephone=5550201)"
run_script first "$GONE" <<'SCRIPT'
dump first.json
quit
SCRIPT
check "first run lists both" has "$WORK/shots-first/first.json" '"name":"[^"]*Gone'
CACHE="$WORK/home/contact.cache.txt"
check "cache holds the contact" grep -q "Gone" "$CACHE"
"$PHONE" --device "$GONE" contacts delete "$gone_oid" >/dev/null
run_script second "$GONE" <<'SCRIPT'
dump second.json
quit
SCRIPT
check "second run exits 0" test "$rc" -eq 0
check "deleted contact gone after the load" lacks "$WORK/shots-second/second.json" 'Gone'
check "kept contact listed" has "$WORK/shots-second/second.json" '"name":"[^"]*Keep'
check "cache rewritten without it" lacks "$CACHE" 'Gone'

finish
