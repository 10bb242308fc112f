#!/usr/bin/env bash
# The Windows executable under Wine, on a private X server with real X
# input: its caption, client size and colours from a screenshot; a choice by
# keyboard (Tab into the list, Down picks the first row) and Clear by
# keyboard; a choice by mouse, the locked list, Clear by mouse; and Alt+F4
# ends it with status 0. The display box is read back through the clipboard,
# which Wine hands over to X. Then the tests' build, failing the pick's
# first control operation: its report, and OK ends it with status 1.
#   WindowsProgram.sh IT_Zolinar.exe IT_Zolinar_failing.exe [SCREENSHOT.png]
set -euo pipefail

program=$1
failing=$2
screenshot=${3:-}

source "$(dirname "$0")/winesession.sh"
start_wine
start_program wine "$program"

caption=$(xdotool getwindowname "$window")
[[ $caption == 'www.example.org  ИТ - определяне на професия' ]] || fail "the caption is '$caption'"
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ ${WIDTH}x$HEIGHT == 461x345 ]] || fail "the client area is ${WIDTH}x$HEIGHT, not 461x345"

# Wine draws asynchronously; wait until the button's face is drawn.
shot=$work/window.png
pixel() { convert "$shot" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }
for ((try = 0; try < 50; try++)); do
    import -window "$window" "$shot"
    [[ $(pixel 320 100) == 255,0,0 ]] && break
    sleep 0.1
done
[[ -n $screenshot ]] && cp "$shot" "$screenshot"
expect_pixel() {
    local actual
    actual=$(pixel "$2" "$3")
    [[ $actual == "$4" ]] || fail "the $1 at $2,$3 is $actual, not $4"
}
expect_pixel background 300 60 192,192,255
expect_pixel "title band" 34 2 255,192,128
expect_pixel "button face" 320 100 255,0,0

report first_row 'мобилен телефон' 'специалист в съобщенията'
report third_row 'книга' 'писател по вида тема'
reset='Направете своя нов избор!'

# The focus starts in the display box; Tab reaches the list and Down picks
# the first row.
xdotool key --clearmodifiers Tab Down
sleep 0.3
expect_text "the report of the first Down" "$first_row"
# Tab passes over the locked list to the button; Space presses it.
xdotool key --clearmodifiers Tab space
sleep 0.3
expect_text "the reset message after Clear by keyboard" "$reset"

# Row 2 by mouse: the list starts at 48 px and its rows are 18 px high.
click_at 80 94
expect_text "the report of row 2" "$third_row"
click_at 80 130
expect_text "the report after a click on the locked list" "$third_row"
click_at 372 108
expect_text "the reset message after Clear by mouse" "$reset"

close_program xdotool windowfocus --sync "$window" key --clearmodifiers alt+F4
[[ $status -eq 0 ]] || fail "the program ended with status $status"

start_program env ZOLINAR_FAIL_AT=3 wine "$failing"
click_at 80 94
wait_for_window '^Грешка при изпълнение$' && sleep 0.5
[[ -n $screenshot ]] && import -window root "${screenshot%.png}-failure.png"
close_program xdotool windowfocus --sync "$found" key --clearmodifiers Return
[[ $status -eq 1 ]] || fail "after the failure report the program ended with status $status"
echo "Windows program under Wine: caption, size, colours, keyboard and mouse choices, locked list, Clear, close and a failure's end all behaved"
