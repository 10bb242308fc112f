"""Reads the running program through AT-SPI, as a screen reader does.

Finds the program's window, checks the names and roles of the controls a
person reaches, clicks row 2 of the object list with real X input, waits for
the display box to announce its new text, and reads the report back.
Exits 0 when all holds; prints what failed otherwise.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

window_id = sys.argv[1]
EXPECTED_REPORT = ("Детето е излязло от кръга с: \nИзбран предмет: книга\n"
                   "Предполагаема професия: писател по вида тема\n")
RESET_MESSAGE = "Направете своя нов избор!"


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def find_application(name, timeout=10):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    fail("the application %s is not on the accessibility bus" % name)


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


app = find_application("IT_Zolinar")
frames = [child for child in descendants(app) if child.getRole() == pyatspi.ROLE_FRAME]
if not frames or not frames[0].name.endswith("ИТ - определяне на професия"):
    fail("no frame named after the window's caption: %r" % [f.name for f in frames])

by_name = {}
for node in descendants(app):
    if node.name and node.getState().contains(pyatspi.STATE_SHOWING):
        by_name.setdefault(node.name, node)

expected_roles = {
    "Предмети": pyatspi.ROLE_LIST,
    "Чисти": pyatspi.ROLE_PUSH_BUTTON,
    "Отговор": pyatspi.ROLE_TEXT,
}
for name, role in expected_roles.items():
    node = by_name.get(name)
    if node is None:
        fail("no shown control named %r; shown: %r" % (name, sorted(by_name)))
    if node.getRole() != role:
        fail("%r has role %s, not %s" % (name, node.getRoleName(), pyatspi.Accessible.getRoleName(node)))

display = by_name["Отговор"]
announced = []


def on_text_changed(event):
    # Qt sends paragraph breaks as U+2029, which screen readers read as breaks.
    if event.source == display and event.type.startswith("object:text-changed:insert"):
        announced.append((event.any_data or "").replace("\u2029", "\n"))


pyatspi.Registry.registerEventListener(on_text_changed, "object:text-changed")
loop = GLib.MainLoop()


def click(x, y):
    subprocess.run(["xdotool", "mousemove", "--window", window_id, "--sync", str(x), str(y), "click", "1"], check=True)


def announce_after_click(x, y, expected):
    """Clicks, then waits until the display box holds and has announced the text."""
    announced.clear()
    loop = GLib.MainLoop()

    def act():
        click(x, y)
        return False

    def check_done():
        if display.queryText().getText(0, -1) == expected and expected in announced:
            loop.quit()
            return False
        return True

    GLib.timeout_add(100, act)
    GLib.timeout_add(50, check_done)
    GLib.timeout_add(10000, loop.quit)
    loop.run()
    text = display.queryText().getText(0, -1)
    if text != expected:
        fail("the display box reads %r, not %r" % (text, expected))
    if expected not in announced:
        fail("%r was not announced; announced: %r" % (expected, announced))


announce_after_click(80, 94, EXPECTED_REPORT)      # row 2 of the object list
announce_after_click(372, 108, RESET_MESSAGE)      # Clear
print("AT-SPI: names and roles right; the report and the reset message were announced and read back exactly")
