#!/usr/bin/env bash
# Builds IT_Zolinar.exe for 64-bit Windows on Debian 12 and proves it under
# Wine: installs what is missing, builds the static Qt once into the user's
# cache (about 15 minutes the first time, nothing later), then cross-builds
# the program, runs its tests under Wine and packs
# build/windows/IT_Zolinar-1.0.0.0-win64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh windows
bash scripts/windows-qt.sh

export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
cmake --workflow --preset windows
echo "The Windows program: $PWD/build/windows/IT_Zolinar-1.0.0.0-win64.zip"
