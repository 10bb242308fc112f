#!/usr/bin/env bash
# The real program under valgrind's memcheck on its own Xvfb: start, choose,
# clear, close. Fails on any block definitely lost that the program's own
# code allocated; leaks inside the toolkit and system libraries are listed
# in the log but are not ours to fix.
set -euo pipefail

program=$1
close_window=$2

source "$(dirname "$0")/xsession.sh"
start_xvfb

log="$work/memcheck.log"
window_timeout=120 exit_timeout=120 click_pause=1
start_program valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --num-callers=30 --log-file="$log" "$program"

click_at 80 94     # pick row 2
click_at 372 108   # Clear
click_at 80 58     # pick row 0
close_program
[[ $status -eq 0 ]] || fail "the program ended with status $status under valgrind"

# A definite leak is ours when the first frame past the allocator is in the
# program itself.
binary=$(basename "$program")
ours=$(awk -v binary="$binary" '
    /definitely lost in loss record/ { inrecord = 1; decided = 0; record = $0; next }
    inrecord && /^==[0-9]+== *$/ { inrecord = 0; next }
    inrecord && !decided && /(at|by) 0x/ {
        record = record "\n" $0
        if ($0 ~ /(malloc|calloc|realloc|operator new|memalign)/) next
        decided = 1
        if ($0 ~ "\\(in [^)]*/" binary "\\)" || $0 ~ /zolinar::/) print record "\n"
    }' "$log")
summary=$(grep -E 'definitely lost:|ERROR SUMMARY' "$log" | sed 's/^==[0-9]*== *//')
[[ -z $ours ]] || fail "definite leaks from the program's own code:
$ours"
echo "end-to-end under memcheck: start, choose, clear and close; no definite leak from the program's own code"
echo "$summary"
