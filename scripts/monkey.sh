#!/usr/bin/env bash
# Window monkey: the sanitized window (build-asan/sw4) on a virtual display of its own with
# openbox, driven by scripts/monkey.py with seeded random input. Exits non-zero on any finding.
#
#   bash scripts/monkey.sh [--seed S] [--minutes M | --actions N] [--rss-mb MB] [--out DIR]
#
# SW4_APP chooses another binary; MONKEY_DISPLAY a display number (default: a free one).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
app=${SW4_APP:-$root/build-asan/sw4}
[[ -x $app ]] || { echo "monkey: no $app (build with -DSW4_SANITIZE=ON)" >&2; exit 2; }
source scripts/lib/desktop.sh

# Not strict_string_checks (the desktop adds it): libxkbcommon-x11 strndup()s a keymap name that
# has no NUL, which is legal, at the window's start.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:detect_stack_use_after_return=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
DESKTOP_NUMBER=${MONKEY_DISPLAY:-}

monkey() {
  desktop_start 1600x1000 --wm || return
  /usr/bin/python3 "$root/scripts/monkey.py" --app "$app" "$@"
}
# A window the fresh display never shows before any action (exit 75) is tried again on a new one.
desktop_retry --attempts 3 monkey "$@"
