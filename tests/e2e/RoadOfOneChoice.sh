#!/usr/bin/env bash
# The built program under its own Xvfb, driven with real X input: pick an
# object with the mouse, read the report back through the clipboard, press
# Clear, read the reset message, and close the window like a window manager.
set -euo pipefail

program=$1
close_window=$2

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Xvfb picks a free display itself and writes its number to the pipe.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 800x600x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 10 -u "$display_fd" display_number || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$display_number"
unset QT_QPA_PLATFORM

"$program" >"$work/app.log" 2>&1 &
app_pid=$!

window=$(timeout 10 xdotool search --sync --onlyvisible --name 'example\.org' | head -n 1) \
    || fail "the window did not appear"
xdotool windowfocus --sync "$window"

# The window carries the program's 32 x 32 icon.
xprop -id "$window" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "the window has no 32 x 32 icon"

# Clicks at a point given in the window's own pixels.
click_at() {
    xdotool mousemove --window "$window" --sync "$1" "$2" click 1
    sleep 0.2
}

# Selects the display box's whole text and copies it, as a person would.
copy_display_box() {
    click_at 200 250
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.2
    timeout 5 xclip -o -selection clipboard
}

expect_text() {
    local what=$1 expected=$2 actual
    actual=$(copy_display_box; echo x)
    actual=${actual%x}
    if [[ $actual != "$expected" ]]; then
        diff <(printf '%s' "$expected") <(printf '%s' "$actual") >&2 || true
        fail "$what"
    fi
}

# Row 2, "книга": the list starts at 48 px and its rows are 18 px high.
click_at 80 94
expect_text "the report of row 2" $'Детето е излязло от кръга с: \nИзбран предмет: книга\nПредполагаема професия: писател по вида тема\n'

# The locked list ignores another pick.
click_at 80 130
expect_text "the report after a click on the locked list" $'Детето е излязло от кръга с: \nИзбран предмет: книга\nПредполагаема професия: писател по вида тема\n'

# Clear.
click_at 372 108
expect_text "the reset message" 'Направете своя нов избор!'

"$close_window" "$window"
status=0
timeout 10 tail --pid="$app_pid" -f /dev/null || fail "the program did not end when its window closed"
wait "$app_pid" || status=$?
app_pid=
[[ $status -eq 0 ]] || fail "the program ended with status $status"
echo "end-to-end: pick, report, locked list, clear and close all behaved"
