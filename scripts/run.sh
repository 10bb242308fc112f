#!/usr/bin/env bash
# Sets up what is missing, builds the program and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake -S . -B build/full >/dev/null
cmake --build build/full -j "$(nproc)" --target IT_Zolinar
exec build/full/app/IT_Zolinar
