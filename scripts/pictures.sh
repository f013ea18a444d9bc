#!/usr/bin/env bash
# Takes the README's further pictures of the real window under a virtual 1024x768 X display,
# driving it with real mouse and key input:
#   docs/merge_wall.png   "Merge" and "Wall" with large planets, a few hundred ticks after "Go"
#   docs/inspector.png    paused with the inspector open, dark matter on its ring
#   docs/dark_matter.png  the dark-matter experiment running with "Min/Max Tag" on
# The click positions follow the window's layout (the window sits at the top left corner).
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${SW4_BIN:-build/sw4}"
[[ -x "$bin" ]] || { echo "pictures: $bin not built (run scripts/run.sh first)" >&2; exit 1; }
source scripts/lib/desktop.sh

session() {  # session NAME: runs this script's function NAME against a fresh window
  desktop_retry start_window_then "$1"
}

start_window_then() {
  desktop_start 1024x768
  desktop_app "$bin" 2>/dev/null
  local win
  win=$(desktop_window)
  xdotool windowmove "$win" 0 0
  sleep 1
  "$1"
}

field() {  # field X Y TEXT: types TEXT into the field at X, Y and leaves it with Tab
  xdotool mousemove "$1" "$2" click 1
  sleep 0.2
  xdotool key ctrl+a type "$3"
  xdotool key Tab
  sleep 0.2
}

merge_wall() {
  field 113 397 60   # Radius
  field 113 417 30   # Core
  field 113 437 4    # Crust
  xdotool mousemove 879 296 click 1 && sleep 0.2   # Merge
  xdotool mousemove 879 377 click 1 && sleep 0.2   # Wall
  xdotool mousemove 30 660 click --repeat 2 --delay 80 1 && sleep 0.3  # hide the star panel
  xdotool mousemove 929 17 click 1                  # Go
  sleep 5
  import -window root docs/merge_wall.png
}

dark_matter() {
  xdotool mousemove 929 17 click 1 && sleep 3       # Go
  xdotool mousemove 15 522 click 1 && sleep 1       # DarkM
  xdotool mousemove 32 15 click 1 && sleep 1        # Pause
  xdotool mousemove 138 42 click --repeat 2 --delay 150 1 && sleep 0.5  # body 2 into the inspector
  field 780 24 2500                                 # its gravity, typed and applied
  sleep 0.6
  import -window root docs/inspector.png
  xdotool mousemove 443 64 click 1 && sleep 0.5     # Min/Max Tag
  xdotool mousemove 32 15 click 1 && sleep 5        # Pause again: running
  import -window root docs/dark_matter.png
}

session merge_wall
session dark_matter
echo "pictures: docs/merge_wall.png docs/inspector.png docs/dark_matter.png"
