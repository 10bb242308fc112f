#!/usr/bin/env bash
# The installer's cycle under Wine, in one fresh prefix: a silent install
# (the tested executable, the shortcut, the Apps entry); the installed
# program run with a hostile DLL planted beside it under four system DLLs'
# names, Wine told to prefer them as Windows would: it works, ends with
# status 0, and no planted DLL runs; a silent uninstall leaves no trace.
#   WindowsInstaller.sh IT_Zolinar.msi IT_Zolinar.exe PRODUCT-CODE
set -euo pipefail

msi=$1 executable=$2 product=$3
source "$(dirname "$0")/winesession.sh"
start_wine
drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/IT_Zolinar"
package=$(winepath -w "$msi")

wine msiexec /i "$package" /qn || fail "the silent install ended with status $?"
cmp "$folder/IT_Zolinar.exe" "$executable" || fail "the installed executable is not the built one"
[[ -f $folder/LICENSE.txt && -f $folder/licenses/Qt-LGPL-3.0.txt ]] || fail "the license texts were not installed"
# The one shortcut, in the common Start menu (on Wine 8, the user's).
shortcuts=$(find "$drive" -path '*/Start Menu/Programs/*' -iname '*zolinar*')
[[ $shortcuts == */IT_Zolinar.lnk ]] || fail "the Start-menu shortcuts are: '$shortcuts'"
grep -qaF 'C:\Program Files\IT_Zolinar\IT_Zolinar.exe' "$shortcuts" || fail "the shortcut does not point at the program"
entry=$(wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{$product}" | tr -d '\r')
for value in 'DisplayName +REG_SZ +IT_Zolinar$' 'DisplayVersion +REG_SZ +1\.0\.0\.0$' 'Publisher +REG_SZ +IT_Zolinar developers$'; do
    grep -qE "^ +$value" <<<"$entry" || fail "the Uninstall entry has no '$value': $entry"
done

planted=(dwmapi uxtheme version winmm)
for name in "${planted[@]}"; do x86_64-w64-mingw32-gcc-posix -shared -o "$folder/$name.dll" "$(dirname "$0")/PlantedDll.c"; done
WINEDLLOVERRIDES+=";$(IFS=,; echo "${planted[*]}")=n,b"
start_program wine "$folder/IT_Zolinar.exe"
report third_row 'книга' 'писател по вида тема'
click_at 80 94
expect_text "the installed program's report of row 2" "$third_row"
close_program xdotool windowfocus --sync "$window" key --clearmodifiers alt+F4
[[ $status -eq 0 ]] || fail "the installed program ended with status $status"
[[ ! -e $drive/planted-dll-ran.txt ]] || fail "a planted DLL ran inside the program: $(cat "$drive/planted-dll-ran.txt")"
rm "$folder"/*.dll

wine msiexec /x "$package" /qn || fail "the silent uninstall ended with status $?"
leftovers=$(find "$drive" -iname '*zolinar*')
[[ -z $leftovers ]] || fail "the uninstall left: $leftovers"
wine regedit /E "$work/registry.reg"
! iconv -f UTF-16 -t UTF-8 "$work/registry.reg" | grep -i -m3 "zolinar\|$product" || fail "the uninstall left these registry values"
echo "Windows installer under Wine: installed, shortcut and entry made, no planted DLL ran, uninstalled without a trace"
