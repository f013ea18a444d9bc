#!/usr/bin/env bash
# sw4-sweep end to end: 2 jobs of 2 runs under GNU parallel, quiet in a pipe; a run's script
# replays on its own to the hash in results.csv; the same task list run one line at a time (as a
# batch system's job array would) and gathered gives the same results. Exit status 77 without
# GNU parallel.
set -euo pipefail
build=$(cd "$1" && pwd)
command -v parallel >/dev/null || { echo "sweep: skipped (no GNU parallel)"; exit 77; }
work=$build/sweep-test
rm -rf "$work" && mkdir -p "$work" && cd "$work"
fail() { echo "sweep: $*" >&2; exit 1; }

# No star making (it would switch the bodies off and bring them back one a tick).
printf "text TXn 20\ndblclick Frame7\ntext TXTOden 4\ntext Text1 300\nclick OpCollide(0)\n" >base.sw4
"$build/sw4-sweep" --vary "Text5=1,300" --vary "Och=2,7" --ticks 150 --jobs 2 --batch 3 \
  --out a base.sw4 2>err.txt >out.txt
[[ ! -s err.txt && ! -s out.txt ]] || fail "not quiet in a pipe: $(cat err.txt out.txt)"
[[ $(wc -l <a/results.csv) == 5 ]] || fail "4 runs and a header expected: $(cat a/results.csv)"
column() { awk -F, -v name="$1" -v run="$2" \
  'NR == 1 { for (i = 1; i <= NF; ++i) at[$i] = i; next } $1 == run { print $at[name] }' "$3"; }
for run in 1 2 3 4; do
  [[ $(column status $run a/results.csv) == 0 ]] || fail "run $run: status $(column status $run a/results.csv)"
done
[[ $(column Merges 3 a/results.csv) -gt 0 ]] || fail "a core of 300 under Merge merges nothing"

(cd a/runs/0004 && "$build/sw4-script" --overwrite run.sw4 >"$work/replay.txt")
grep -qx "WorldHash=$(column WorldHash 4 a/results.csv)" replay.txt || fail "run 4 does not replay"

"$build/sw4-sweep" --vary "Text5=1,300" --vary "Och=2,7" --ticks 150 --out b --plan-only base.sw4
[[ ! -e b/results.csv && $(wc -l <b/tasks.txt) == 4 ]] || fail "--plan-only ran something"
for n in 4 3 2 1; do sed -n "${n}p" b/tasks.txt | PATH="$build:$PATH" bash; done
"$build/sw4-sweep" --gather b
diff <(cut -d, -f1-19 a/results.csv) <(cut -d, -f1-19 b/results.csv) >/dev/null ||
  fail "the task list run line by line differs"

if "$build/sw4-sweep" --vary "TXg(9)=1" --out c base.sw4 2>err.txt; then fail "TXg(9) taken"; fi
grep -q "TXg(9)" err.txt || fail "no word on TXg(9): $(cat err.txt)"
echo "sweep: 4 runs with 2 jobs replay; the task list gives the same line by line"
