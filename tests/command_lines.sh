#!/usr/bin/env bash
# What the command lines take: sw4-script answers --help and --version, says its usage on a
# terminal, stops an endless line at its limit with little memory, refuses a directory or an
# unreadable file (exit 1), and writes a png only where it may. sw4 (when given) refuses a
# --setup or --record that is not a regular file before any window.
# Usage: tests/command_lines.sh SW4_SCRIPT [SW4]
script=$1
sw4=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
bad=0
# expect STATUS TEXT COMMAND...: the command exits with STATUS and its output holds TEXT.
expect() {
  local want=$1 text=$2
  shift 2
  local out status
  out=$(timeout 20 "$@" 2>&1)
  status=$?
  if [[ $status -ne $want || $out != *"$text"* ]]; then
    echo "$*: exit status $status (expected $want), said: ${out:0:200}"
    bad=1
  fi
}

expect 0 "usage: sw4-script" "$script" --help
expect 0 "sw4-script " "$script" --version
if command -v script >/dev/null; then
  expect 1 "usage: sw4-script" script -qec "$script" /dev/null
fi
# A line of NULs that never ends: stopped at the limit, well within 200 MB. A sanitized build
# reserves terabytes of shadow memory at start, so it runs without the cap.
if ldd "$script" | grep -q libasan; then
  expect 2 "longer than" "$script" /dev/zero
else
  expect 2 "longer than" bash -c 'ulimit -v 200000; exec "$0" /dev/zero' "$script"
fi
expect 1 "is a directory" "$script" .
touch plain
expect 1 "cannot open" "$script" plain/script.sw4
# A recording from someone else: nothing written outside, nothing replaced.
echo keep >kept.png
for line in "png $work/abs.png" "png ../${work##*/}.png" "png kept.png"; do
  expect 2 "line 2: png" "$script" - <<<"size 600 450
$line"
done
[[ $(cat kept.png) == keep && ! -e abs.png && ! -e ../${work##*/}.png ]] || { echo "png wrote a refused file"; bad=1; }

if [[ -n $sw4 ]]; then
  mkfifo fifo
  expect 2 "FIFO" "$sw4" --setup fifo
  expect 2 "FIFO" "$sw4" --record fifo
  expect 2 "/proc" "$sw4" --record /proc/self/status
  expect 2 "directory" "$sw4" --setup .
fi
exit $bad
