#!/usr/bin/env bash
# The least-squares slope of log Y against log X over the runs of a sweep's results.csv that have
# both as positive numbers.
#   examples/slope.sh RESULTS_CSV X Y
set -euo pipefail
awk -F, -v X="$2" -v Y="$3" '
  NR == 1 { for (i = 1; i <= NF; ++i) at[$i] = i; next }
  $(at[X]) + 0 > 0 && $(at[Y]) + 0 > 0 {
    x = log($(at[X])); y = log($(at[Y])); n++; sx += x; sy += y; sxx += x * x; sxy += x * y
  }
  END {
    if (n < 2 || n * sxx == sx * sx) { print "slope: too few runs"; exit 1 }
    printf "slope of log %s against log %s over %d runs: %.4f\n", Y, X, n, (n * sxy - sx * sy) / (n * sxx - sx * sx)
  }' "$1"
