#!/usr/bin/env bash
# The built program under its own Xvfb, driven with real X input: right and
# middle clicks on rows choose nothing; each navigation key picks the same
# row whether Tab or a click on the scroll bar gave the list the focus; pick
# an object with the mouse, read the report back through the clipboard,
# press Clear, read the reset message, and close the window like a window
# manager.
set -euo pipefail

program=$1
close_window=$2

source "$(dirname "$0")/xsession.sh"
start_xvfb
start_program "$program"

# The window carries the program's 32 x 32 icon (set as it maps, so wait
# a moment for it).
for ((try = 0; try < 20; try++)); do
    xprop -id "$window" _NET_WM_ICON 2>/dev/null | grep -q 'Icon (32 x 32)' && break
    sleep 0.1
done
((try < 20)) || fail "the window has no 32 x 32 icon"

# Only the primary button picks: right and middle clicks on rows do nothing.
for y in 58 94 130 160; do
    xdotool mousemove --window "$window" --sync 80 "$y" click 3 click 2
done
sleep 0.2
guide=$(copy_display_box)
[[ $guide == 'Съществува обичай'* ]] || fail "a right or middle click made a choice: $guide"

# With no row selected, a key picks the same row however the list got the
# focus: by Tab from the display box, or by a click on its scroll bar.
key_pick() {
    case $1 in
    tab) click_at 210 260 && xdotool key --clearmodifiers Tab ;;
    scrollbar) click_at 233 100 ;;
    esac
    xdotool key --clearmodifiers "$2"
    sleep 0.2
    copy_display_box | sed -n 2p
    click_at 372 108
}
for key in space:мобилен Down:мобилен Left:мобилен Right:мобилен \
    Next:мобилен End:топка shift+End:топка ctrl+End:топка ctrl+Home:мобилен; do
    for route in tab scrollbar; do
        picked=$(key_pick "$route" "${key%%:*}")
        [[ $picked == "Избран предмет: ${key#*:}"* ]] || fail "${key%%:*} after $route picked '$picked'"
    done
done

# Row 2, "книга": the list starts at 48 px and its rows are 18 px high.
click_at 80 94
expect_text "the report of row 2" $'Детето е излязло от кръга с: \nИзбран предмет: книга\nПредполагаема професия: писател по вида тема\n'

# The locked list ignores another pick.
click_at 80 130
expect_text "the report after a click on the locked list" $'Детето е излязло от кръга с: \nИзбран предмет: книга\nПредполагаема професия: писател по вида тема\n'

# Clear.
click_at 372 108
expect_text "the reset message" 'Направете своя нов избор!'

close_program
[[ $status -eq 0 ]] || fail "the program ended with status $status"
echo "end-to-end: pick, report, locked list, clear and close all behaved"
