#!/usr/bin/env bash
# The escape speed of a moon from its planet: the moon set off at 18 to 34 twips a tick, 100 ticks
# each. The speed where its orbital energy crosses 0 is printed, beside the speed the formula
# gives, sqrt(2 mu / r) = 25.83; the gallery plots energy (or eccentricity) against speed.
#   examples/escape/run.sh [OUT]      (default: escape-sweep)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
sweep=$here/../../build/sw4-sweep
[[ -x $sweep ]] || sweep=sw4-sweep
out=${1:-escape-sweep}
"$sweep" --vary "MomentumY(1)=18:34:17" --ticks 100 --force --out "$out" "$here/escape.sw4"
awk -F, '
  NR == 1 { for (i = 1; i <= NF; ++i) at[$i] = i; next }
  { v = $(at["MomentumY(1)"]); e = $(at["OrbitEnergy"])
    if (NR > 2 && (e < 0) != (last < 0)) printf "the energy crosses 0 between %s and %s twips a tick: at %.2f by straight-line interpolation; sqrt(2 mu / r) = %.2f\n", lastV, v, lastV + (v - lastV) * (0 - last) / (e - last), sqrt(2 * 667.3 * 1000 / 2000)
    last = e; lastV = v }' "$out/results.csv"
echo "the gallery: $out/index.html#x=MomentumY(1)&y=OrbitEnergy"
