#!/usr/bin/env bash
# sms: links (RFC 5724) on the command line: the SMS screen opens for the first number's
# contact (matched by number, whatever its spelling) with the body in the text box, or for a
# pseudo-contact when the number is nobody's; a malformed link opens nothing and says why;
# a later start hands its link to the running instance, which opens it.
set -u

. "$(dirname "$0")/lib.sh"

phone seed-demo --contacts 0 >/dev/null
phone contacts add firstname=Alice lastname=Alpha mobilephone="+33 6 12 34 56 78" >/dev/null
phone sms receive "+33612345678" "Are you coming?" >/dev/null
screen() { json "$1" "(lambda s: (s['visible'], s['contact'], s['number'], s['text'], s['add_contact_button'], [b['text'] for b in s['bubbles']]))(d['sms_screen'])"; }
SHOT='wait 1000
dump s.json
shot s.png
post 2024
shot full.png
quit'

run_script contact 'sms:0612345678,+15551234?body=Hi%20there%2C%20caf%C3%A9+x' <<<"$SHOT"
check "a link opens the first number's contact with the body in the box" test \
  "$(screen "$WORK/shots-contact/s.json")" = "(True, 'Alpha, Alice', '+33 6 12 34 56 78', 'Hi there, café+x', False, ['Are you coming?'])"
check "and the screen is painted as a full repaint paints it" \
  same_image "$WORK/shots-contact/s.png" "$WORK/shots-contact/full.png"
run_script stranger 'SMS:+1-555-0199' <<<"$SHOT"
check "a number that is nobody's opens a pseudo-contact with the add-contact button" test \
  "$(screen "$WORK/shots-stranger/s.json")" = "(True, '+15550199', '+15550199', '', True, [])"
run_script malformed 'sms:+33612345678?body=%ZZ' <<<"$SHOT"
check "a malformed link opens nothing and says why" test \
  "$rc:$(cat "$WORK/malformed.out")" = "2:quillbook: the sms: URI was not opened: bad percent-encoding"
check "before anything starts" test ! -e "$WORK/shots-malformed"

# --- A running instance opens a later start's link ---------------------------------------------
echo "dump started.json" >"$WORK/live.qbs"
"$BIN" --headless --home "$HOME_DIR" --device "$DEVICE" --script "$WORK/live.qbs" \
  --shots "$WORK/live" >"$WORK/live.out" 2>&1 &
live=$!
check "the first instance starts" wait_for_file "$WORK/live/started.json"
check "a later start with a link ends at once" timeout 10 "$BIN" --home "$HOME_DIR" \
  --device "$DEVICE" 'sms:+33612345678?body=From%20a%20link'
sleep 1
check "running dump" dump_now "$live" "$WORK/live" linked.json
check "the running instance opened the conversation with the body" test \
  "$(screen "$WORK/live/linked.json")" = "(True, 'Alpha, Alice', '+33 6 12 34 56 78', 'From a link', False, ['Are you coming?'])"
timeout 10 "$BIN" --home "$HOME_DIR" --device "$DEVICE" 'sms:?body=nobody' 2>"$WORK/bad.err"
check "a later start with a malformed link ends with 2 and sends nothing" test \
  "$?:$(cat "$WORK/bad.err")" = "2:quillbook: the sms: URI was not opened: no number"
kill -TERM "$live"
wait "$live"
finish
