#!/usr/bin/env bash
# The run command's set-up on a machine that has nothing yet asks for the
# build tools, Qt and the font, and for no tool of testing, linting,
# packaging or benchmarking; and a configure without tests looks for none
# of those tools either. apt-get and dpkg-query are recorders here, so
# nothing is installed.
set -euo pipefail

source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir "$work/bin"
printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query"
printf '#!/bin/sh\necho "$*" >>"%s/apt-get.log"\n' "$work" >"$work/bin/apt-get"
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*
PATH="$work/bin:$PATH" bash "$source_dir/scripts/setup.sh" run >/dev/null

asked=$(grep '^install' "$work/apt-get.log" | tr ' ' '\n' | grep -v -e '^-' -e '^install$' | sort)
for needed in g++ cmake qt6-base-dev fonts-liberation2 qt6-translations-l10n; do
    grep -qx -- "$needed" <<<"$asked" || fail "the run set-up does not install $needed: $asked"
done
unwanted=$(grep -E 'gtest|gmock|xvfb|xdotool|xclip|valgrind|strace|clang|cppcheck|lintian|appstream|desktop-file|dbus|at-spi|pyatspi|benchmark|mingw|^tk$|xdamage|imagemagick|icoutils|wine' <<<"$asked" || true)
[[ -z $unwanted ]] || fail "the run set-up installs test or benchmark tools: $unwanted"

cmake -S "$source_dir" -B "$work/build" -DBUILD_TESTING=OFF >"$work/configure.log" 2>&1 \
    || fail "configure without tests failed: $(tail -n 20 "$work/configure.log")"
found=$(grep -E '^(GTest|benchmark|ZOLINAR_[A-Z_]*(XVFB|XDOTOOL|XCLIP|VALGRIND|STRACE|LINTIAN|CLANG_TIDY|CPPCHECK|WINDRES|DBUS)[A-Z_]*)[A-Za-z_]*:' "$work/build/CMakeCache.txt" || true)
[[ -z $found ]] || fail "a configure without tests looks for test tools: $found"
echo "run set-up: $(echo $asked); a configure without tests looks for no test tool"
