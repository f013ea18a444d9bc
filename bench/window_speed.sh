#!/usr/bin/env bash
# The window's ticks a second at x1/8, x1, x16 and as fast as it goes (F7 and F8 step the speed), with the
# app's share of one core at each: starts SW4 on a virtual display with openbox, presses "Go"
# (Ctrl+Return), then measures each speed over SECONDS. BODIES other than the default go in
# through a setup.
# Usage: bench/window_speed.sh [BINARY] [SECONDS] [BODIES]
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${1:-build/sw4}"
seconds="${2:-10}"
bodies="${3:-}"
settle=3
[[ -x "$bin" ]] || { echo "window_speed: $bin not built" >&2; exit 1; }
source scripts/lib/desktop.sh

log=$(mktemp) setup=$(mktemp --suffix=.sw4)
# Settings of its own: the window opens at its design size, not where a user last left one.
export XDG_CONFIG_HOME
XDG_CONFIG_HOME=$(mktemp -d)
desktop_on_exit 'rm -rf "$log" "$setup" "$XDG_CONFIG_HOME"'

source bench/lib/window_stats.sh

# Over SECONDS: the ticks a second and the app's share of a core, labelled.
phase() {
  local label=$1 app=$2 a0 a1 s0 s1 t0 t1
  sleep "$settle"
  a0=$(cpu_ns "$app") s0=$(last_stats) t0=$(date +%s%N)
  sleep "$seconds"
  a1=$(cpu_ns "$app") s1=$(last_stats) t1=$(date +%s%N)
  awk -v l="$label" -v a="$((a1 - a0))" -v t="$((t1 - t0))" \
      -v k0="$(field ticks "$s0")" -v k1="$(field ticks "$s1")" \
      -v c0="$(field seconds "$s0")" -v c1="$(field seconds "$s1")" 'BEGIN {
    printf "%-8s %9.1f ticks a second, app %.1f %% of a core\n", l, (k1 - k0) / (c1 - c0), 100 * a / t
  }'
}

measure() {
  desktop_start 1280x1024 --wm
  local args=(--stats)
  if [[ -n "$bodies" ]]; then
    printf 'text TXn %s\n' "$bodies" >"$setup"
    args+=(--setup "$setup")
  fi
  desktop_app "$bin" "${args[@]}" 2>"$log"
  local win app=$desktop_app_pid
  win=$(desktop_window)
  sleep 1
  xdotool windowactivate --sync "$win" key --clearmodifiers ctrl+Return  # "Go"
  xdotool key --clearmodifiers F7 F7 F7  # x1/8
  phase x1/8 "$app"
  xdotool key --clearmodifiers F8 F8 F8  # x1
  phase x1 "$app"
  xdotool key --clearmodifiers F8 F8 F8 F8  # x16
  phase x16 "$app"
  xdotool key --clearmodifiers F8  # as fast as it goes
  phase fastest "$app"
  echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
}
desktop_retry measure
