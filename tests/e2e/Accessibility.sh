#!/usr/bin/env bash
# The program on its own Xvfb and its own D-Bus session with the AT-SPI
# accessibility bus, read by a client through AT-SPI as a screen reader
# would. Run it under dbus-run-session.
set -euo pipefail

program=$1
close_window=$2

source "$(dirname "$0")/xsession.sh"
start_xvfb

# The accessibility bus keeps its socket and settings in the test's folder.
export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
launcher_pid=$!
trap 'kill "$launcher_pid" 2>/dev/null || true; cleanup' EXIT

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program "$program"
/usr/bin/python3 "$(dirname "$0")/atspi_check.py" "$window"
close_program
[[ $status -eq 0 ]] || fail "the program ended with status $status"
