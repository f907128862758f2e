#!/usr/bin/env bash
# Runs COMMAND on a private D-Bus bus standing in for the system bus, with the ModemManager
# mock (modemmanager.py beside this file) on it: DBUS_SYSTEM_BUS_ADDRESS names the bus and
# QB_MODEM_MOCK=1 says the mock answers there. Exits with the command's code.
# Usage: tests/mock/with_modem_mock.sh COMMAND [ARG...]
set -u
if [ -z "${QB_PRIVATE_BUS:-}" ]; then
  exec env QB_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi
export DBUS_SYSTEM_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" QB_MODEM_MOCK=1
/usr/bin/python3 -m dbusmock --system --template "$(dirname "$0")/modemmanager.py" \
  >"${QB_MOCK_LOG:-/dev/null}" 2>&1 &
MOCK=$!
for _ in $(seq 400); do
  gdbus call --system -d org.freedesktop.ModemManager1 -o /org/freedesktop/ModemManager1 \
    -m org.freedesktop.DBus.Mock.Reset >/dev/null 2>&1 && break
  sleep 0.05
done
"$@"
rc=$?
kill "$MOCK" 2>/dev/null
exit "$rc"
