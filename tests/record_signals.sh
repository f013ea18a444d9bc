#!/usr/bin/env bash
# sw4 --record ended by a signal: SIGTERM and SIGINT end it as closing the window does, and the
# recording replays with exit status 0; after SIGKILL the lines written so far replay, and the
# replay says with exit status 4 that the recording was cut short. An empty file is never a pass.
# Usage: tests/record_signals.sh SW4 SW4_SCRIPT
set -uo pipefail
sw4=$1 script=$2
work=$(mktemp -d)
pid=""
trap '[[ -n $pid ]] && kill -KILL $pid 2>/dev/null; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
fail() { echo "record_signals: $*"; exit 1; }

# Starts a recording and waits until timer events reach the file while sw4 runs.
record() {
  # A background job of a script starts with SIGINT ignored: give it back its default.
  env --default-signal=INT "$sw4" --record "$1" 2>"$work/stderr" &
  pid=$!
  for _ in $(seq 100); do grep -q "^fire " "$1" 2>/dev/null && return; sleep 0.1; done
  fail "nothing reached $1 while sw4 ran"
}

for signal in TERM INT; do
  rec="$work/$signal.sw4"
  record "$rec"
  kill -$signal $pid
  wait $pid
  status=$?
  pid=""
  [[ $status == 0 ]] || fail "SIG$signal: exit status $status"
  "$script" "$rec" >/dev/null 2>"$work/replay" || fail "SIG$signal: replay $(cat "$work/replay")"
done

rec="$work/KILL.sw4"
record "$rec"
kill -KILL $pid
wait $pid 2>/dev/null
pid=""
"$script" "$rec" >/dev/null 2>"$work/replay"
status=$?
[[ $status == 4 ]] || fail "SIGKILL: replay exit status $status, expected 4: $(cat "$work/replay")"
grep -q "without its closing check" "$work/replay" || fail "SIGKILL: $(cat "$work/replay")"

: >"$work/empty.sw4"
"$script" "$work/empty.sw4" >/dev/null 2>&1
status=$?
[[ $status == 4 ]] || fail "an empty file: exit status $status, expected 4"
echo "record_signals: SIGTERM and SIGINT replay, SIGKILL and an empty file exit 4"
