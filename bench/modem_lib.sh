# Shared by the modem benchmarks (sourced after `set -u`, with USAGE set): runs the script again
# on a private bus with the ModemManager mock, then sets BUILD (the first argument, absolute),
# HERE, a work folder removed at exit, the test fonts, and `mock` (a control method of the
# mock) and `phone` (the device tool on $WORK/device).
[ -n "${QB_MODEM_MOCK:-}" ] || exec "$(dirname "$0")/../tests/mock/with_modem_mock.sh" bash "$0" "$@"
BUILD="$(realpath "${1:?$USAGE}")"
HERE="$(cd "$(dirname "$0")" && pwd)"
WORK="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$WORK"' EXIT
export XDG_RUNTIME_DIR="$WORK/run" FONTCONFIG_FILE="$HERE/../tests/fonts/fonts.conf"
mkdir -p "$XDG_RUNTIME_DIR"
MM=org.freedesktop.ModemManager1
ROOT=/org/freedesktop/ModemManager1
mock() { gdbus call --system -d "$MM" -o "$ROOT" -m "org.freedesktop.DBus.Mock.$1" "${@:2}"; }
phone() { "$BUILD/qbphone" --device "$WORK/device" "$@"; }
