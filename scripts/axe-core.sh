#!/usr/bin/env bash
# Installs axe-core, the accessibility rules the page's test holds the page
# to, at the version tests/web/axe/package-lock.json pins (npm checks every
# file against the lock's hash), into the cache folder that
# tests/web/AxeCore.cmake names. Debian has no package of it; nothing of
# the host's changes, npm's own download cache included. A second run with
# the same lock does nothing; a run stopped on the way leaves only its work
# folder, which the next run starts again.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(cmake -P tests/web/AxeCore.cmake)
lock=tests/web/axe/package-lock.json
if cmp -s "$lock" "$folder/package-lock.json"; then
    echo "axe-core: $folder"
    exit 0
fi
rm -rf "$folder.work"
mkdir -p "$folder.work"
cp tests/web/axe/package.json "$lock" "$folder.work/"
npm ci --prefix "$folder.work" --cache "$folder.work/.npm" --ignore-scripts --no-audit --no-fund
rm -rf "$folder.work/.npm" "$folder"
mv "$folder.work" "$folder"
echo "axe-core: $folder"
