#!/usr/bin/env bash
# The installer's whole cycle under Wine, in one fresh prefix: a silent
# per-machine install puts the very executable of the zip into Program
# Files, a Start-menu shortcut to it and an entry under Apps with name and
# version. The installed program then runs with hostile DLLs planted beside
# it under the names of system DLLs it uses (Wine told to prefer a DLL from
# the program's folder, as Windows searches): it opens its window, answers a
# choice and ends with status 0, and none of the planted DLLs ever runs.
# Last, a silent uninstall leaves no file, shortcut or registry value of ours.
#   WindowsInstaller.sh IT_Zolinar.msi IT_Zolinar.exe PRODUCT-CODE
set -euo pipefail

msi=$1
executable=$2
product=$3

source "$(dirname "$0")/winesession.sh"
start_wine
drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/IT_Zolinar"
package=$(winepath -w "$msi")

wine msiexec /i "$package" /qn || fail "the silent install ended with status $?"
cmp "$folder/IT_Zolinar.exe" "$executable" || fail "the installed executable is not the built one"
for file in LICENSE.txt README.txt licenses/Qt-LGPL-3.0.txt licenses/Qt-THIRD-PARTY-NOTICES.txt; do
    [[ -f $folder/$file ]] || fail "$file was not installed"
done
# Windows puts a per-machine shortcut in the common Start menu; Wine 8 puts
# it in the user's. Either way it is the only one, and it names the program.
shortcuts=$(find "$drive" -path '*/Start Menu/Programs/*' -iname '*zolinar*')
[[ $shortcuts == */IT_Zolinar.lnk ]] || fail "the Start-menu shortcuts are: '$shortcuts'"
grep -qaF 'C:\Program Files\IT_Zolinar\IT_Zolinar.exe' "$shortcuts" || fail "the shortcut does not point at the program"
entry=$(wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{$product}" | tr -d '\r')
for value in 'DisplayName +REG_SZ +IT_Zolinar$' 'DisplayVersion +REG_SZ +1\.0\.0\.0$' 'Publisher +REG_SZ +IT_Zolinar developers$'; do
    grep -qE "^ +$value" <<<"$entry" || fail "the Uninstall entry has no '$value': $entry"
done

planted=(dwmapi uxtheme version winmm)
x86_64-w64-mingw32-gcc-posix -shared -o "$work/planted.dll" "$(dirname "$0")/PlantedDll.c"
for name in "${planted[@]}"; do cp "$work/planted.dll" "$folder/$name.dll"; done
WINEDLLOVERRIDES+=";$(IFS=,; echo "${planted[*]}")=n,b"
start_program wine "$folder/IT_Zolinar.exe"
report third_row 'книга' 'писател по вида тема'
click_at 80 94
expect_text "the report of row 2 in the installed program" "$third_row"
close_program xdotool windowfocus --sync "$window" key --clearmodifiers alt+F4
[[ $status -eq 0 ]] || fail "the installed program ended with status $status"
[[ ! -e $drive/planted-dll-ran.txt ]] || fail "a planted DLL ran inside the program: $(cat "$drive/planted-dll-ran.txt")"
for name in "${planted[@]}"; do rm "$folder/$name.dll"; done

wine msiexec /x "$package" /qn || fail "the silent uninstall ended with status $?"
leftovers=$(find "$drive" -iname '*zolinar*')
[[ -z $leftovers ]] || fail "the uninstall left: $leftovers"
wine regedit /E "$work/registry.reg"
! iconv -f UTF-16 -t UTF-8 "$work/registry.reg" | grep -i -m3 "zolinar\|$product" || fail "the uninstall left these registry values"
echo "Windows installer under Wine: installed, shortcut and entry made, no planted DLL ran, uninstalled without a trace"
