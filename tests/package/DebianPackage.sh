#!/usr/bin/env bash
# Builds the Debian package from the sources with Debian's hardening flags
# (or packs the given tree, already built with them: the deb preset's),
# checks it with lintian (no error, no warning), its contents and its
# dependencies, unpacks it into a scratch root and starts the packaged
# program from there under Xvfb, sees its window and closes it. Nothing is
# installed on this machine.
set -euo pipefail

source_dir=$1
close_window=$2
tree=${3:-}

source "$source_dir/tests/e2e/xsession.sh"
# lintian leaves its DBM files in TMPDIR: the test's own folder, not /tmp.
export TMPDIR=$work

if [[ -n $tree ]]; then
    build=$tree
    cpack --config "$build/CPackConfig.cmake" -B "$work" -G DEB >/dev/null
    package=$(ls "$work"/it-zolinar_*.deb)
else
    build="$work/build"
    cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF -DZOLINAR_WARNINGS_AS_ERRORS=ON \
        -DZOLINAR_DEBIAN_BUILD_FLAGS=ON >/dev/null
    cmake --build "$build" -j "$(nproc)" >/dev/null
    (cd "$build" && cpack -G DEB >/dev/null)
    package=$(ls "$build"/it-zolinar_*.deb)
fi
[[ $(basename "$package") == it-zolinar_1.0.0.0_amd64.deb ]] || fail "unexpected package name: $package"
python3 "$source_dir/tests/package/check_release.py" "$package" || fail "the package's version or program"
depends=$(dpkg-deb -f "$package" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "dependencies not computed: $depends"
# The window's layout needs the font it is drawn for; Wayland's plugin is
# recommended, as the program runs through XWayland without it.
[[ $depends == fonts-liberation2,* ]] || fail "the package does not depend on the window's font: $depends"
[[ $(dpkg-deb -f "$package" Recommends) == "qt6-translations-l10n, qt6-wayland" ]] ||
    fail "the package recommends $(dpkg-deb -f "$package" Recommends)"

lintian_output=$(lintian --fail-on error,warning --tag-display-limit 0 "$package" 2>&1 | grep -v 'running with root privileges' || true)
lintian --fail-on error,warning "$package" >/dev/null 2>&1 || fail "lintian: $lintian_output"
if grep -q -E '^[EW]:' <<<"$lintian_output"; then
    fail "lintian: $lintian_output"
fi

# The package holds exactly what the install rules put in place (which the
# install_layout test checks file by file).
contents=$(dpkg-deb -c "$package" | awk '{ print $6 }' | grep -v '/$' | sed 's|^\./||' | sort)
for component in Unspecified debian; do cmake --install "$build" --prefix "$work/stage/usr" --component $component >/dev/null; done
expected=$(cd "$work/stage" && find . -type f | sed 's|^\./||' | sort)
[[ $contents == "$expected" ]] || fail "package contents differ from the install: $(diff <(echo "$expected") <(echo "$contents"))"
for file in usr/share/man/man1/IT_Zolinar.1.gz usr/share/icons/hicolor/{32x32,64x64}/apps/org.example.it_zolinar.png; do
    grep -qxF "$file" <<<"$contents" || fail "the package does not carry $file"
done

root="$work/root"
dpkg-deb -x "$package" "$root"
[[ -x $root/usr/bin/IT_Zolinar ]] || fail "the package does not carry an executable /usr/bin/IT_Zolinar"

start_xvfb
# Told to draw through Wayland where it cannot (here no Wayland display, as
# where Qt's Wayland plugin is missing), the program starts on X11 instead
# of ending, under the window class its desktop entry names.
start_program env QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=none XDG_RUNTIME_DIR="$work" "$root/usr/bin/IT_Zolinar"
[[ $(xprop -id "$window" WM_CLASS) == 'WM_CLASS(STRING) = "IT_Zolinar", "IT_Zolinar"' ]] ||
    fail "the window's class is $(xprop -id "$window" WM_CLASS)"
grep -qx 'StartupWMClass=IT_Zolinar' "$root/usr/share/applications/org.example.it_zolinar.desktop" ||
    fail "the desktop entry names another window class"
close_program
[[ $status -eq 0 ]] || fail "the packaged program ended with status $status"

# In a Wayland session (a headless Weston) with Qt's Wayland plugin, the
# window is Wayland's own, under the app id that is its desktop entry's
# name, and of the form's size with Qt's frame (3 pixels) and title bar
# (30), as the program tells the compositor.
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR=$work/runtime timeout 60 weston --backend=headless-backend.so --socket=wayland-zolinar --idle-time=0 \
    >"$work/weston.log" 2>&1 &
weston_pid=$!
for ((try = 0; try < 100; try++)); do [[ -S $work/runtime/wayland-zolinar ]] && break; sleep 0.1; done
env -u DISPLAY XDG_RUNTIME_DIR="$work/runtime" WAYLAND_DISPLAY=wayland-zolinar QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    timeout 30 "$root/usr/bin/IT_Zolinar" 2>"$work/wayland.log" &
wayland_pid=$!
for ((try = 0; try < 100; try++)); do grep -q set_window_geometry "$work/wayland.log" && break; sleep 0.1; done
kill "$wayland_pid" "$weston_pid" 2>/dev/null || true
wait "$wayland_pid" "$weston_pid" 2>/dev/null || true
grep -q 'xdg_toplevel@[0-9]*\.set_app_id("org\.example\.it_zolinar")' "$work/wayland.log" &&
    grep -q 'xdg_surface@[0-9]*\.set_window_geometry(0, 0, 467, 378)' "$work/wayland.log" ||
    fail "under Weston the window is: $(grep -E 'set_app_id|set_window_geometry' "$work/wayland.log" || tail -n 5 "$work/wayland.log")"
echo "package: $(basename "$package") builds, passes lintian, holds its files, and its program opens its window on X11 (asked for Wayland where there is none) and under Weston, as its desktop entry"
echo "Depends: $depends"
