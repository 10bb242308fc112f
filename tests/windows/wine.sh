#!/usr/bin/env bash
# Runs a Windows program under Wine in a fresh, private prefix on a private
# X server, and passes on its exit status; nothing is left behind.
#   wine.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
source "$(dirname "$0")/winesession.sh"
start_wine
status=0
wine "$@" || status=$?
exit "$status"
