#!/usr/bin/env bash
# Takes docs/screenshot.png: starts SW4 under a virtual 1024x768 X display, presses "Go", lets
# the system run a few seconds and grabs the screen.
# Usage: scripts/screenshot.sh [OUTPUT.png] [SECONDS_AFTER_GO] [--no-go]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshot.png}"
wait_after_go="${2:-8}"
press_go=1
[[ "${3:-}" == "--no-go" ]] && press_go=0
bin="${SW4_BIN:-build/sw4}"
if [[ ! -x "$bin" ]]; then
  echo "screenshot: $bin not built (run scripts/run.sh or build first)" >&2
  exit 1
fi
mkdir -p "$(dirname "$out")"
source scripts/lib/desktop.sh

shoot() {
  desktop_start 1024x768
  desktop_app "$bin"
  local win
  win=$(desktop_window)
  # No window manager: the window sits at the top left corner with no decoration.
  xdotool windowmove "$win" 0 0
  sleep 1
  if [[ $press_go == 1 ]]; then
    # "Go" is the top button of the right column.
    xdotool mousemove --window "$win" 929 17 click 1
    sleep "$wait_after_go"
  fi
  import -window root "$out"
}
desktop_retry --attempts 3 shoot
echo "screenshot: $out"
