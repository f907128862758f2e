#!/usr/bin/env bash
# The filter menu as a user sees it, headless at 240x320 on a device with a few contacts of
# our own: it opens with the genie out of x 120-180 at the bottom of the list; the company
# folder of "B", "" and "a" lists "a", "B", "<No Company>"; categories are split at ", ";
# "By City..." then the filter button slides back to the root, and the button again closes the
# menu with the genie back; choosing a category filters the list. The root and a folder match
# their golden images (Touch theme) and every shot equals a full repaint of the same state.
# QB_UPDATE_GOLDEN=1 rewrites the golden images.
set -u

BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
PHONE="$QB_BIN/qbphone"
. "$(dirname "$0")/lib.sh"

captions() { json "$1" "'|'.join(e['caption'] for e in d['filter_menu']['entries'])"; }
add() { "$PHONE" --device "$DEVICE" contacts add "$@" >/dev/null; }

DEVICE="$WORK/device"
HOME_DIR="$WORK/home"
"$PHONE" --device "$DEVICE" seed-demo --contacts 0 >/dev/null
mkdir -p "$HOME_DIR"
printf 'hide_contact_without_phone=0\n' >"$HOME_DIR/settings.ini"
add firstname=Ann lastname=Able company=B homeaddresscity=Paris categories="Work, Golf"
add firstname=Ben lastname=Bold homeaddresscity=Oslo categories=Golf
add firstname=Cy lastname=Cole company=a homeaddresscity=Paris

# Entry i (from 0) of the menu's root: its middle, from a dump of the open menu.
entry_y() { json "$1" "(lambda m: m['list_rect'][1] + m['entries'][0]['height'] * int(sys.argv[2]) + m['entries'][0]['height'] // 2)(d['filter_menu'])" "$2"; }
run_script probe <<'SCRIPT'
test filtermenu
dump root.json
quit
SCRIPT
P="$WORK/shots-probe/root.json"
check "probe runs ($rc)" test "$rc" -eq 0
COMPANY_Y="$(entry_y "$P" 3)"
CITY_Y="$(entry_y "$P" 4)"
CATEGORY_Y="$(entry_y "$P" 5)"
GOLF_Y="$(entry_y "$P" 0)"
# The middle of the icon bar's filter button.
read -r FILTER_X FILTER_Y <<<"$(json "$P" "' '.join(str((a + b) // 2) for a, b in zip(d['icon_bar']['buttons'][2]['rect'][:2], d['icon_bar']['buttons'][2]['rect'][2:]))")"

run_script menu <<SCRIPT
dump list.json
test filtermenu
dump root.json
shot root.png
post 2024
shot root-full.png
tap 120 $COMPANY_Y
dump company.json
shot company.png
post 2024
shot company-full.png
test filtermenu
dump company-back.json
tap 120 $CITY_Y
dump city.json
test filtermenu
dump city-back.json
shot city-back.png
post 2024
shot city-back-full.png
test filtermenu
dump closed.json
shot closed.png
post 2024
shot closed-full.png
test filtermenu
tap 120 $CATEGORY_Y
dump category.json
tap 120 $GOLF_Y
dump golf.json
shot golf.png
post 2024
shot golf-full.png
quit
SCRIPT
S="$WORK/shots-menu"
check "menu run exits 0 ($rc)" test "$rc" -eq 0
check "hidden at start" has "$S/list.json" '"filter_menu":{"visible":false'
check "opens at the root" test "$(json "$S/root.json" "d['filter_menu']['level']")" = root
check "root entries in order" test "$(captions "$S/root.json")" = \
  "Favorites|All contacts|Contacts with SMS|By Company...|By City...|By Category..."
BOTTOM="$(json "$S/list.json" "d['list_screen']['list_rect'][3]")"
check "genie out of x 120-180 at the list's bottom ($BOTTOM)" test \
  "$(json "$S/root.json" "(d['shell']['last_transition'], d['shell']['last_genie_target'])")" = \
  "('genie open', [120, $BOTTOM, 180, $BOTTOM])"
check "root golden" golden "$S/root.png" filter_menu_root
check "root shot is a full repaint" same_image "$S/root.png" "$S/root-full.png"

check "company folder: a, B, then no company" test "$(captions "$S/company.json")" = "a|B|<No Company>"
check "company folder slid in from the right" test \
  "$(json "$S/company.json" "(d['shell']['last_transition'], d['shell']['last_transition_direction'])")" = "('slide', 0)"
check "company golden" golden "$S/company.png" filter_menu_company
check "company shot is a full repaint" same_image "$S/company.png" "$S/company-full.png"
check "filter button: company folder back to the root" test \
  "$(json "$S/company-back.json" "d['filter_menu']['level']")" = root

# The new-contact row has no city either.
check "city folder" test "$(captions "$S/city.json")" = "Oslo|Paris|<No City>"
check "filter button: back to the root with a slide from the left" test \
  "$(json "$S/city-back.json" "(d['filter_menu']['visible'], d['filter_menu']['level'], d['shell']['last_transition'], d['shell']['last_transition_direction'])")" = \
  "(True, 'root', 'slide', 1)"
check "back at the root as a full repaint draws it" same_image "$S/city-back.png" "$S/city-back-full.png"
check "filter button again: closed with the genie back" test \
  "$(json "$S/closed.json" "(d['filter_menu']['visible'], d['list_screen']['visible'], d['shell']['last_transition'], d['shell']['last_genie_target'][0], d['shell']['last_genie_target'][2])")" = \
  "(False, True, 'genie close', 120, 180)"
check "closed: the list as a full repaint draws it" same_image "$S/closed.png" "$S/closed-full.png"

check "categories split at ', '" test "$(captions "$S/category.json")" = "Golf|Work|<No Category>"
check "choosing Golf closes the menu" has "$S/golf.json" '"filter_menu":{"visible":false'
check "choosing Golf filters the list" test \
  "$(json "$S/golf.json" "(d['list_screen']['filter'], d['list_screen']['filter_title'], [r['name'] for r in d['list_screen']['rows'] if r['kind'] == 'ContactListItem'])")" = \
  "('CategoryFilterItem', 'Categorized as Golf', ['Able, Ann', 'Bold, Ben'])"
check "filtered list as a full repaint draws it" same_image "$S/golf.png" "$S/golf-full.png"

run_script bar <<SCRIPT
tap $FILTER_X $FILTER_Y
dump open.json
tap 120 $CITY_Y
dump city.json
tap $FILTER_X $FILTER_Y
dump back.json
shot back.png
post 2024
shot back-full.png
tap $FILTER_X $FILTER_Y
dump closed.json
quit
SCRIPT
S="$WORK/shots-bar"
state() { json "$1" "(d['filter_menu']['visible'], d['filter_menu']['level'], d['shell']['last_transition'], d['shell']['last_transition_direction'], d['shell']['last_genie_target'][0], d['shell']['last_genie_target'][2])"; }
check "bar run exits 0 ($rc)" test "$rc" -eq 0
check "filter icon ($FILTER_X,$FILTER_Y) at 240 wide opens the root with the genie from x 120-180" \
  test "$(json "$S/open.json" "d['icon_bar']['rect'][2]") $(state "$S/open.json")" = "240 (True, 'root', 'genie open', 0, 120, 180)"
check "filter icon from a folder slides back to the root" test \
  "$(json "$S/city.json" "d['filter_menu']['level']")" != root -a \
  "$(state "$S/back.json")" = "(True, 'root', 'slide', 1, 120, 180)"
check "back at the root by the icon as a full repaint draws it" same_image "$S/back.png" "$S/back-full.png"
check "filter icon again closes the menu with the genie" test "$(state "$S/closed.json")" = \
  "(False, 'root', 'genie close', 0, 120, 180)"

finish
