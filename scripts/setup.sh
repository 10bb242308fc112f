#!/usr/bin/env bash
# Installs the Debian packages that one task needs, only those that are
# missing, so a second run costs a few dpkg queries.
#   setup.sh run     building the program and running it
#   setup.sh test    that, and every tool the test command uses
#   setup.sh bench   that, and what the startup benchmark compares against
set -euo pipefail

run=(
    cmake g++ make
    qt6-base-dev libgl-dev
    # Times New Roman resolves to its metric twin, with Cyrillic
    fonts-liberation2
)
test=(
    # unit and widget tests, the icon files, and the Windows resource script
    libgtest-dev libgmock-dev imagemagick icoutils binutils-mingw-w64-x86-64
    # the end-to-end runs under a virtual X server with real X input
    xvfb xdotool xclip x11-utils libx11-dev
    # proof under faults: leak check and system-call trace of the real program
    valgrind strace
    # static analysis
    clang-tidy cppcheck
    # installation and packaging checks
    desktop-file-utils appstream lintian dpkg-dev man-db
    # accessibility: the AT-SPI bus and a client to read the window through it
    dbus-daemon at-spi2-core python3-pyatspi
    # the benchmark's tools are built and tried by the tests too
    libbenchmark-dev libxdamage-dev
)
bench=(
    xvfb x11-utils libx11-dev libxdamage-dev libbenchmark-dev
    # the same window in Tk, to compare with
    tk
)

case ${1:-} in
run) packages=("${run[@]}") ;;
test) packages=("${run[@]}" "${test[@]}") ;;
bench) packages=("${run[@]}" "${bench[@]}") ;;
*)
    echo "usage: setup.sh run|test|bench" >&2
    exit 2
    ;;
esac

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
