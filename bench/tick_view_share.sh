#!/usr/bin/env bash
# The view's cost in the tick as its share of one run's samples, for a machine whose speed drifts
# from run to run (a shared VM): BM_TickInView under `perf record`, the samples of the view's own
# functions against those of the whole timed tick (what the bench does with its timer paused, the
# clear every 50 ticks, left out), printed as the ratio to the classic tick that share makes.
# Timing classic and view apart drifts by more than the difference being measured; this does not,
# though it leaves out what the view costs the gravity pass in cache.
# Usage: bench/tick_view_share.sh [BENCH_BINARY] [BODIES] [VIEW] [SECONDS]   (view as in the bench)
set -euo pipefail
bin="${1:-build/sw4_bench}"
bodies="${2:-202}"
view="${3:-2}"
seconds="${4:-3}"
command -v perf >/dev/null || { echo "tick_view_share: needs perf (apt-get install linux-perf)" >&2; exit 1; }
data=$(mktemp)
trap 'rm -f "$data"' EXIT
perf record -q -e cpu-clock -o "$data" "$bin" --benchmark_min_time="$seconds" \
  --benchmark_filter="BM_TickInView/bodies:$bodies/view:$view\$" >/dev/null 2>&1
perf report -i "$data" --no-children --percent-limit 0 --stdio 2>/dev/null | awk -F'%' '
  /^ *[0-9.]+%/ {
    share = $1 + 0; total += share
    if ($0 ~ /MarkCanvas::(release|restarted)|Surface::clear|memset/) paused += share
    else if ($0 ~ /MarkCanvas|TileLayer|WorldView/) view += share
  }
  END {
    timed = total - paused
    printf "view %.1f%% of the timed tick: %.3fx the classic tick\n", 100 * view / timed, 1 / (1 - view / timed)
  }'
