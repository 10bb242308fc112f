#!/usr/bin/env bash
# Runs the program under strace through start, a choice, Clear and close,
# and proves that it opens no network socket and writes no file outside the
# toolkit's caches and runtime folder. HOME and XDG_RUNTIME_DIR point into
# a scratch folder so that every write the run makes can be seen.
set -euo pipefail

program=$1
close_window=$2

source "$(dirname "$0")/xsession.sh"
start_xvfb

home="$work/home"
runtime="$work/runtime"
mkdir -p "$home" "$runtime"
chmod 700 "$runtime"
trace="$work/strace.log"
exit_timeout=20
HOME=$home XDG_RUNTIME_DIR=$runtime XDG_CONFIG_HOME= XDG_CACHE_HOME= XDG_DATA_HOME= \
    start_program strace -f -qq -s 256 -o "$trace" \
        -e trace=socket,connect,bind,open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,truncate,ftruncate,symlink,symlinkat,link,linkat \
        "$program"
click_at 80 94
click_at 372 108
close_program
[[ $status -eq 0 ]] || fail "the program ended with status $status"

# Sockets: only local ones (the X server, D-Bus) are allowed.
network=$(grep -E 'socket\((AF_INET|AF_INET6|AF_PACKET)|sa_family=AF_INET' "$trace" || true)
[[ -z $network ]] || fail "network sockets opened:
$network"

# Writes: a file opened for writing or created, a folder made, a name
# changed or removed, anywhere but the toolkit's cache and runtime folders,
# /dev and /proc.
allowed="^($home/\\.cache/|$runtime/|/dev/|/proc/)"
writes=$(grep -E '(open|openat)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)|creat\(|mkdir(at)?\(|rename(at2?)?\(|unlink(at)?\(|truncate\(|symlink(at)?\(|link(at)?\(' "$trace" \
    | grep -v -- '= -1 ' \
    | grep -o -E '"[^"]*"' | tr -d '"' | grep -v -E "$allowed" | sort -u || true)
[[ -z $writes ]] || fail "files written outside the toolkit's caches:
$writes"

# And nothing new stands in HOME but the caches.
left=$(cd "$home" && find . -mindepth 1 -not -path './.cache' -not -path './.cache/*')
[[ -z $left ]] || fail "left in HOME: $left"
echo "end-to-end under strace: no network socket, no file written outside the toolkit's caches"
