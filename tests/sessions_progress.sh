#!/usr/bin/env bash
# sw4-sessions shows how far it is on a terminal (a line on standard error, rewritten in place)
# and keeps a pipe free of it. Exit status 77 (skipped) without script(1) to make a terminal.
sessions=$1
command -v script >/dev/null || { echo "script missing, skipped"; exit 77; }
shown=$(timeout 60 script -qec "'$sessions' --actions 50 1 2 3" /dev/null)
[[ $shown == *"3 of 3 sessions"* ]] || { echo "no progress on a terminal: $shown"; exit 1; }
piped=$(timeout 60 "$sessions" --actions 50 1 2 3 2>&1 | cat)
[[ $piped != *" of 3 sessions"* ]] || { echo "progress in a pipe: $piped"; exit 1; }
