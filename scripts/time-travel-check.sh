#!/usr/bin/env bash
# The model's time in a real window (X, openbox, input from xdotool): "Go", x8 for a few seconds,
# hold, drag the timeline bar back, play on, change a field (the run branches there), save the
# session with "Save session..." and replay it with sw4-script, which must exit 0, as must the
# recording (--record) of the same run, rewinds and all. Screenshots of
# the window held and after the drag go to OUT_DIR.
# Usage: scripts/time-travel-check.sh [SCALE] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
scale="${1:-1}"
out="${2:-shots}"
bin="${SW4_BIN:-build/sw4}"
script_bin="${SW4_SCRIPT_BIN:-build/sw4-script}"
[[ -x "$bin" && -x "$script_bin" ]] || { echo "time-travel-check: build sw4 and sw4-script" >&2; exit 1; }
source scripts/lib/desktop.sh
desktop_require xdotool import
mkdir -p "$out"
work=$(mktemp -d)
desktop_on_exit 'rm -rf "$work"'
export XDG_CONFIG_HOME="$work/config"  # the design size, no remembered places or folders
session="$work/session.sw4" recorded="$work/recorded.sw4"

at() {  # at X Y: the pointer to logical point X,Y of the window
  xdotool mousemove --window "$win" "$(($1 * scale))" "$(($2 * scale))"
}

check() {
  if [[ $scale == 1 ]]; then desktop_start 1280x1024 --wm; else desktop_start 2560x2048 --scale "$scale" --wm; fi
  desktop_app "$bin" --record "$recorded"
  win=$(desktop_window)
  desktop_activate "$win"
  sleep 1
  local width height
  eval "$(xdotool getwindowgeometry --shell "$win" | grep -E '^(WIDTH|HEIGHT)=')"
  width=$((WIDTH / scale)) height=$((HEIGHT / scale))
  xdotool key --clearmodifiers ctrl+Return  # "Go"
  sleep 2
  xdotool key --clearmodifiers F8 F8 F8  # x8
  sleep 3
  xdotool key --clearmodifiers F5  # hold
  sleep 0.5
  import -window "$win" "$out/timeline_held_scale$scale.png"
  # The bar's handle is at its right end: drag it to a third of the way.
  local y=$((height - 8))
  at $((width - 8)) "$y"
  xdotool mousedown 1
  for x in 900 700 500 $((150 + (width - 156) / 3)); do
    at "$x" "$y"
    sleep 0.3
  done
  xdotool mouseup 1
  sleep 0.5
  import -window "$win" "$out/timeline_dragged_scale$scale.png"
  xdotool key --clearmodifiers F5  # play on from there
  sleep 2
  # "G constant": a new value, taken on leaving the field; the old future is dropped.
  at 113 124
  xdotool click 1 key --clearmodifiers ctrl+a type 700
  xdotool key --clearmodifiers Tab
  sleep 1
  xdotool key --clearmodifiers ctrl+shift+r  # "Save session..."
  sleep 2
  xdotool key --clearmodifiers ctrl+a
  xdotool type "$session"
  xdotool key Return
  desktop_poll 10 test -s "$session"
  import -window "$win" "$out/timeline_after_scale$scale.png"
  xdotool key --clearmodifiers ctrl+q
  desktop_wait_app 10 >/dev/null || true
  "$script_bin" "$session" >"$work/replay.out"
  echo "time-travel-check: the session ($(wc -l <"$session") lines) replays with exit 0"
  "$script_bin" "$recorded" >"$work/replay.out"
  echo "time-travel-check: the recording ($(wc -l <"$recorded") lines, $(grep -c '^rewind' "$recorded") rewinds) replays with exit 0"
}
desktop_retry check
