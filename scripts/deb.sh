#!/usr/bin/env bash
# Builds the Debian package on Debian 12: installs what is missing, then
# builds the program with Debian's build flags, its icons and manual page,
# checks the package (lintian, contents, the packaged program's window) and
# packs it into build/deb (it-zolinar_<version>_<architecture>.deb). Install
# it with sudo apt install ./build/deb/it-zolinar_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/functions.sh

bash scripts/setup.sh deb
build_in_parallel
cmake --workflow --preset deb
echo "The Debian package: $PWD/$(release_files build/deb)"
