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
/usr/bin/python3 - <<'EOF' || fail "the failure report"
import sys, time, pyatspi
expected = ("Грешка при изпълнение: -4 (контролата не изпълни операцията).\nЕлемент: List1(0)\n"
            "Операция: четене на свойството ListIndex\n\nПрограмата ще бъде затворена.")
def names(node):
    for child in filter(None, (node.getChildAtIndex(i) for i in range(node.childCount))):
        yield from [child.name] + list(names(child))
for _ in range(50):
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "IT_Zolinar"]
    alerts = [a for app in apps for a in app if a and a.getRole() == pyatspi.ROLE_ALERT]
    if alerts:
        break
    time.sleep(0.1)
found = [[alert.name] + [name for name in names(alert) if name] for alert in alerts]
print(found)
sys.exit(found != [["Грешка при изпълнение", expected, "Добре"]])
EOF
box=$(xdotool search --onlyvisible --name '^Грешка при изпълнение$' | head -n 1)
close_program xdotool windowfocus --sync "$box" key --clearmodifiers Return
[[ $status -eq 1 ]] || fail "after the failure report the program ended with status $status"
