#!/usr/bin/env bash
# The window's load at the default setting: starts SW4 under Xvfb with openbox, presses "Go"
# (Ctrl+Return), lets it settle, then over SECONDS prints the app's and the X server's share of
# one core (CPU time from /proc), the ticks a second (from `sw4 --stats`) and the machine's load.
# Usage: bench/window_load.sh [BINARY] [SECONDS] [DISPLAY_NUMBER]   (a free display without one)
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${1:-build/sw4}"
seconds="${2:-20}"
display="${3:-}"
settle=3
[[ -x "$bin" ]] || { echo "window_load: $bin not built" >&2; exit 1; }

log=$(mktemp)
chosen=$(mktemp)
pids=()
finish() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -f "$log" "$chosen"
}
trap finish EXIT

if [[ -n "$display" ]]; then
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
else
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$chosen" 2>/dev/null &
fi
xvfb=$!
pids+=("$xvfb")
for _ in $(seq 1 50); do [[ -n "$display" || -s "$chosen" ]] && break; sleep 0.1; done
display="${display:-$(head -n1 "$chosen")}"
export DISPLAY=":$display"
for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
kill -0 "$xvfb" 2>/dev/null && xdpyinfo >/dev/null 2>&1 ||
  { echo "window_load: Xvfb :$display did not start (display in use?)" >&2; exit 1; }
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

"$bin" --stats 2>"$log" &
app=$!
pids+=("$app")
win=""
for _ in $(seq 1 100); do
  win=$(xdotool search --onlyvisible --name "^SW4$" 2>/dev/null | head -n1 || true)
  [[ -n "$win" ]] && break
  sleep 0.1
done
[[ -n "$win" ]] || { echo "window_load: the window did not appear" >&2; exit 1; }
sleep 1
xdotool windowactivate --sync "$win" key --clearmodifiers ctrl+Return  # "Go"
sleep "$settle"

# CPU time of every thread of a process, in nanoseconds.
cpu_ns() {
  local sum=0 t
  for t in /proc/"$1"/task/*/schedstat; do
    read -r ns _ <"$t" && sum=$((sum + ns))
  done
  echo "$sum"
}
last_stats() { grep '^sw4 stats:' "$log" | tail -n1; }
field() { sed -E "s/.*$1=([0-9.]+).*/\1/" <<<"$2"; }

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
