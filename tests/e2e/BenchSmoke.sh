#!/usr/bin/env bash
# The benchmark's tools work: LaunchTimer times a start to a mapped window
# and to its first complete frame, and reads the peak and private memory,
# for the program and for the bare Qt window.
set -euo pipefail

program=$1
close_window=$2
launch_timer=$3
baseline=$4

source "$(dirname "$0")/xsession.sh"
start_xvfb
export XDG_RUNTIME_DIR=$work
for subject in "$program" "$baseline"; do
    line=$("$launch_timer" "$subject")
    [[ $line =~ ^startup_ms=[0-9]+\.[0-9]+\ frame_ms=[0-9]+\.[0-9]+\ peak_kib=[0-9]+\ private_kib=[1-9][0-9]*\ status=0$ ]] || fail "LaunchTimer on $subject printed: $line"
    # The first frame is drawn after the window maps, never before.
    awk -v l="$line" 'BEGIN { split(l, f, /[ =]/); exit !(f[4] >= f[2]) }' || fail "first frame before the map: $line"
done
echo "benchmark tools: LaunchTimer timed both programs"
