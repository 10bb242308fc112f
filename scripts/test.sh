#!/usr/bin/env bash
# Installs everything the tests need, first and only here; then builds and
# tests three trees with warnings as errors: the core alone without Qt (it
# needs no toolkit), the full program with every test, and the whole suite
# again under AddressSanitizer and UndefinedBehaviorSanitizer. No test
# installs or removes a package: the host's package list is the same at the
# end as after the set-up, or the run fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/functions.sh

bash scripts/setup.sh test

packages() { dpkg-query -W -f='${Package}:${Architecture} ${Version} ${Status}\n' | sort; }
before=$(packages)

build_in_parallel
for preset in core full asan; do
    cmake --workflow --preset "$preset"
done

if ! changes=$(diff <(echo "$before") <(packages)); then
    echo "FAIL: the tests changed the installed packages:" >&2
    echo "$changes" >&2
    exit 1
fi
