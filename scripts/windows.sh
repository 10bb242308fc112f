#!/usr/bin/env bash
# Builds IT_Zolinar.exe for 64-bit Windows on Debian 12 and proves it under
# Wine: installs what is missing, builds the static Qt once into the user's
# cache (about 15 minutes on two cores the first time, nothing later), then
# cross-builds the program and its installer, runs their tests under Wine
# and packs build/windows/IT_Zolinar-1.0.0.0-win64.zip beside
# build/windows/IT_Zolinar-1.0.0.0-win64.msi and the source they are built
# from, build/windows/IT_Zolinar-1.0.0.0-src.tar.gz. The same commit gives
# the same bytes from any clone (scripts/reproduce.sh proves it).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh windows
bash scripts/windows-qt.sh

export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
cmake --workflow --preset windows

# The zip and the installer carry the same executable, the one the tests ran.
build=build/windows
cmp <(unzip -p "$build/IT_Zolinar-1.0.0.0-win64.zip" IT_Zolinar-1.0.0.0-win64/IT_Zolinar.exe) "$build/IT_Zolinar.exe" ||
    { echo "The zip's executable is not the tested one" >&2; exit 1; }
echo "The Windows program: $PWD/$build/IT_Zolinar-1.0.0.0-win64.msi (installer)"
echo "                     $PWD/$build/IT_Zolinar-1.0.0.0-win64.zip (no installation)"
echo "                     $PWD/$build/IT_Zolinar-1.0.0.0-src.tar.gz (their source)"
if [[ -n $(git status --porcelain --untracked-files=no 2>/dev/null) ]]; then
    echo "Note: the source archive holds the last commit, without the uncommitted changes built here" >&2
fi
