#!/usr/bin/env bash
# The program folder's files as a user leaves them there, on headless runs and through
# qbtheme check: names with hyphens and apostrophes sort and file under their letters, FIFOs
# named lang.ini or settings.ini are skipped instead of hanging, byte-order marks are skipped,
# text is UTF-8 when valid else Windows-1252, relative names with "/" are found in the program
# folder whatever the current folder, and a font file copied in while the program runs is
# used at the next theme load.
set -u

BIN="${QB_BIN:?QB_BIN must name the build folder}/quillbook"
PHONE="$QB_BIN/qbphone"
THEME="$QB_BIN/qbtheme"
SRC="$(cd "$(dirname "$0")/../.." && pwd)"
. "$(dirname "$0")/lib.sh"

DEV="$WORK/device"
phone() { "$PHONE" --device "$DEV" "$@"; }
# The rows of a dump, one "kind name" per line, in list order.
rows() { grep -o '"kind":"[A-Za-z]*","name":"[^"]*"' "$1" | sed 's/"kind":"\([A-Za-z]*\)","name":"\([^"]*\)"/\1 \2/'; }
text() { grep -o "\"$2\":\"[^\"]*\"" "$1" | head -1 | cut -d: -f2- | tr -d '"'; }
run() {  # run NAME HOME (script on stdin): a headless run from an unrelated current folder
  local name="$1" home="$2"
  cat >"$WORK/$name.qbs"
  (cd "$WORK/elsewhere" && timeout -k 5 60 "$BIN" --headless --home "$home" --device "$DEV" \
    --script "$WORK/$name.qbs" --shots "$WORK/shots-$name" >"$WORK/$name.out" 2>&1)
  rc=$?
}
mkdir -p "$WORK/elsewhere"

for name in "Le-Roy" "Leblanc" "Lemaire" "O'Brien" "Obama" "Oz" "'t Hooft" "Anna" \
  "Ulla" "Vera" "Wim" "Xena" "Yves" "Zoe"; do
  phone contacts add "fileas=$name" "lastname=$name" mobilephone=5550100 >/dev/null
done

# --- Sort order: hyphens and apostrophes do not count, separators follow the order --------
run sorted "$WORK/home-sorted" <<'SCRIPT'
dump sorted.json
quit
SCRIPT
check "sorted run exits 0" test "$rc" -eq 0
cat >"$WORK/expected.txt" <<'ROWS'
SeparatorItem A
ContactListItem Anna
SeparatorItem L
ContactListItem Leblanc
ContactListItem Lemaire
ContactListItem Le-Roy
SeparatorItem O
ContactListItem Obama
ContactListItem O'Brien
ContactListItem Oz
SeparatorItem T
ContactListItem 't Hooft
ROWS
# These rows, in this order, among the others (U to Z, the new-contact row, SMS separators).
rows "$WORK/shots-sorted/sorted.json" | grep -x -F -f "$WORK/expected.txt" >"$WORK/order.txt"
check "names sort without hyphens and apostrophes, under their letters" \
  diff "$WORK/expected.txt" "$WORK/order.txt"

# Without separators a jump lands on the name itself; the index strip marks its letter.
mkdir -p "$WORK/home-letters"
printf 'separator_item_height=0\r\n' >"$WORK/home-letters/settings.ini"
run letters "$WORK/home-letters" <<'SCRIPT'
wait 5000
char t
dump t.json
quit
SCRIPT
check "letters run exits 0" test "$rc" -eq 0
check "jump to T marks T" test "$(text "$WORK/shots-letters/t.json" current_letter)" = T
check "'t Hooft is the first row in view" has "$WORK/shots-letters/t.json" \
  "\"name\":\"Oz\"[^}]*\"on_screen\":false.*\"name\":\"'t Hooft\"[^}]*\"on_screen\":true"

# --- FIFOs named like the plain files neither hang the program nor qbtheme check ----------
mkdir -p "$WORK/home-fifo"
mkfifo "$WORK/home-fifo/lang.ini" "$WORK/home-fifo/settings.ini"
run fifo "$WORK/home-fifo" <<'SCRIPT'
dump fifo.json
quit
SCRIPT
check "FIFOs in the program folder do not hang the start ($rc)" test "$rc" -eq 0
check "the list is shown" has "$WORK/shots-fifo/fifo.json" '"name":"Obama"'
timeout -k 5 60 "$THEME" check "$QB_BIN/themes/Touch.qbt" --home "$WORK/home-fifo" \
  >"$WORK/check-fifo.out" 2>&1
rc=$?
check "qbtheme check is not held by the FIFOs ($rc)" test "$rc" -le 1
check "qbtheme check reports the values" has "$WORK/check-fifo.out" '^contact_height = '

# --- Encodings and byte-order marks ------------------------------------------------------
# A theme saved as UTF-8, a lang.ini saved as Windows-1252, a settings.ini with a UTF-8 mark.
mkdir -p "$WORK/src-utf8" "$WORK/home-text"
printf 'txt_FilteredFavorites=Zur\xC3\xBCck\r\n' >"$WORK/src-utf8/settings.ini"
"$THEME" pack "$WORK/src-utf8" "$WORK/home-text/Utf8.qbt" >/dev/null
printf 'txt_FilteredByLetters=Trouv\xE9 : {0}\r\n' >"$WORK/home-text/lang.ini"
printf '\xEF\xBB\xBFcontact_height=44\r\n' >"$WORK/home-text/settings.ini"
phone reg set HKCU 'Software\Quillbook\Contact' Theme sz Utf8.qbt >/dev/null
run text "$WORK/home-text" <<'SCRIPT'
dump start.json
drag 220 120 40 125 150
dump favourites.json
drag 30 120 220 120 150
wait 5000
char l
char e
dump letters.json
quit
SCRIPT
T="$WORK/shots-text"
check "text run exits 0" test "$rc" -eq 0
check "a UTF-8 theme text" has "$T/favourites.json" '"filter_title":"Zurück"'
check "a Windows-1252 lang.ini text" has "$T/letters.json" '"filter_title":"Trouvé : le"'
check "the marked first line of settings.ini applies" \
  has "$T/start.json" '"name":"Obama"[^}]*"height":44'

# Marks on an archive's settings.ini and on lang.ini, through the theme tool.
mkdir -p "$WORK/src-bom" "$WORK/home-bom"
printf '\xEF\xBB\xBFtxt_Back=R\xC3\xA9tour\r\n' >"$WORK/src-bom/settings.ini"
"$THEME" pack "$WORK/src-bom" "$WORK/Bom.qbt" >/dev/null
printf '\xEF\xBB\xBFtxt_Cancel=Annuler\r\n' >"$WORK/home-bom/lang.ini"
"$THEME" check "$WORK/Bom.qbt" --home "$WORK/home-bom" >"$WORK/check-bom.out" 2>&1
check "marked archive settings.ini: first line read" has "$WORK/check-bom.out" '^txt_Back = Rétour$'
check "marked lang.ini: first line read" has "$WORK/check-bom.out" '^txt_Cancel = Annuler$'
check "no unknown key from a mark" lacks "$WORK/check-bom.out" 'names no setting'

# --- Relative names with "/" live in the program folder ----------------------------------
# The same theme and image named relative ("sub/...") and absolute must look the same.
make_home() {  # make_home HOME IMAGE_VALUE
  mkdir -p "$1/sub"
  printf 'contact_height=52\r\n' >"$WORK/src-dark/settings.ini"
  "$THEME" pack "$WORK/src-dark" "$1/sub/Dark.qbt" >/dev/null
  cp "$SRC/themes/Nightfall/bg_list_p.png" "$1/sub/bg.png"  # dark, plainly visible
  printf 'background_image_list=%s\r\n' "$2" >"$1/settings.ini"
}
mkdir -p "$WORK/src-dark"
make_home "$WORK/home-rel" "sub/bg.png"
make_home "$WORK/home-abs" "$WORK/home-abs/sub/bg.png"
phone reg set HKCU 'Software\Quillbook\Contact' Theme sz sub/Dark.qbt >/dev/null
run relative "$WORK/home-rel" <<'SCRIPT'
dump relative.json
shot relative.png
quit
SCRIPT
check "relative run exits 0" test "$rc" -eq 0
check "theme sub/Dark.qbt is loaded" has "$WORK/shots-relative/relative.json" \
  '"name":"Obama"[^}]*"height":52'
phone reg set HKCU 'Software\Quillbook\Contact' Theme sz "$WORK/home-abs/sub/Dark.qbt" >/dev/null
run absolute "$WORK/home-abs" <<'SCRIPT'
shot absolute.png
quit
SCRIPT
check "image sub/bg.png is found" cmp -s "$WORK/shots-relative/relative.png" \
  "$WORK/shots-absolute/absolute.png"
phone reg delete HKCU 'Software\Quillbook\Contact' Theme >/dev/null

# --- A font file copied in while the program runs is used at the next theme load ---------
# Fonts come from a folder holding DejaVu Sans only, so "DejaVu Sans Mono" exists only as the
# program folder's "DejaVu Sans Mono.ttf". The run stops at a FIFO named as its second shot
# (writing a shot opens the file and waits for a reader) until the font is in place.
mkdir -p "$WORK/fonts" "$WORK/home-font" "$WORK/home-font-ref" "$WORK/shots-font"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$WORK/fonts/"
cat >"$WORK/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$WORK/fonts</dir>
  <cachedir>$WORK/fontcache</cachedir>
  <match target="pattern"><edit name="family" mode="append"><string>DejaVu Sans</string></edit></match>
  <match target="font"><edit name="hinting" mode="assign"><bool>false</bool></edit></match>
</fontconfig>
CONF
for home in "$WORK/home-font" "$WORK/home-font-ref"; do
  printf 'contact_font_firstline=16,bold,DejaVu Sans Mono\r\n' >"$home/settings.ini"
done
MONO=/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf
cp "$MONO" "$WORK/home-font-ref/DejaVu Sans Mono.ttf"
mkfifo "$WORK/shots-font/gate.png"
cat >"$WORK/font.qbs" <<'SCRIPT'
shot before.png
shot gate.png
rotate
rotate
shot after.png
quit
SCRIPT
(cd "$WORK/elsewhere" && FONTCONFIG_FILE="$WORK/fonts.conf" timeout -k 5 60 "$BIN" --headless \
  --home "$WORK/home-font" --device "$DEV" --script "$WORK/font.qbs" \
  --shots "$WORK/shots-font" >"$WORK/font.out" 2>&1) &
font_run=$!
check "font run reaches the gate" wait_for_file "$WORK/shots-font/before.png"
cp "$MONO" "$WORK/home-font/DejaVu Sans Mono.ttf"
timeout -k 5 60 cat "$WORK/shots-font/gate.png" >/dev/null
wait "$font_run"
check "font run exits 0" test $? -eq 0
(cd "$WORK/elsewhere" && FONTCONFIG_FILE="$WORK/fonts.conf" timeout -k 5 60 "$BIN" --headless \
  --home "$WORK/home-font-ref" --device "$DEV" --script "$WORK/font.qbs" \
  --shots "$WORK/shots-font-ref" >"$WORK/font-ref.out" 2>&1)
check "the font changes the rows" sh -c "! cmp -s '$WORK/shots-font/before.png' \
  '$WORK/shots-font/after.png'"
check "the copied-in font is used after the reload" cmp -s "$WORK/shots-font/after.png" \
  "$WORK/shots-font-ref/after.png"

finish
