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
export SW4_SHOT_BIN="$bin" SW4_SHOT_OUT="$out" SW4_SHOT_WAIT="$wait_after_go" SW4_SHOT_GO="$press_go"
shoot() {
  # A display number of our own, so a parallel xvfb-run cannot take the same one.
  xvfb-run -n "$((200 + RANDOM % 300))" -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
  set -euo pipefail
  "$SW4_SHOT_BIN" &
  app=$!
  trap "kill $app 2>/dev/null || true" EXIT
  win=""
  for _ in $(seq 1 100); do
    win=$(xdotool search --name "^SW4$" 2>/dev/null | head -n1 || true)
    [[ -n "$win" ]] && break
    sleep 0.1
  done
  [[ -n "$win" ]] || { echo "screenshot: the window did not appear" >&2; exit 1; }
  # No window manager: the window sits at the top left corner with no decoration.
  xdotool windowmove "$win" 0 0
  sleep 1
  if [[ "$SW4_SHOT_GO" == 1 ]]; then
    # "Go" is the top button of the right column.
    xdotool mousemove --window "$win" 929 17 click 1
    sleep "$SW4_SHOT_WAIT"
  fi
  import -window root "$SW4_SHOT_OUT"
'
}
for attempt in 1 2 3; do
  shoot && break
  [[ $attempt == 3 ]] && exit 1
  sleep 1
done
echo "screenshot: $out"
