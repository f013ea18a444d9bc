#!/usr/bin/env bash
# Regenerates the driver scripts' expected outputs (tests/scripts/NAME.out, and NAME.rc for a
# script that ends with a non-zero exit status) with the built sw4-script, run as the test runs
# them (tests/run_scripts.cmake), and shows what changed. docs/architecture.md says when a golden
# may change; read the diff before committing it.
#
#   bash scripts/update-goldens.sh [BUILD_DIR]    (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
driver="$(cd "${1:-build}" && pwd)/sw4-script"
[[ -x $driver ]] || { echo "update-goldens: $driver not built" >&2; exit 1; }

for script in tests/scripts/*.sw4; do
  name=${script%.sw4}
  status=0
  "$driver" "$script" >"$name.out" 2>/dev/null || status=$?
  if [[ $status == 0 ]]; then rm -f "$name.rc"; else echo "$status" >"$name.rc"; fi
done

changes=$(git status --short --untracked-files=all -- tests/scripts)
[[ -n $changes ]] || { echo "update-goldens: every golden as it was"; exit 0; }
git diff --stat -- tests/scripts
grep -v '^ M' <<<"$changes" || true
git diff -- tests/scripts
