#!/usr/bin/env bash
# Builds IT_Zolinar as a web page on Debian 12 and proves it in Chromium,
# Firefox and WebKitGTK: installs what is missing, builds the static Qt for
# WebAssembly once into the user's cache (about 8 minutes on two cores the
# first time, nothing later) and puts the page test's accessibility rules
# beside it, then builds the program, runs the core's tests under node and
# the page's tests in the three browsers, and packs the static site into
# build/web (IT_Zolinar-<version>-web.zip), beside the source it is built
# from (-src.tar.gz).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/functions.sh

bash scripts/setup.sh web
bash scripts/web-qt.sh
bash scripts/axe-core.sh

build_in_parallel
cmake --workflow --preset web

echo "The web page, a static site to unpack on any web host, and its source:"
release_files build/web | sed "s|^|  $PWD/|"
echo "To try it here: python3 -m http.server -d build/web/site, then open http://localhost:8000/"
