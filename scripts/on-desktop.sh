#!/usr/bin/env bash
# Runs a command on a virtual desktop of its own (scripts/lib/desktop.sh), for CTest:
#   bash scripts/on-desktop.sh WxH [--scale S] [--wm] -- COMMAND [ARGS...]
# Exit status: the command's; 77 (skipped) when the X tools are missing.
set -uo pipefail
source "$(dirname "$0")/lib/desktop.sh"
desktop=()
while (($#)) && [[ $1 != -- ]]; do desktop+=("$1") && shift; done
shift
desktop_require
run() { desktop_start "${desktop[@]}" || return; "$@"; }
desktop_retry run "$@"
