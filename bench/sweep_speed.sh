#!/usr/bin/env bash
# sw4-sweep's speed at the default load (the setup of a fresh start: 202 bodies), runs of 2,000
# ticks: the runs a minute with 1 job and with 2 (the same 40 runs each, in turns, the best of
# ROUNDS each), and the wall time of 100 runs with 2 jobs. Prints the machine's load before each,
# since other work on the cores lowers both figures.
#   bench/sweep_speed.sh [BUILD_DIR] [ROUNDS]          (default: build 3)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "# a fresh start's setup: every field at its first value" >"$work/base.sw4"

# Wall seconds of a sweep of the seeds FROM:TO with JOBS jobs.
sweep() {
  local seeds=$1 jobs=$2 start end
  rm -rf "$work/s"
  start=$(date +%s.%N)
  "$build/sw4-sweep" --seeds "$seeds" --ticks 2000 --jobs "$jobs" --out "$work/s" "$work/base.sw4"
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}
calc() { awk "BEGIN { print $1 }"; }
load() { cut -d' ' -f1 /proc/loadavg; }

best() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }

echo "cores: $(nproc)"
one= two=
for ((round = 1; round <= ${2:-3}; ++round)); do
  echo "load $(load): 40 runs, 1 job ..."
  one=$(best "$one" "$(sweep 1:40 1)")
  echo "load $(load): 40 runs, 2 jobs ..."
  two=$(best "$two" "$(sweep 1:40 2)")
done
echo "load $(load): 100 runs, 2 jobs ..."
hundred=$(sweep 1:100 2)
printf '1 job:  %6.1f runs a minute (40 runs in %.1f s)\n' "$(calc "40 * 60 / $one")" "$one"
printf '2 jobs: %6.1f runs a minute (40 runs in %.1f s), %.2fx 1 job\n' \
  "$(calc "40 * 60 / $two")" "$two" "$(calc "$one / $two")"
printf '100 runs of 2,000 ticks with 2 jobs: %.1f s\n' "$hundred"
