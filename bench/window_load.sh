#!/usr/bin/env bash
# The window's load at the default setting: starts SW4 on a virtual display with openbox, presses
# "Go" (Ctrl+Return), lets it settle, then over SECONDS prints the app's and the X server's share
# of one core (CPU time from /proc), the ticks a second (from `sw4 --stats`) and the machine's load.
# VIEW: classic (the default), zoom (two zoom steps in, about the middle) or follow (body 1,
# followed from the inspector at two steps in: paused, followed, run on).
# Usage: bench/window_load.sh [BINARY] [SECONDS] [DISPLAY_NUMBER] [VIEW]   (a free display without one)
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${1:-build/sw4}"
seconds="${2:-20}"
DESKTOP_NUMBER="${3:-}"
view="${4:-classic}"
settle=3
[[ -x "$bin" ]] || { echo "window_load: $bin not built" >&2; exit 1; }
source scripts/lib/desktop.sh

log=$(mktemp)
# Settings of its own: the window opens at its design size, not where a user last left one.
export XDG_CONFIG_HOME
XDG_CONFIG_HOME=$(mktemp -d)
desktop_on_exit 'rm -rf "$log" "$XDG_CONFIG_HOME"'

source bench/lib/window_stats.sh

measure() {
  desktop_start 1280x1024 --wm
  desktop_app "$bin" --stats 2>"$log"
  local win app=$desktop_app_pid xvfb=$desktop_xvfb_pid
  win=$(desktop_window)
  sleep 1
  xdotool windowactivate --sync "$win" key --clearmodifiers ctrl+Return  # "Go"
  sleep 1
  case $view in
    classic) ;;
    zoom) xdotool key --clearmodifiers ctrl+equal ctrl+equal ;;
    follow)  # body 1 (a giant) typed into the inspector's body field, top left
      xdotool key --clearmodifiers ctrl+p && sleep 0.5
      xdotool mousemove --window "$win" 100 25 click 1 key ctrl+a type 1
      xdotool key Return ctrl+shift+f ctrl+equal ctrl+equal && sleep 0.5
      xdotool key --clearmodifiers ctrl+p ;;
    *) echo "window_load: no view '$view' (classic, zoom, follow)" >&2; exit 1 ;;
  esac
  sleep "$settle"

  app0=$(cpu_ns "$app") x0=$(cpu_ns "$xvfb") s0=$(last_stats) t0=$(date +%s%N)
  sleep "$seconds"
  app1=$(cpu_ns "$app") x1=$(cpu_ns "$xvfb") s1=$(last_stats) t1=$(date +%s%N)
  [[ -n "$s0" && -n "$s1" ]] || { echo "window_load: no tick counts from $bin --stats" >&2; exit 1; }

  awk -v a="$((app1 - app0))" -v x="$((x1 - x0))" -v t="$((t1 - t0))" \
      -v k0="$(field ticks "$s0")" -v k1="$(field ticks "$s1")" \
      -v c0="$(field seconds "$s0")" -v c1="$(field seconds "$s1")" 'BEGIN {
    printf "app: %.2f %% of a core\n", 100 * a / t
    printf "X server: %.2f %% of a core\n", 100 * x / t
    printf "ticks: %.1f a second\n", (k1 - k0) / (c1 - c0)
  }'
  echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
}
desktop_retry measure
