#!/usr/bin/env bash
# SMS counts as the user sees them in the list: senders who are not contacts and have unread
# SMS are listed under All contacts from the very first start; an SMS that arrives already read
# leaves the unread count alone but counts on its contact; a read SMS deleted from outside
# lowers its contact's total; a recount leaves letters typed into the list as they were; and SMS
# that arrive while the program starts end in the same counts as a start after them.
set -u

BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
PHONE="$QB_BIN/qbphone"
. "$(dirname "$0")/lib.sh"

DEV="$WORK/device"
S="$WORK/shots"
phone() { "$PHONE" --device "$DEV" "$@"; }
run_script() {  # run_script NAME COMMANDS...: a headless run of the given script lines
  local name="$1"
  shift
  printf '%s\n' "$@" >"$WORK/$name.qbs"
  "$BIN" --headless --home "$WORK/home" --device "$DEV" --script "$WORK/$name.qbs" --shots "$S" \
    >"$WORK/$name.out" 2>&1
}
count_of() { grep -o "\"$2\":[0-9]*" "$1" | head -1 | cut -d: -f2; }
# Rows with SMS as "kind name unread total", sorted; pseudo-contacts only with unread SMS,
# the ones every filter that lists senders shows.
sms_rows() {
  grep -o '"kind":"[A-Za-z]*","name":"[^"]*","second_line":"[^"]*","unread_sms":[0-9]*,"sms":[0-9]*' "$1" |
    sed 's/"kind":"\([A-Za-z]*\)","name":"\([^"]*\)","second_line":"[^"]*","unread_sms":\([0-9]*\),"sms":\([0-9]*\)/\1|\2|\3|\4/' |
    awk -F'|' '$1 != "SeparatorItem" && $4 > 0 && ($1 != "SmsContactListItem" || $3 > 0)' | sort
}

phone contacts add firstname=Anna lastname=Able mobilephone=5550100 >/dev/null
phone contacts add firstname=Bob lastname=Brown mobilephone=5550101 >/dev/null
phone sms receive 5559001 "unread stranger" --name "Stranger One" >/dev/null
# A stranger whose first SMS was read and whose second is not.
phone sms receive 5559002 "read first" --name "Stranger Two" --read --at 2026-01-01T10:00 >/dev/null
phone sms receive 5559002 "then unread" --name "Stranger Two" --at 2026-01-02T10:00 >/dev/null
phone sms receive 5559003 "all read" --name "Stranger Three" --read >/dev/null
hello_id=$(phone sms receive 5550100 "hello" --read)

run_script first "dump first.json" "quit"
F="$S/first.json"
check "first start: a stranger with an unread SMS is listed" has "$F" '"name":"Stranger One"'
check "first start: so is one whose first SMS was read" has "$F" '"name":"Stranger Two"[^}]*"unread_sms":1,"sms":2'
check "first start: a stranger with only read SMS is not" lacks "$F" '"name":"Stranger Three"'
run_script second "dump second.json" "quit"
check "second start lists the same rows" diff <(sms_rows "$F") <(sms_rows "$S/second.json")

echo "dump live.json" >"$WORK/live.qbs"
"$BIN" --headless --home "$WORK/home" --device "$DEV" --script "$WORK/live.qbs" \
  --shots "$S" >"$WORK/live.out" 2>&1 &
live=$!
check "program loads" wait_for_file "$S/live.json"
before=$(count_of "$S/live.json" unread_count)
read_id=$(phone sms receive 5550100 "arrives read" --read)
sleep 1
check "read arrival dump" dump_now "$live" "$S" read.json
check "an SMS that arrives read leaves the unread count" test "$(count_of "$S/read.json" unread_count)" = "$before"
check "it counts on its contact" has "$S/read.json" '"name":"Able, Anna","second_line":"[^"]*","unread_sms":0,"sms":2'
phone sms delete "$read_id" >/dev/null
sleep 1
check "deletion dump" dump_now "$live" "$S" deleted.json
check "deleting a read SMS lowers its contact's total" has "$S/deleted.json" '"name":"Able, Anna","second_line":"[^"]*","unread_sms":0,"sms":1'
kill -TERM "$live"
wait "$live"

# A recount while typed letters refine the list: the refinement, its title and the rows it
# refined stay (Stranger Three, hidden by All contacts, would match the letters).
printf '%s\n' "char A" "char n" "dump typed.json" >"$WORK/typed.qbs"
"$BIN" --headless --home "$WORK/home" --device "$DEV" --script "$WORK/typed.qbs" \
  --shots "$S" >"$WORK/typed.out" 2>&1 &
live=$!
check "typed letters dump" wait_for_file "$S/typed.json"
phone sms delete "$hello_id" >/dev/null
sleep 1
check "recount dump" dump_now "$live" "$S" recounted.json
check "the recount counted" has "$S/recounted.json" '"name":"Able, Anna","second_line":"[^"]*","unread_sms":0,"sms":0'
check "the typed refinement keeps its title" has "$S/recounted.json" "\"name\":\"Matching 'an', All contacts\""
check "and the rows it refined" lacks "$S/recounted.json" '"name":"Stranger Three"'
kill -TERM "$live"
wait "$live"

# SMS arriving while a bigger address book loads.
phone seed-demo --contacts 600 --replace >/dev/null
rm -f "$WORK/home/contact.cache.txt"
numbers=$(phone contacts list | cut -f3 | grep -v '^$' | head -4 | cut -d, -f1)
echo "dump during-load.json" >"$WORK/during.qbs"
"$BIN" --headless --home "$WORK/home" --device "$DEV" --script "$WORK/during.qbs" \
  --shots "$S" >"$WORK/during.out" 2>&1 &
live=$!
while read -r number; do phone sms receive "$number" "while starting" >/dev/null; done <<<"$numbers"
phone sms receive 5559004 "stranger while starting" --name "Stranger Four" >/dev/null
phone sms receive 5550101 "read while starting" --read >/dev/null
check "program loads after the arrivals" wait_for_file "$S/during-load.json"
sleep 2
check "dump after the arrivals" dump_now "$live" "$S" during.json
kill -TERM "$live"
wait "$live"
run_script after "dump after.json" "quit"
check "arrivals during the start give the counts of a start after them" \
  diff <(sms_rows "$S/during.json") <(sms_rows "$S/after.json")
check "the program's unread count is the platform's" \
  test "$(count_of "$S/during.json" unread_count)" = "$(phone reg get HKCU 'System\State\Messages\SMS\Unread' Count | awk '{print $3}')"
finish
