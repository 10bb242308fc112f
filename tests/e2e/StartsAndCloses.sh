#!/usr/bin/env bash
# Fifty starts and closes of the built program in a row under one Xvfb:
# each run opens its window, ends with status 0 when the window is closed,
# and none costs more memory than the first ones did.
set -euo pipefail

program=$1
close_window=$2
runs=${3:-50}

source "$(dirname "$0")/xsession.sh"
start_xvfb

first_peak=
for ((run = 1; run <= runs; run++)); do
    start_program "$program" || fail "run $run: the window did not appear"
    peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$app_pid/status")
    first_peak=${first_peak:-$peak}
    close_program
    [[ $status -eq 0 ]] || fail "run $run ended with status $status"
    (( peak <= first_peak + 4096 )) || fail "run $run peaked at $peak KiB, the first at $first_peak KiB"
done
echo "end-to-end: $runs starts and closes, each with status 0; peak resident memory $first_peak KiB first, $peak KiB last"
