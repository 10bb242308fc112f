#!/usr/bin/env bash
# Builds the Debian package on Debian 12: installs what is missing, then
# builds the program with Debian's build flags, its icons and manual page,
# checks the package (lintian, contents, the packaged program's window) and
# packs build/deb/it-zolinar_1.0.0.0_amd64.deb. Install it with
#   sudo apt install ./build/deb/it-zolinar_1.0.0.0_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh deb
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
cmake --workflow --preset deb
echo "The Debian package: $PWD/build/deb/it-zolinar_1.0.0.0_amd64.deb"
