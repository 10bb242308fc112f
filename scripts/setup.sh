#!/usr/bin/env bash
# Installs the Debian packages that one task needs (the lists below), only
# those that are missing, so a second run costs a few dpkg queries. The
# test, bench and deb tasks also take what running needs.
set -euo pipefail

run=(
    cmake g++ make
    qt6-base-dev libgl-dev
    # Qt's own texts (menus, buttons) in Bulgarian, like the window
    qt6-translations-l10n
    # Times New Roman resolves to its metric twin, with Cyrillic
    fonts-liberation2
)
# The Debian package and its checks; the test command runs them too.
deb=(
    # the package's icons and manual page, and the unit and widget tests
    libgtest-dev libgmock-dev imagemagick icoutils
    # installation and packaging checks
    desktop-file-utils appstream lintian dpkg-dev man-db
    # the packaged program in a Wayland session: a headless Weston, and
    # Qt's Wayland plugin, which the package recommends
    weston qt6-wayland
    # the end-to-end runs under a virtual X server with real X input
    xvfb xdotool xclip x11-utils libx11-dev
    # proof under faults: leak check and system-call trace of the real program
    valgrind strace
    # accessibility: the AT-SPI bus and a client to read the window through it
    dbus-daemon at-spi2-core python3-pyatspi
)
test=(
    "${deb[@]}"
    # the Windows resource script, checked on Linux too
    binutils-mingw-w64-x86-64
    # static analysis
    clang-tidy cppcheck
    # the benchmark's tools are built and tried by the tests too
    libbenchmark-dev libxdamage-dev
)
reproduce=(
    # what shows how two builds differ, should they differ
    diffoscope-minimal git
)
bench=(
    xvfb x11-utils libx11-dev libxdamage-dev libbenchmark-dev
    # the same window in Tk, to compare with
    tk
)
# Building a static Qt and the program for another platform (functions.sh).
cross=(
    cmake ninja-build git
    # Qt's host tools (moc, uic, rcc) and their CMake files (Qt6HostInfo)
    # for the cross build, and the tools that fetch and unpack Debian's
    # source of the same Qt
    qt6-base-dev-tools qt6-base-dev dpkg-dev python3
    # Qt's Bulgarian texts, built into the program
    qt6-translations-l10n
    # the core's unit tests, built from source for the platform
    googletest
    # the icon, from the XPM, for the program and for the icon theme
    imagemagick icoutils
    zip unzip
)
web=(
    "${cross[@]}"
    emscripten
    # the window's font, built into the page's program
    fonts-liberation2
    # the zip the same bytes every time
    strip-nondeterminism
    # the program gzipped 4 % smaller than gzip -9 does it
    zopfli
    # the page's tests: headless Chromium driven through WebDriver, and
    # Firefox (through its own WebDriver BiDi) and WebKitGTK in windows on
    # a virtual X server, whose clipboard xclip reads
    chromium chromium-driver python3-selenium
    firefox-esr python3-websocket webkit2gtk-driver xvfb xclip
)
windows=(
    "${cross[@]}"
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    # the installer, written from the project's own description, the tools
    # that make the zip and it the same bytes every time, and read it back
    wixl msitools faketime strip-nondeterminism
    # the executable's tests: Wine on a virtual X server with real X input;
    # Wine's X driver opens these X libraries at run time, and draws with
    # its own fonts and the metric twin of Times New Roman
    wine wine64 fonts-wine fonts-liberation2
    libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3 libxinerama1 libxcomposite1
    xvfb xdotool xclip x11-utils
)

case ${1:-} in
run) packages=("${run[@]}") ;;
test) packages=("${run[@]}" "${test[@]}") ;;
bench) packages=("${run[@]}" "${bench[@]}") ;;
windows) packages=("${windows[@]}") ;;
web) packages=("${web[@]}") ;;
deb) packages=("${run[@]}" "${deb[@]}") ;;
reproduce) packages=("${reproduce[@]}") ;;
*)
    echo "usage: setup.sh run|test|bench|windows|web|deb|reproduce" >&2
    exit 2
    ;;
esac

# The page's test installs its accessibility rules with npm, which Debian's
# nodejs, unlike some others, leaves out.
if [[ ${1:-} == web ]] && ! command -v npm >/dev/null; then
    packages+=(npm)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
