#!/usr/bin/env bash
# The installer's cycle under Wine, in one fresh prefix: a silent install
# (the tested executable, the shortcut, the Apps entry); the installed
# program run with a hostile DLL planted beside it under every DLL name it
# holds, and a qt.conf and a qtlogging.ini beside it: it works, ends with
# status 0, no planted DLL runs and neither file is read; a silent
# uninstall leaves no trace.
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

# A DLL of ours under every name the executable imports, delay-loads or
# loads by name, read from the executable itself, all at once beside it;
# and a qt.conf there naming another folder, with a qtlogging.ini in both
# that would switch Qt's debug output on. Run under Wine's own load order,
# then with every name Windows would look for beside the program (all but
# its KnownDLLs and API sets) preferred native, as Windows prefers them:
# the program works and ends with status 0, no planted DLL runs, and Wine's
# file trace shows nothing looked for in either folder, named in full (a
# clone's path may hold either word), but the executable and DLLs (the
# user's own qtlogging.ini may be read). A KnownDLL is not forced: Wine's
# own DLLs load their dependencies from beside the program whatever it
# asks, so Wine would load a planted copy itself, where Windows never
# takes a KnownDLL but from System32.
mapfile -t planted < <({ strings -a -n 5 "$executable"; strings -a -n 5 -e l "$executable"; } |
    grep -ioE '[a-z0-9_.-]+\.dll' | tr '[:upper:]' '[:lower:]' | sed 's/\.dll$//' | sort -u)
((${#planted[@]} >= 25)) || fail "the executable names only these DLLs: ${planted[*]}"
searched=$(printf '%s\n' "${planted[@]}" | grep -vxF -f <(grep -v '^#' "$(dirname "$0")/KnownDlls.txt" | tr -s ' ' '\n') |
    grep -v '^api-ms-win-' | paste -sd,)
x86_64-w64-mingw32-gcc-posix -shared -o "$work/planted.dll" "$(dirname "$0")/PlantedDll.c"
for name in "${planted[@]}"; do cp "$work/planted.dll" "$folder/$name.dll"; done
mkdir "$drive/elsewhere"
printf '[Paths]\r\nPrefix=C:/elsewhere\r\n' >"$folder/qt.conf"
for ini in "$folder" "$drive/elsewhere"; do printf '[Rules]\r\n*.debug=true\r\n' >"$ini/qtlogging.ini"; done
report third_row 'книга' 'писател по вида тема'
for order in wine native; do
    overrides=$WINEDLLOVERRIDES
    [[ $order == native ]] && overrides+=";$searched=n,b"
    WINEDLLOVERRIDES=$overrides WINEDEBUG=+file start_program wine "$folder/IT_Zolinar.exe"
    click_at 80 94
    expect_text "the installed program's report of row 2 ($order load order)" "$third_row"
    close_program xdotool windowfocus --sync "$window" key --clearmodifiers alt+F4
    [[ $status -eq 0 ]] || fail "the installed program ended with status $status ($order load order)"
    [[ ! -e $drive/planted-dll-ran.txt ]] || fail "planted DLLs ran inside the program ($order load order): $(cat "$drive/planted-dll-ran.txt")"
    looked=$(grep -aoiE '(Program Files|C:|drive_c)[\\/]+(IT_Zolinar|elsewhere)[\\/][^"]*' "$work/app.log" | grep -viE '\.(exe|dll)$' | sort -u || true)
    [[ -z $looked ]] || fail "the program looked for more than DLLs beside it ($order load order): $looked"
done
rm -r "$folder"/*.dll "$folder/qt.conf" "$folder/qtlogging.ini" "$drive/elsewhere"

wine msiexec /x "$package" /qn || fail "the silent uninstall ended with status $?"
leftovers=$(find "$drive" -iname '*zolinar*')
[[ -z $leftovers ]] || fail "the uninstall left: $leftovers"
wine regedit /E "$work/registry.reg"
! iconv -f UTF-16 -t UTF-8 "$work/registry.reg" | grep -i -m3 "zolinar\|$product" || fail "the uninstall left these registry values"
echo "Windows installer under Wine: installed, shortcut and entry made, no planted DLL ran, uninstalled without a trace"
