#!/usr/bin/env bash
# Window monkey: the sanitized window (build-asan/sw4) on its own Xvfb display with openbox,
# driven by scripts/monkey.py with seeded random input. Exits non-zero on any finding.
#
#   bash scripts/monkey.sh [--seed S] [--minutes M | --actions N] [--rss-mb MB] [--out DIR]
#
# SW4_APP chooses another binary; MONKEY_DISPLAY a display number (default: a free one).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
app=${SW4_APP:-$root/build-asan/sw4}
[[ -x $app ]] || { echo "monkey: no $app (build with -DSW4_SANITIZE=ON)" >&2; exit 2; }

pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
  wait 2>/dev/null
}
trap cleanup EXIT

# A display with its window manager; DISPLAY is set for what follows.
startDisplay() {
  if [[ -n ${MONKEY_DISPLAY:-} ]]; then
    Xvfb ":$MONKEY_DISPLAY" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    display=$MONKEY_DISPLAY
  else
    Xvfb -displayfd 1 -screen 0 1600x1000x24 -nolisten tcp 2>/dev/null >"${TMPDIR:-/tmp}/monkey-display.$$" &
    pids+=($!)
    for _ in $(seq 100); do [[ -s ${TMPDIR:-/tmp}/monkey-display.$$ ]] && break; sleep 0.1; done
    display=$(head -1 "${TMPDIR:-/tmp}/monkey-display.$$")
    rm -f "${TMPDIR:-/tmp}/monkey-display.$$"
  fi
  export DISPLAY=:$display
  for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
  # An openbox that has not announced itself within 5 s is replaced by another.
  local wm
  for _ in 1 2 3; do
    openbox >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 50); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break 2
      sleep 0.1
    done
    kill "$wm" 2>/dev/null
  done
  pids+=("$wm")
}

# Not strict_string_checks: libxkbcommon-x11 strndup()s a keymap name that has no NUL, which is
# legal, at the window's start.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:detect_stack_use_after_return=1}:strict_string_checks=0
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# A window the fresh display never shows before any action (exit 75) is tried again on a new one.
for attempt in 1 2 3; do
  startDisplay
  rc=0
  /usr/bin/python3 "$root/scripts/monkey.py" --app "$app" "$@" || rc=$?
  [[ $rc == 75 && $attempt -lt 3 && -z ${MONKEY_DISPLAY:-} ]] || break
  cleanup
  pids=()
done
exit "$rc"
