#!/usr/bin/env bash
# Kepler's third law: a planet on a circle round a fixed sun at six radii, its period against the
# radius. On log axes the points lie on a line of slope 1.5 (T² grows as r³); the slope is printed
# and the gallery plots it.
#   examples/kepler/run.sh [OUT]      (default: kepler-sweep; a build in build/ or sw4-sweep on
#                                      the path)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
sweep=$here/../../build/sw4-sweep
[[ -x $sweep ]] || sweep=sw4-sweep
out=${1:-kepler-sweep}
"$sweep" --vary "TXspibi=0.2:1.2:6" --ticks 2000 --force --out "$out" "$here/kepler.sw4"
"$here/../slope.sh" "$out/results.csv" OrbitSemiMajorAxis OrbitPeriod
echo "the gallery: $out/index.html#x=OrbitSemiMajorAxis&y=OrbitPeriod&logx&logy"
