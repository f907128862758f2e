#!/usr/bin/env bash
# SMS arriving while the program runs, on a headless run with qbphone as the phone's SMS
# transport: the first start registers the interception library, an SMS from a contact
# switches the list to the contacts with SMS (most unread first, then the "Read SMS"
# separator and the contacts whose SMS are all read), a stranger's SMS adds a pseudo-contact,
# and a later start does not register the library again.
set -u

BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
PHONE="$QB_BIN/qbphone"
. "$(dirname "$0")/lib.sh"

RULES='\Software\Microsoft\Inbox\Svc\SMS\Rules'
CLSID='{2B7F4C19-D3A6-4E58-9C01-B6E4A87F2D35}'
SERVER="\\Software\\Classes\\CLSID\\$CLSID\\InProcServer32"
DEV="$WORK/device"
S="$WORK/shots"
phone() { "$PHONE" --device "$DEV" "$@"; }
# The names of the rows of a dump, one per line, in list order.
rows() { grep -o '"kind":"[A-Za-z]*","name":"[^"]*"' "$1" | sed 's/"kind":"\([A-Za-z]*\)","name":"\([^"]*\)"/\1 \2/'; }

phone contacts add firstname=Anna lastname=Able mobilephone=5550100 >/dev/null
phone contacts add firstname=Bob lastname=Brown mobilephone=5550101 >/dev/null
phone contacts add firstname=Carl lastname=Cole mobilephone=5550102 >/dev/null
phone contacts add firstname=Dave lastname=Dunn mobilephone=5550103 >/dev/null
phone sms receive 5550101 "first" >/dev/null
phone sms receive 5550101 "second" >/dev/null
phone sms receive 5550103 "old news" --read >/dev/null
phone sms receive 5550100 "seen" --read >/dev/null
check "no rule client before the first start" sh -c "! '$PHONE' --device '$DEV' reg get HKLM '$RULES' '$CLSID' >/dev/null 2>&1"

echo "dump loaded.json" >"$WORK/live.qbs"
"$BIN" --headless --home "$WORK/home" --device "$DEV" --script "$WORK/live.qbs" --shots "$S" \
  >"$WORK/live.out" 2>&1 &
live=$!
check "program loads" wait_for_file "$S/loaded.json"
check "all contacts at start" has "$S/loaded.json" '"filter":"AllContactsFilterItem"'
check "first start registers the rule client" has <(phone reg get HKLM "$RULES" "$CLSID") "dword 1"
check "the library serves it" has <(phone reg get HKLM "$SERVER" "") "smsweir.dll"

phone sms receive 5550100 "hello Anna" >/dev/null
check "arrival dump" dump_now "$live" "$S" arrived.json
A="$S/arrived.json"
check "list switched to the SMS filter" has "$A" '"filter":"SmsFilterItem"'
check "unread count raised once" test "$(grep -o '"unread_count":[0-9]*' "$A" | head -1)" = '"unread_count":3'
rows "$A" >"$WORK/order.txt"
cat >"$WORK/expected.txt" <<'ROWS'
SeparatorItem Contacts with SMS
SeparatorItem Unread SMS
ContactListItem Brown, Bob
ContactListItem Able, Anna
SeparatorItem Read SMS
ContactListItem Dunn, Dave
ROWS
check "most unread first, then the read ones" diff "$WORK/expected.txt" "$WORK/order.txt"
check "Anna counts the new SMS" has "$A" '"name":"Able, Anna","second_line":"[^"]*","unread_sms":1,"sms":2'
check "a contact without SMS is not listed" lacks "$A" 'Cole, Carl'

phone sms receive 5559876 "who is this" >/dev/null
check "stranger dump" dump_now "$live" "$S" stranger.json
check "a stranger gets a pseudo-contact" has "$S/stranger.json" '"kind":"SmsContactListItem"[^}]*"unread_sms":1'
check "still the SMS filter" has "$S/stranger.json" '"filter":"SmsFilterItem"'

kill -TERM "$live"
wait "$live"
check "program closes normally" test $? -eq 0

# A later start finds the rule client registered and leaves it alone.
phone reg set HKLM "$SERVER" "" sz kept.dll >/dev/null
cat >"$WORK/again.qbs" <<'SCRIPT'
dump again.json
quit
SCRIPT
"$BIN" --headless --home "$WORK/home" --device "$DEV" --script "$WORK/again.qbs" --shots "$S" \
  >"$WORK/again.out" 2>&1
check "second run exits 0" test $? -eq 0
check "not registered again" has <(phone reg get HKLM "$SERVER" "") "kept.dll"
finish
