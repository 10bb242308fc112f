# Shared by the end-to-end scripts: a private Xvfb, the program started on
# it, its window found, and clean-up on exit. Source it; it sets DISPLAY.

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
    # Waits for Xvfb to be gone: a server still shutting down removes its
    # socket, which the next test's server may already have taken over.
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Without a session bus of the test's own, D-Bus would autolaunch one on the
# X display that outlives the program (and keeps strace waiting for it).
: "${DBUS_SESSION_BUS_ADDRESS:=unix:path=$work/no-session-bus}"
export DBUS_SESSION_BUS_ADDRESS

fail() {
    echo "FAIL: $*" >&2
    if [[ -n $xvfb_pid ]] && ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "(the X server had stopped: $(tail -n 5 "$work/xvfb.log" 2>/dev/null))" >&2
    fi
    exit 1
}

# The server picks a display number no other server holds (-displayfd), so
# tests run side by side with no numbers handed out. -noreset matters: an X
# server resets when its last client leaves, and a program started in that
# moment cannot connect.
start_xvfb() {
    mkfifo "$work/display"
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local number=
    read -r -t 10 number <"$work/display" || true
    [[ -n $number ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log" 2>/dev/null)"
    export DISPLAY=":$number"
    unset QT_QPA_PLATFORM
}

# Starts the command given (the program, perhaps under a tool) in the
# background and waits for its window; sets app_pid and window.
start_program() {
    "$@" >"$work/app.log" 2>&1 &
    app_pid=$!
    local deadline=$((SECONDS + ${window_timeout:-10}))
    window=
    # Polls more often than xdotool's own --sync, which waits half a second.
    while [[ -z $window ]]; do
        window=$(xdotool search --onlyvisible --name 'example\.org' 2>/dev/null | head -n 1 || true)
        [[ -n $window ]] && break
        ((SECONDS < deadline)) || fail "the window did not appear: $(tail -n 20 "$work/app.log")"
        kill -0 "$app_pid" 2>/dev/null || fail "the program ended before its window appeared: $(tail -n 20 "$work/app.log")"
        sleep 0.05
    done
    xdotool windowfocus --sync "$window"
}

# Waits for a window whose name matches, and sets found to it.
wait_for_window() {
    for ((try = 0; try < 50; try++)); do
        found=$(xdotool search --onlyvisible --name "$1" | head -n 1) && return
        sleep 0.1
    done
    fail "no window named $1 appeared"
}

# Clicks at a point given in the window's own pixels.
click_at() {
    xdotool mousemove --window "$window" --sync "$1" "$2" click 1
    sleep "${click_pause:-0.2}"
}

# Selects the display box's whole text and copies it, as a person would,
# and prints what the clipboard holds (line ends as "\n", on Windows too).
copy_display_box() {
    click_at 200 250
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.2
    timeout 5 xclip -o -selection clipboard | tr -d '\r'
}

# Fails unless the display box holds the text expected, showing the diff.
expect_text() {
    local what=$1 expected=$2 actual
    actual=$(copy_display_box; echo x)
    actual=${actual%x}
    if [[ $actual != "$expected" ]]; then
        diff <(printf '%s' "$expected") <(printf '%s' "$actual") >&2 || true
        fail "$what"
    fi
}

# Closes the window as a window manager would (or with the command given)
# and waits for the program to end; sets status to its exit status.
close_program() {
    if (($# > 0)); then "$@"; else "$close_window" "$window"; fi
    local deadline=$((SECONDS + ${exit_timeout:-10}))
    while kill -0 "$app_pid" 2>/dev/null && [[ $(awk '{ print $3 }' "/proc/$app_pid/stat" 2>/dev/null) != Z ]]; do
        ((SECONDS < deadline)) || fail "the program did not end when its window closed"
        sleep 0.05
    done
    status=0
    wait "$app_pid" || status=$?
    app_pid=
}
