# Shell functions that the scripts here source. None changes the caller's
# folder or ends it: a failing step returns a failure itself, as bash
# switches `set -e` off inside a function called from `if`, `||` or `&&`.

project=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Builds and tests on every core: CMake's Makefiles and CTest run one job at
# a time unless told otherwise.
build_in_parallel() {
    export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
    export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
}

# The release files of the build in folder $1, one a line, as the build
# configured them (release-files.txt): the scripts know no version or file
# name of their own.
release_files() {
    sed "s|^|$1/|" "$1/release-files.txt"
}

# A static Qt for another platform (windows-qt.sh, web-qt.sh) is built from
# Debian's own source package of the Qt this machine runs, with progress,
# and installed with the licenses a statically linked Qt travels with.
#
# qt_locate LABEL FILE: LABEL is what the messages call this Qt ("Qt for
# Windows"), FILE the CMake file that names the versioned cache folder the
# build installs into (cmake/WindowsQt.cmake).
qt_locate() {
    label=$1
    prefix=$(cmake -P "$project/$2") || return 1
    stamp=$prefix/zolinar-qt-complete
    work=$prefix.work
    log=$work/build.log
    source_dir=$work/source
    build_dir=$work/build
    # Every path the compiler writes into Qt's objects is mapped to a neutral name.
    prefix_maps="-ffile-prefix-map=$source_dir=qtbase -ffile-prefix-map=$build_dir=qtbase-build"
}

# Succeeds, saying where, if that Qt is built already: the folder counts as
# finished only once its stamp is written, after the install. What a run
# stopped after the stamp left of the work folder goes.
qt_built() {
    [[ -f $stamp ]] || return 1
    rm -rf "$work"
    echo "$label: $prefix"
}

# Debian's source of the same Qt as the host tools (qt6-base, the version of
# the installed qt6-base-dev-tools), fetched with apt-get through a private
# apt configuration whose deb-src entries mirror the machine's Debian
# sources, so the host's apt setup is left untouched. It is unpacked and
# patched with the patch files in scripts/ that qt_patches names in a
# scratch folder, and moved into place only when the last patch applied:
# a run stopped on the way, or a patch that does not apply, leaves no
# source, and the next run fetches clean source again.
qt_patches=()
qt_fetch_source() {
    mkdir -p "$work" && version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools) || return 1
    [[ -f $source_dir/.patched ]] && return 0
    local apt=$work/apt fetch=$work/fetch file patch
    rm -rf "$source_dir" "$fetch" && mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/archives/partial" "$fetch" ||
        return 1
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
    local options=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt/sources.list.d"
        -o Dir::State::Lists="$apt/lists" -o Dir::Cache::Archives="$apt/archives"
        -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root -o Debug::NoLocking=1)
    apt-get "${options[@]}" update -qq && (cd "$fetch" && apt-get "${options[@]}" source -qq "qt6-base=$version") ||
        return 1
    local unpacked=("$fetch"/qt6-base-*/)
    for patch in "${qt_patches[@]}"; do
        patch --directory="${unpacked[0]}" --strip=1 --quiet --forward --batch --fuzz=0 <"$project/scripts/$patch" || {
            rm -rf "$fetch"
            echo "scripts/$patch does not apply to Debian's qt6-base $version: mend the patch for that source;" \
                "the next run starts again from clean source" >&2
            return 1
        }
    done
    touch "${unpacked[0]}/.patched" && mv "${unpacked[0]}" "$source_dir" && rm -rf "$fetch"
}

# Configures Qt, logging to the log: static, optimised for size, with
# Qt's host tools taken from this machine, with what no platform's program
# uses switched off, and with the platform's own arguments.
qt_configure() {
    local switched_off=() feature
    for feature in "${qt_unused_features[@]}"; do switched_off+=("-DFEATURE_$feature=OFF"); done
    cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_C_FLAGS="$prefix_maps" -DCMAKE_CXX_FLAGS="$prefix_maps" \
        -DFEATURE_optimize_size=ON \
        -DBUILD_SHARED_LIBS=OFF \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF \
        -DFEATURE_opengl=ON \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DFEATURE_sql_sqlite=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
        "${switched_off[@]}" "$@" >>"$log" 2>&1 || {
        tail -40 "$log" >&2
        echo "Configuring $label failed; the log is $log" >&2
        return 1
    }
}

# The whole build, from fetching the source to the stamp, with the
# platform's configuration arguments.
qt_build() {
    echo "Building $label into $prefix (10 to 15 minutes on two cores; log: $log)"
    local started=$SECONDS
    qt_fetch_source && qt_configure "$@" && qt_build_and_install || return 1
    echo "$label built in $(((SECONDS - started) / 60)) minutes: $prefix"
}

# Builds and installs Qt, showing one step in fifty, then the licenses: the
# LGPL is a set of additions to the GPL and asks for both texts, and the
# notices of the third-party code built into Qt go with them. Then the stamp,
# and older recipes' builds are removed.
qt_build_and_install() {
    local status=0
    NINJA_STATUS='[%f/%t] ' cmake --build "$build_dir" --parallel "$(nproc)" 2>&1 | tee -a "$log" |
        LABEL=$label awk '/^\[[0-9]+\/[0-9]+\]/ {
            split(substr($1, 2), n, "/")
            if (n[1] % 50 == 0 || n[1] == n[2]) {
                printf "%s: step %d of %d\n", ENVIRON["LABEL"], n[1], n[2]; fflush() } }' || status=${PIPESTATUS[0]}
    if ((status != 0)); then
        grep -B2 -A20 -m3 'FAILED:\|error:' "$log" >&2 || tail -40 "$log" >&2
        echo "Building $label failed; the log is $log" >&2
        return 1
    fi
    cmake --install "$build_dir" >>"$log" 2>&1 &&
        mkdir -p "$prefix/licenses" &&
        cp "$source_dir/LICENSES/LGPL-3.0-only.txt" "$prefix/licenses/Qt-LGPL-3.0.txt" &&
        cp "$source_dir/LICENSES/GPL-3.0-only.txt" "$prefix/licenses/Qt-GPL-3.0.txt" &&
        python3 "$project/scripts/qt-notices.py" "$source_dir" "$build_dir" "$prefix/licenses/Qt-THIRD-PARTY-NOTICES.txt" &&
        echo "Qt $version from Debian's source package qt6-base, built by scripts/$(basename "$0")" \
            >"$prefix/licenses/Qt-SOURCE.txt" &&
        touch "$stamp" || return 1
    rm -rf "$work"
    local old
    for old in "${prefix%-r*}"-r*; do
        [[ $old == "$prefix" || ! -f $old/zolinar-qt-complete ]] || rm -rf "$old"
    done
}

# Widgets, dialogs, text and image formats and services the program never
# uses, switched off on every platform. Among them Qt's MIME database: the
# program never asks a file's type, and Qt packs the database with gzip,
# whose header holds the time of packing, so the program would carry the
# time Qt was built.
qt_unused_features=(
    calendarwidget colordialog columnview datawidgetmapper datetimeedit dial
    errormessage filedialog fontcombobox fontdialog fscompleter
    graphicseffect graphicsview keysequenceedit lcdnumber mdiarea
    progressdialog sizegrip splashscreen splitter statusbar
    syntaxhighlighter tablewidget textbrowser toolbox treewidget
    undoview wizard
    textmarkdownreader textmarkdownwriter textodfwriter pdf movie
    systemtrayicon undocommand undostack undogroup
    imageformat_ppm imageformat_xbm
    jalalicalendar islamiccivilcalendar sharedmemory systemsemaphore testlib
    mimetype_database
)
