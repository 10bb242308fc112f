#!/usr/bin/env bash
# Sets up what is missing, builds with warnings as errors, and runs every test.
# The core (catalogue, texts, event procedures) is also built and tested on
# its own with the window switched off, which proves it needs no toolkit.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)

cmake -S . -B build/core -DZOLINAR_WINDOW=OFF -DZOLINAR_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build/core -j "$jobs"
ctest --test-dir build/core --output-on-failure -j "$jobs"

cmake -S . -B build/full -DZOLINAR_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build/full -j "$jobs"
ctest --test-dir build/full --output-on-failure -j "$jobs"
