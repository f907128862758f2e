#!/usr/bin/env bash
# qbphone reg against a temporary device profile: set, get, list and delete values of every
# type, case-insensitive keys, exit codes for bad input, and recovery from a damaged store.
set -u

QBPHONE="${QB_BIN:?set QB_BIN to the build folder}/qbphone"
DEVICE="$(mktemp -d)"
trap 'rm -rf "$DEVICE"' EXIT
KEY='Software\Quillbook\Contact'
passed=0
failed=0

reg() { "$QBPHONE" --device "$DEVICE" reg "$@"; }

# expect_out NAME EXPECTED_OUTPUT COMMAND...: exit 0 and exactly this output.
expect_out() {
  local name="$1" expected="$2"
  shift 2
  local out
  out="$("$@" 2>/dev/null)"
  local rc=$?
  if [[ $rc -eq 0 && "$out" == "$expected" ]]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAIL %s: rc=%s\n  got:      %q\n  expected: %q\n' "$name" "$rc" "$out" "$expected"
  fi
}

# expect_rc NAME CODE COMMAND...: the command exits with CODE and says why on stderr.
expect_rc() {
  local name="$1" code="$2"
  shift 2
  local err
  err="$("$@" 2>&1 >/dev/null)"
  local rc=$?
  if [[ $rc -eq $code && ( $code -eq 0 || -n "$err" ) ]]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAIL %s: rc=%s (expected %s) stderr=%q\n' "$name" "$rc" "$code" "$err"
  fi
}

expect_rc "set sz" 0 reg set HKCU "$KEY" Theme sz 'Dark Blue.qbt'
expect_out "get sz" 'Theme sz Dark Blue.qbt' reg get HKCU "$KEY" Theme
expect_out "get without case, leading backslash" 'Theme sz Dark Blue.qbt' \
  reg get HKEY_CURRENT_USER '\SOFTWARE\quillbook\contact' THEME
expect_rc "set unicode" 0 reg set HKCU "$KEY" CurrentSIP sz 'Zoë ✓'
expect_out "get unicode" 'CurrentSIP sz Zoë ✓' reg get HKCU "$KEY" currentsip
expect_rc "set dword hex" 0 reg set HKLM 'System\State\Phone' 'Signal Strength Raw' dword 0x40
expect_out "get dword" 'Signal Strength Raw dword 64' \
  reg get hklm 'System\State\Phone' 'Signal Strength Raw'
expect_rc "set dword max" 0 reg set HKCU "$KEY" Fullscreen dword 4294967295
expect_out "get dword max" 'Fullscreen dword 4294967295' reg get HKCU "$KEY" Fullscreen
expect_rc "set binary" 0 reg set HKCU "$KEY" Blob binary 00FF10
expect_rc "set expand_sz" 0 reg set HKCU "$KEY" Path expand_sz '%HOME%'
expect_out "list sorted by name" "$(printf '%s\n' 'Blob binary 00ff10' 'CurrentSIP sz Zoë ✓' \
  'Fullscreen dword 4294967295' 'Path expand_sz %HOME%' 'Theme sz Dark Blue.qbt')" \
  reg list HKCU "$KEY"
expect_rc "roots are separate" 1 reg get HKCU 'System\State\Phone' 'Signal Strength Raw'

# Control characters in stored data are not sent to the terminal as they are.
expect_rc "set control chars" 0 reg set HKCU "$KEY" Bell sz $'a\x1b[2Jb'
expect_out "control chars escaped" 'Bell sz a\x1b[2Jb' reg get HKCU "$KEY" Bell

# Deleting.
expect_rc "delete value" 0 reg delete HKCU "$KEY" Bell
expect_rc "deleted value is gone" 1 reg get HKCU "$KEY" Bell
expect_rc "delete missing value" 1 reg delete HKCU "$KEY" Bell
expect_rc "delete key" 0 reg delete HKCU 'Software\Quillbook'
expect_rc "deleted subtree is gone" 1 reg list HKCU "$KEY"
expect_out "other root untouched" 'Signal Strength Raw dword 64' \
  reg get HKLM 'System\State\Phone' 'Signal Strength Raw'

# Bad input: usage errors exit 2, missing data 1.
expect_rc "missing value" 1 reg get HKCU "$KEY" Nothing
expect_rc "missing key" 1 reg list HKCU 'No\Such\Key'
expect_rc "unknown root" 2 reg get HKEY_CLASSES_ROOT "$KEY" Theme
expect_rc "unknown type" 2 reg set HKCU "$KEY" X qword 1
expect_rc "negative dword" 2 reg set HKCU "$KEY" X dword -1
expect_rc "dword overflow" 2 reg set HKCU "$KEY" X dword 4294967296
expect_rc "dword junk" 2 reg set HKCU "$KEY" X dword 12abc
expect_rc "odd hex" 2 reg set HKCU "$KEY" X binary abc
expect_rc "bad hex" 2 reg set HKCU "$KEY" X binary zz
expect_rc "empty component" 2 reg set HKCU 'A\\B' X sz 1
expect_rc "trailing backslash" 2 reg set HKCU 'A\B\' X sz 1
expect_rc "component too long" 2 reg set HKCU "$(printf 'k%.0s' {1..256})" X sz 1
expect_rc "name too long" 2 reg set HKCU "$KEY" "$(printf 'n%.0s' {1..256})" sz 1
expect_rc "too few arguments" 2 reg set HKCU "$KEY" X sz
expect_rc "unknown verb" 2 reg frob HKCU "$KEY"
expect_rc "no arguments" 2 reg
expect_rc "root key cannot be deleted" 2 reg delete HKCU ''

# A damaged store is moved aside and the registry starts empty.
head -c 8192 /dev/urandom >"$DEVICE/registry.db"
expect_rc "damaged store: value missing" 1 reg get HKCU "$KEY" Theme
if compgen -G "$DEVICE/registry.db.corrupt-*" >/dev/null; then
  passed=$((passed + 1))
else
  failed=$((failed + 1))
  echo "FAIL damaged store was not moved aside"
fi
expect_rc "damaged store: rebuilt" 0 reg set HKCU "$KEY" Theme sz Touch.qbt
expect_out "damaged store: usable" 'Theme sz Touch.qbt' reg get HKCU "$KEY" Theme

# A store that cannot be opened at all.
BROKEN="$(mktemp -d)"
mkdir -p "$BROKEN/registry.db/inner"
if "$QBPHONE" --device "$BROKEN" reg get HKCU "$KEY" Theme >/dev/null 2>&1; then
  failed=$((failed + 1))
  echo "FAIL unusable store reported success"
else
  [[ $? -eq 3 ]] && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL unusable store exit code"; }
fi
rm -rf "$BROKEN"

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
