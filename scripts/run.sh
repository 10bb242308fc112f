#!/usr/bin/env bash
# Installs what building and running need, builds the program alone (no
# tests, no benchmark) and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/functions.sh

bash scripts/setup.sh run

cmake --preset run >/dev/null
build_in_parallel
cmake --build --preset run
exec build/run/app/IT_Zolinar
