#!/usr/bin/env bash
# The program on its own Xvfb and its own D-Bus session with the AT-SPI
# accessibility bus, read by a client through AT-SPI as a screen reader
# would. Then the tests' build of the program, failing the pick's first
# control operation: the report a screen reader reads, and OK ends the
# program with status 1. Run it under dbus-run-session.
set -euo pipefail

program=$1
close_window=$2
failing=$3

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

start_program env ZOLINAR_FAIL_AT=3 "$failing"
click_at 80 94
wait_for_window '^Грешка при изпълнение$'
/usr/bin/python3 - <<'EOF' || fail "the failure report"
import sys, pyatspi
def names(node):
    return [name for c in node if c for name in [c.name] + names(c) if name]
app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "IT_Zolinar")
found = [[alert.name] + names(alert) for alert in app if alert and alert.getRole() == pyatspi.ROLE_ALERT]
sys.exit(found != [["Грешка при изпълнение", "Грешка при изпълнение: -4 (контролата не изпълни операцията).\n"
    "Елемент: List1(0)\nОперация: четене на свойството ListIndex\n\nПрограмата ще бъде затворена.", "Добре"]] and str(found))
EOF
close_program xdotool windowfocus --sync "$found" key --clearmodifiers Return
[[ $status -eq 1 ]] || fail "after the failure report the program ended with status $status"
