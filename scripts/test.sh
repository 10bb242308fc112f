#!/usr/bin/env bash
# Sets up what is missing, builds with warnings as errors, and runs every test.
# The core (catalogue, texts, event procedures) is also built and tested on
# its own with the window switched off, which proves it needs no toolkit; and
# the whole suite runs once more built with AddressSanitizer and
# UndefinedBehaviorSanitizer, leak checking on.
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

cmake -S . -B build/asan -DZOLINAR_SANITIZE=ON -DZOLINAR_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1 \
LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build/asan --output-on-failure -j "$jobs"
