#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only those
# that are missing, so a second run costs a few dpkg queries.
set -euo pipefail

packages=(
    # build
    cmake g++ make pkgconf
    qt6-base-dev libgl-dev
    # Times New Roman resolves to its metric twin, with Cyrillic
    fonts-liberation2
    # tests: unit and widget tests, the Windows resource script, and the
    # end-to-end run under a virtual X server with real X input
    libgtest-dev libgmock-dev
    binutils-mingw-w64-x86-64
    xvfb xdotool xclip x11-utils libx11-dev
    # proof under faults: leak check and system-call trace of the real program
    valgrind strace
    # static analysis
    clang-tidy cppcheck
    # installation and packaging checks
    desktop-file-utils appstream lintian dpkg-dev man-db
    # accessibility: the AT-SPI bus and a client to read the window through it
    dbus-daemon at-spi2-core python3-pyatspi
    # startup and footprint benchmark: Google Benchmark, and Tk to compare with
    libbenchmark-dev tk
)

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
