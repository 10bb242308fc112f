#!/usr/bin/env bash
# Builds the Debian package from the sources with Debian's hardening flags,
# checks it with lintian (no error, no warning), installs it on this machine,
# starts the installed program under Xvfb, sees its window, closes it, and
# removes the package again.
set -euo pipefail

source_dir=$1
close_window=$2

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)

source "$source_dir/tests/e2e/xsession.sh"
remove_package() {
    if dpkg-query -W -f='${Status}' it-zolinar 2>/dev/null | grep -q 'install ok installed'; then
        "${sudo[@]}" dpkg -r it-zolinar >/dev/null
    fi
}
trap 'remove_package; cleanup' EXIT

build="$work/build"
export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF -DZOLINAR_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/it-zolinar_*.deb)
[[ $(basename "$package") == it-zolinar_1.0.0.0_amd64.deb ]] || fail "unexpected package name: $package"
depends=$(dpkg-deb -f "$package" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "dependencies not computed: $depends"

lintian_output=$(lintian --fail-on error,warning --tag-display-limit 0 "$package" 2>&1 | grep -v 'running with root privileges' || true)
lintian --fail-on error,warning "$package" >/dev/null 2>&1 || fail "lintian: $lintian_output"
if grep -q -E '^[EW]:' <<<"$lintian_output"; then
    fail "lintian: $lintian_output"
fi

remove_package
"${sudo[@]}" dpkg -i "$package" >/dev/null
[[ -x /usr/bin/IT_Zolinar ]] || fail "the package did not install /usr/bin/IT_Zolinar"

start_xvfb
start_program /usr/bin/IT_Zolinar
close_program
[[ $status -eq 0 ]] || fail "the installed program ended with status $status"

remove_package
[[ ! -e /usr/bin/IT_Zolinar ]] || fail "removing the package left /usr/bin/IT_Zolinar behind"
echo "package: $(basename "$package") builds, passes lintian, installs, opens its window, closes and removes"
echo "Depends: $depends"
