#!/usr/bin/env bash
# Measures IT_Zolinar's startup and memory against a bare Qt window of the
# same size and font (Baseline) and the same window in Tk (wish), under one
# Xvfb, interleaved run by run, and prints a table of medians; then runs the
# in-process benchmarks. ROUNDS sets the runs per program (default 40);
# BEFORE=<path to another IT_Zolinar build> adds it to the same rounds, to
# compare a change with what came before it.
set -euo pipefail
cd "$(dirname "$0")/.."

rounds=${ROUNDS:-40}
bash scripts/setup.sh bench >&2
build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZOLINAR_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target IT_Zolinar Baseline LaunchTimer WindowBenchmark >/dev/null

close_window=/bin/true
source tests/e2e/xsession.sh
start_xvfb
export XDG_RUNTIME_DIR=$work

programs=(IT_Zolinar Baseline Tk)
declare -A command=(
    [IT_Zolinar]="$build/app/IT_Zolinar"
    [Baseline]="$build/bench/Baseline"
    [Tk]="wish bench/baseline.tcl"
)
if [[ -n ${BEFORE:-} ]]; then
    programs+=(Before)
    command[Before]=$BEFORE
fi
results="$work/results"
: >"$results"
# One warm-up run each, so that every program starts with warm caches.
for program in "${programs[@]}"; do
    "$build/bench/LaunchTimer" ${command[$program]} >/dev/null
done
for ((round = 1; round <= rounds; round++)); do
    for program in "${programs[@]}"; do
        line=$("$build/bench/LaunchTimer" ${command[$program]})
        echo "$program $line" >>"$results"
    done
done

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
field() { grep "^$1 " "$results" | sed -E "s/.*$2=([0-9.]+).*/\\1/"; }

declare -A frame mapped peak private
for program in "${programs[@]}"; do
    frame[$program]=$(field "$program" frame_ms | median)
    mapped[$program]=$(field "$program" startup_ms | median)
    peak[$program]=$(field "$program" peak_kib | median)
    private[$program]=$(field "$program" private_kib | median)
done

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')
echo
echo "Startup to the first complete frame and to the window's MapNotify, peak resident and private memory;"
echo "medians of $rounds interleaved runs under Xvfb."
echo "Machine: $cpu, $(nproc) cores; $(date -u +%Y-%m-%d); Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6), Tk $(echo 'puts [info patchlevel]; exit' | wish 2>/dev/null || echo '?')."
echo
echo "| program | first frame (ms) | frame / Baseline | mapped (ms) | peak memory (MiB) | private memory (MiB) |"
echo "|---|---|---|---|---|---|"
for program in "${programs[@]}"; do
    awk -v p="$program" -v f="${frame[$program]}" -v bf="${frame[Baseline]}" -v s="${mapped[$program]}" \
        -v m="${peak[$program]}" -v u="${private[$program]}" \
        'BEGIN { printf "| %s | %.1f | %.2f | %.1f | %.1f | %.1f |\n", p, f, f / bf, s, m / 1024, u / 1024 }'
done
echo
echo "In-process, offscreen:"
"$build/bench/WindowBenchmark" --benchmark_min_time=0.2 2>/dev/null | grep -E '^(windowCreation|choiceAndClear)' \
    | awk '{ printf "- %s: %s %s per run\n", $1, $2, $3 }'
