#!/usr/bin/env bash
# Proves that the release files are the same bytes from any clone: builds
# them a second time in another clone, in another folder, and compares them
# byte for byte with those that scripts/windows.sh, scripts/web.sh and
# scripts/deb.sh made here. The second clone holds the same commit, the
# same uncommitted changes and the same new files; it is kept
# (build/reproduce) so that a later run rebuilds only what changed. On a difference, diffoscope shows what differs.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/functions.sh

bash scripts/setup.sh reproduce
presets=(windows web deb)
files=()
for preset in "${presets[@]}"; do
    [[ -f build/$preset/release-files.txt ]] || { echo "No build/$preset: run scripts/$preset.sh first" >&2; exit 1; }
    mapfile -t -O "${#files[@]}" files < <(release_files "build/$preset")
done
for file in "${files[@]}"; do
    [[ -f $file ]] || { echo "No $file: run scripts/windows.sh, scripts/web.sh and scripts/deb.sh first" >&2; exit 1; }
done

second=$PWD/build/reproduce/IT_Zolinar
[[ -d $second/.git ]] || git clone --quiet --no-local "$PWD" "$second"
git -C "$second" fetch --quiet "$PWD" HEAD
git -C "$second" checkout --quiet --force --detach FETCH_HEAD
git -C "$second" clean --quiet -d --force --exclude=/build/
changes=$(git diff --binary HEAD)
[[ -z $changes ]] || git -C "$second" apply <<<"$changes"
git ls-files -z --others --exclude-standard | xargs -0 --no-run-if-empty cp --parents --target-directory="$second"

build_in_parallel
# Only the release files are built again: the tests, which ran on the first
# build, change nothing in them.
for preset in "${presets[@]}"; do
    echo "Building the $preset files again in $second"
    (cd "$second" && cmake --preset "$preset" -DBUILD_TESTING=OFF >/dev/null && cmake --build --preset "$preset" >/dev/null &&
        cpack --preset "$preset" >/dev/null)
done

status=0
for file in "${files[@]}"; do
    if cmp --quiet "$file" "$second/$file"; then
        echo "same bytes: $file ($(stat -c %s "$file") bytes)"
    else
        echo "FAIL: $file differs between the two builds:" >&2
        diffoscope --text - --max-text-report-size 100000 "$file" "$second/$file" >&2 || true
        status=1
    fi
done
exit $status
