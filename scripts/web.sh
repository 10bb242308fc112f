#!/usr/bin/env bash
# Builds IT_Zolinar as a web page on Debian 12 and proves it in headless
# Chromium: installs what is missing, builds the static Qt for WebAssembly
# once into the user's cache (about 8 minutes on two cores the first time,
# nothing later), then builds the program, runs the core's unit tests under
# node and the page's tests in the browser, and packs the static site into
# build/web/IT_Zolinar-1.0.0.0-web.zip, beside the source it is built from,
# build/web/IT_Zolinar-1.0.0.0-src.tar.gz.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh web
bash scripts/web-qt.sh

export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
cmake --workflow --preset web

build=build/web
echo "The web page: $PWD/$build/IT_Zolinar-1.0.0.0-web.zip (a static site: unpack it on any web host)"
echo "              $PWD/$build/IT_Zolinar-1.0.0.0-src.tar.gz (its source)"
echo "To try it here: python3 -m http.server -d $build/site, then open http://localhost:8000/"
