#!/usr/bin/env bash
# Builds IT_Zolinar.exe for 64-bit Windows on Debian 12 and proves it under
# Wine: installs what is missing, builds the static Qt once into the user's
# cache (about 15 minutes on two cores the first time, nothing later), then
# cross-builds the program and its installer, runs their tests under Wine
# and packs the zip (IT_Zolinar-<version>-win64.zip in build/windows) beside
# the installer (.msi) and the source they are built from (-src.tar.gz).
# The same commit gives the same bytes from any clone (scripts/reproduce.sh
# proves it).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/functions.sh

bash scripts/setup.sh windows
bash scripts/windows-qt.sh

build_in_parallel
cmake --workflow --preset windows

# The zip and the installer carry the same executable, the one the tests ran.
files=$(release_files build/windows)
cmp <(unzip -p "$(grep '\.zip$' <<<"$files")" '*/IT_Zolinar.exe') "$(grep '\.exe$' <<<"$files")" ||
    { echo "The zip's executable is not the tested one" >&2; exit 1; }
echo "The Windows program, its installer (.msi), its zip for use without installation and their source:"
sed "s|^|  $PWD/|" <<<"$files"
if [[ -n $(git status --porcelain --untracked-files=no 2>/dev/null) ]]; then
    echo "Note: the source archive holds the last commit, without the uncommitted changes built here" >&2
fi
