#!/usr/bin/env bash
# Robustness stage: the test suite built with AddressSanitizer, UndefinedBehaviorSanitizer
# (float-cast-overflow included) and the standard library's assertions, into build-asan/, window
# included; every driver script with the invariants checked after each line; random user sessions
# under the same sanitizers, a fixed set of seeds and a few fresh ones (a failing session is cut
# down to a short script in build-asan/sessions/); the window monkey on the sanitized window.
# Ends with one summary line; exits non-zero on any failure.
#
#   bash scripts/robustness.sh [SEEDS [ACTIONS [FRESH [MONKEY_MINUTES]]]]
#   (defaults: 1-40, 2500, 4, 2)
set -uo pipefail
cd "$(dirname "$0")/.."
seeds=${1:-1-40}
actions=${2:-2500}
fresh=${3:-4}
monkey_minutes=${4:-2}
jobs=$(nproc)

bash scripts/setup.sh || exit 1
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSW4_SANITIZE=ON \
  -DSW4_BUILD_BENCH=OFF >/dev/null || exit 1
cmake --build build-asan || exit 1

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
# Leaks inside system libraries the window loads (each entry says why).
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}

passed=0
failed=0
failures=()
stage() {
  local name=$1
  shift
  echo "== robustness: $name"
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    failures+=("$name")
  fi
}

checkScripts() {
  local bad=0
  for script in tests/scripts/*.sw4; do
    # Scripts that end on a script error on purpose carry their exit status in NAME.rc.
    [[ -e ${script%.sw4}.rc ]] && continue
    ./build-asan/sw4-sessions --check "$script" >/dev/null || {
      ./build-asan/sw4-sessions --check "$script"
      bad=1
    }
  done
  return $bad
}

mkdir -p build-asan/sessions
stage "sanitized tests" ctest --test-dir build-asan --output-on-failure -j "$jobs"
stage "driver scripts checked line by line" checkScripts
stage "sessions $seeds" ./build-asan/sw4-sessions --seeds "$seeds" --actions "$actions" \
  --jobs "$jobs" --out build-asan/sessions
if [[ $fresh -gt 0 ]]; then
  stage "fresh sessions" ./build-asan/sw4-sessions --fresh "$fresh" --actions "$actions" \
    --jobs "$jobs" --out build-asan/sessions
fi
if [[ $monkey_minutes != 0 ]]; then
  stage "window monkey, $monkey_minutes minutes" \
    bash scripts/monkey.sh --minutes "$monkey_minutes" --out build-asan/monkey
fi

if [[ $failed -gt 0 ]]; then
  echo "robustness: failed stages: ${failures[*]}"
fi
echo "robustness: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
