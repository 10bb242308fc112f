#!/usr/bin/env bash
# Builds the static Qt for Windows that the Windows program links, once, into
# the versioned cache folder that cmake/WindowsQt.cmake names; a later run
# finds it finished and returns at once.
#
# The source is Debian's own source package of the Qt this machine runs
# (qt6-base, the version of the installed qt6-base-dev-tools), fetched with
# apt-get through a private apt configuration whose deb-src entries mirror
# the machine's Debian sources, so the host's apt setup is left untouched.
# Qt's host tools (moc, uic, rcc) are the installed ones; only the libraries
# and plugins are cross-compiled, with the mingw-w64 posix compiler.
#
# Only what the program needs is built: Core, Gui and Widgets, the Windows
# platform plugin and the Windows styles, with the widgets, dialogs, text
# and image formats the program never uses switched off. Some settings are
# needed for this source: Debian's repack drops the Wintab headers, so
# tablet events are off; Qt 6.4's Windows platform plugin does not compile
# without OpenGL (it only links the system's opengl32.dll) and does not
# link without Direct2D (which carries Qt's DirectWrite font code), and the
# WindowsVista style includes the headers of a few widgets unconditionally,
# so those stay on.
#
# The libraries are made for a small executable that names no machine:
# optimised for size, one section per function so that the program's link
# drops what it does not call. Qt is relocatable, so QtCore keeps no install
# prefix, and every source path is mapped to a neutral name. Link-time
# optimisation would not reach Qt: its objects are big-object COFF files,
# which GCC 12's LTO plugin leaves to the plain linker.
#
# An interrupted build resumes where it stopped; the folder counts as
# finished only once its stamp is written, after the install.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD

prefix=$(cmake -P cmake/WindowsQt.cmake 2>&1)
stamp=$prefix/zolinar-qt-complete
if [[ -f $stamp ]]; then
    echo "Qt for Windows: $prefix"
    exit 0
fi

work=$prefix.work
mkdir -p "$work"
log=$work/build.log
echo "Building Qt for Windows into $prefix (about 15 minutes on two cores; log: $log)"
started=$SECONDS

# Debian's source of the same Qt as the host tools.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
source_dir=$work/source
if [[ ! -f $source_dir/.unpacked ]]; then
    apt=$work/apt
    mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/archives/partial"
    # deb-src twins of the machine's Debian entries, one-line and deb822 alike.
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f $file ]] || continue
        sed -n 's/^[[:space:]]*deb[[:space:]]\(.*debian.*\)/deb-src \1/p' "$file"
    done >"$apt/sources.list.d/debian-src.list"
    for file in /etc/apt/sources.list.d/*.sources; do
        [[ -f $file ]] || continue
        # Stanzas are separated by blank lines; keep those of Debian archives.
        awk -v RS= -v ORS='\n\n' '/URIs:[^\n]*debian/ && /Types:[^\n]*deb/ {
            sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$file"
    done >"$apt/sources.list.d/debian-src.sources"
    options=(
        -o Dir::Etc::SourceList=/dev/null
        -o Dir::Etc::SourceParts="$apt/sources.list.d"
        -o Dir::State::Lists="$apt/lists"
        -o Dir::Cache::Archives="$apt/archives"
        -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
        -o APT::Sandbox::User=root
        -o Debug::NoLocking=1
    )
    apt-get "${options[@]}" update -qq
    rm -rf "$source_dir" "$work/fetch"
    mkdir -p "$work/fetch"
    (cd "$work/fetch" && apt-get "${options[@]}" source -qq "qt6-base=$version")
    mv "$work/fetch"/qt6-base-*/ "$source_dir"
    rm -rf "$work/fetch"
    touch "$source_dir/.unpacked"
fi

build_dir=$work/build
prefix_maps="-ffile-prefix-map=$source_dir=qtbase -ffile-prefix-map=$build_dir=qtbase-build"
unused=(
    # Widgets and dialogs the program never creates.
    calendarwidget colordialog columnview datawidgetmapper datetimeedit dial
    errormessage filedialog fontcombobox fontdialog fscompleter
    graphicseffect graphicsview keysequenceedit lcdnumber mdiarea
    progressdialog sizegrip splashscreen splitter statusbar
    syntaxhighlighter tablewidget textbrowser toolbox treewidget
    undoview wizard style_fusion
    # Text formats, image formats and services it never reads or writes.
    textmarkdownreader textmarkdownwriter textodfwriter pdf movie
    systemtrayicon undocommand undostack undogroup
    imageformat_ppm imageformat_xbm freetype
    jalalicalendar islamiccivilcalendar sharedmemory systemsemaphore testlib
)
switched_off=()
for feature in "${unused[@]}"; do switched_off+=("-DFEATURE_$feature=OFF"); done
cmake -S "$source_dir" -B "$build_dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$project/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_FLAGS="$prefix_maps" -DCMAKE_CXX_FLAGS="$prefix_maps" \
    -DFEATURE_optimize_size=ON -DFEATURE_gc_binaries=ON -DFEATURE_relocatable=ON \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=OFF \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_opengl=ON \
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_sql_sqlite=OFF -DFEATURE_sql_odbc=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=ON \
    "${switched_off[@]}" \
    >>"$log" 2>&1 || {
    tail -40 "$log" >&2
    echo "Configuring Qt for Windows failed; the log is $log" >&2
    exit 1
}

# Ninja prints a line a step; show one in fifty.
set +e
NINJA_STATUS='[%f/%t] ' cmake --build "$build_dir" --parallel "$(nproc)" 2>&1 | tee -a "$log" |
    awk '/^\[[0-9]+\/[0-9]+\]/ {
        split(substr($1, 2), n, "/")
        if (n[1] % 50 == 0 || n[1] == n[2]) {
            printf "Qt for Windows: step %d of %d\n", n[1], n[2]; fflush() } }'
status=${PIPESTATUS[0]}
set -e
if ((status != 0)); then
    grep -B2 -A20 -m3 'FAILED:\|error:' "$log" >&2 || tail -40 "$log" >&2
    echo "Building Qt for Windows failed; the log is $log" >&2
    exit 1
fi
cmake --install "$build_dir" >>"$log" 2>&1
# A statically linked LGPL Qt travels with its license and the notices of
# the third-party code built into it; the Windows zip takes them from here.
mkdir -p "$prefix/licenses"
# The LGPL is a set of additions to the GPL, and asks for both texts.
cp "$source_dir/LICENSES/LGPL-3.0-only.txt" "$prefix/licenses/Qt-LGPL-3.0.txt"
cp "$source_dir/LICENSES/GPL-3.0-only.txt" "$prefix/licenses/Qt-GPL-3.0.txt"
python3 "$project/scripts/qt-notices.py" "$source_dir" "$build_dir" "$prefix/licenses/Qt-THIRD-PARTY-NOTICES.txt"
echo "Qt $version from Debian's source package qt6-base, built by scripts/windows-qt.sh" >"$prefix/licenses/Qt-SOURCE.txt"
touch "$stamp"
rm -rf "$work"
# Builds by earlier recipes are of no more use.
for old in "${prefix%-r*}"-r*; do
    [[ $old == "$prefix" || ! -f $old/zolinar-qt-complete ]] || rm -rf "$old"
done
echo "Qt for Windows built in $(((SECONDS - started) / 60)) minutes: $prefix"
