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
depends=$(dpkg-deb -f "$package" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "dependencies not computed: $depends"

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
start_program "$root/usr/bin/IT_Zolinar"
close_program
[[ $status -eq 0 ]] || fail "the packaged program ended with status $status"
echo "package: $(basename "$package") builds, passes lintian, holds its files, and its program opens its window and closes"
echo "Depends: $depends"
