#!/usr/bin/env bash
# `cmake --install` into a scratch prefix puts every file in its standard
# place, and the desktop entry and AppStream metainfo pass their validators
# without a single remark.
set -euo pipefail

build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$stage/usr" >/dev/null
expected=(
    usr/bin/IT_Zolinar
    usr/share/applications/org.example.it_zolinar.desktop
    usr/share/metainfo/org.example.it_zolinar.metainfo.xml
    usr/share/icons/hicolor/32x32/apps/org.example.it_zolinar.png
    usr/share/icons/hicolor/64x64/apps/org.example.it_zolinar.png
    usr/share/man/man1/IT_Zolinar.1.gz
)
for file in "${expected[@]}"; do
    [[ -f $stage/$file ]] || fail "not installed: /$file"
done
[[ -x $stage/usr/bin/IT_Zolinar ]] || fail "the program is not executable"
installed=$(cd "$stage" && find . -type f | sed 's|^\./||' | sort)
unexpected=$(comm -13 <(printf '%s\n' "${expected[@]}" | sort) <(echo "$installed"))
[[ -z $unexpected ]] || fail "installed but not expected: $unexpected"

desktop=$(desktop-file-validate "$stage/usr/share/applications/org.example.it_zolinar.desktop" 2>&1) \
    || fail "desktop-file-validate: $desktop"
[[ -z $desktop ]] || fail "desktop-file-validate remarks: $desktop"

metainfo=$(appstreamcli validate --no-net --pedantic --no-color "$stage/usr/share/metainfo/org.example.it_zolinar.metainfo.xml" 2>&1) \
    || fail "appstreamcli: $metainfo"
if grep -q -E '^[EWIP]:' <<<"$metainfo"; then
    fail "appstreamcli remarks: $metainfo"
fi
man -l "$stage/usr/share/man/man1/IT_Zolinar.1.gz" >/dev/null 2>&1 || zcat "$stage/usr/share/man/man1/IT_Zolinar.1.gz" | grep -q '^\.TH IT_ZOLINAR 1' \
    || fail "the manual page does not read"
echo "install: every file in its place; desktop entry and metainfo validate without remarks"
