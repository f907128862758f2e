#!/usr/bin/env bash
# The installation (the Makefile's install-files and uninstall on this build): the programs,
# the interception library, the themes, the desktop entry for sms: links with its icon and the
# transport's systemd unit at the XDG places; the entry passes desktop-file-validate and is the
# sms: handler of a test XDG setup; the installed program finds its themes and the installed
# tool its library without environment variables; a staged install (DESTDIR) names the final
# paths; uninstall leaves nothing of it.
set -u

. "$(dirname "$0")/lib.sh"
SRC="$(cd "$(dirname "$0")/../.." && pwd)"
X="$WORK/x"
mk() { make -s -C "$SRC" INSTALL_BUILD="$QB_BIN" "$@" >>"$WORK/make.log" 2>&1; }
unset QUILLBOOK_THEMES QUILLBOOK_LIBDIR

check "make install-files installs" mk install-files PREFIX="$X"
for f in bin/quillbook bin/qbphone bin/qbphoned bin/qbtheme lib/quillbook/libsmsweir.so \
  share/quillbook/themes/Touch.qbt share/quillbook/themes/Nightfall.qbt \
  share/applications/quillbook.desktop share/icons/hicolor/scalable/apps/quillbook.svg \
  lib/systemd/user/qbphoned.service share/doc/quillbook/phone.md; do
  check "installed: $f" test -s "$X/$f"
done
check "the desktop entry is valid" desktop-file-validate "$X/share/applications/quillbook.desktop"
check "it starts the installed program with the link" \
  has "$X/share/applications/quillbook.desktop" "^Exec=$X/bin/quillbook %u$"
check "the unit starts the installed transport" \
  has "$X/lib/systemd/user/qbphoned.service" "^ExecStart=$X/bin/qbphoned$"
mkdir -p "$WORK/xdg"
check "the entry is the sms: handler" test "$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION \
  XDG_CONFIG_HOME="$WORK/xdg" XDG_CONFIG_DIRS="$WORK/xdg" XDG_DATA_HOME="$WORK/xdg" \
  XDG_DATA_DIRS="$X/share" xdg-mime query default x-scheme-handler/sms)" = quillbook.desktop

# The installed programs on a fresh user and device, without environment variables.
"$X/bin/qbphone" --device "$WORK/device" seed-demo --contacts 20 >/dev/null
printf 'dump start.json\nquit\n' >"$WORK/start.qbs"
"$X/bin/quillbook" --headless --home "$WORK/home" --device "$WORK/device" \
  --script "$WORK/start.qbs" --shots "$WORK/shots" >"$WORK/start.out" 2>&1
check "the installed program starts" test $? -eq 0
check "its first start copies the shipped themes" \
  test -s "$WORK/home/Touch.qbt" -a -s "$WORK/home/Nightfall.qbt"
check "and shows the list" has "$WORK/shots/start.json" '"kind":"ContactListItem"'
LD_DEBUG=files "$X/bin/qbphone" --device "$WORK/device" sms receive 5550100 "hello" \
  >/dev/null 2>"$WORK/ld.log"
check "the installed tool loads the interception library from lib/quillbook" \
  has "$WORK/ld.log" "file=$X/bin/../lib/quillbook/libsmsweir.so"

check "a staged install" mk install-files PREFIX=/opt/qb DESTDIR="$WORK/stage"
check "names the final paths" \
  has "$WORK/stage/opt/qb/share/applications/quillbook.desktop" "^Exec=/opt/qb/bin/quillbook %u$"
check "uninstall removes the staged install" mk uninstall PREFIX=/opt/qb DESTDIR="$WORK/stage"
check "leaving no file" test -z "$(find "$WORK/stage" -type f)"
check "uninstall removes the install" mk uninstall PREFIX="$X"
check "leaving no file of it" test -z "$(find "$X" -type f ! -name mimeinfo.cache)"
[ "$failed" -eq 0 ] || cat "$WORK/make.log"
finish
