#!/usr/bin/env bash
# Installs what building and running need, builds the program alone (no
# tests, no benchmark) and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh run

cmake --preset run >/dev/null
# Every core: Makefiles build one file at a time unless told otherwise.
CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)} cmake --build --preset run
exec build/run/app/IT_Zolinar
