#!/usr/bin/env bash
# Takes the README's pictures of the window on a desktop (a virtual X display with the openbox
# window manager), a few seconds after "Go":
#   docs/window_1024x768.png    the design size
#   docs/window_1920x1080.png   maximised on a 1920 x 1080 screen (the whole screen)
#   docs/window_800x600.png     the smallest size, paused with the inspector open
#   docs/window_scale2.png      1024 x 768 at two device pixels a pixel (QT_SCALE_FACTOR=2)
# Needs a virtual X server, openbox, xdotool and imagemagick (scripts/setup.sh installs them).
# SW4_DISPLAY=N uses display :N rather than the first free one.
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${SW4_BIN:-build/sw4}"
[[ -x "$bin" ]] || { echo "desktop-shots: $bin not built" >&2; exit 1; }
source scripts/lib/desktop.sh
DESKTOP_NUMBER=${SW4_DISPLAY:-}

# openbox as it comes, but for a key that maximises the active window.
rc=$(mktemp --suffix=.xml)
desktop_on_exit 'rm -f "$rc"'
sed 's|<keyboard>|<keyboard><keybind key="W-m"><action name="Maximize"/></keybind>|' \
  /etc/xdg/openbox/rc.xml >"$rc"

start() {  # start WxH [--scale S]: the window on a desktop of that size, as $win
  desktop_start "$@" --wm-config "$rc"
  desktop_app "$bin" 2>/dev/null
  win=$(desktop_window)
  sleep 1
}

go() {  # presses Ctrl+Return ("Go") and lets the system run
  xdotool windowactivate --sync "$win" key ctrl+Return
  sleep "$1"
}

shot_window() {
  import -window "$win" "$1"
  echo "desktop-shots: $1"
}

design_size() {
  start 1280x1024
  go 6
  shot_window docs/window_1024x768.png
}

maximised() {
  start 1920x1080
  xdotool windowactivate --sync "$win" key super+m
  sleep 1
  go 8
  import -window root docs/window_1920x1080.png
  echo "desktop-shots: docs/window_1920x1080.png"
}

smallest() {
  start 1280x1024
  xdotool windowsize --sync "$win" 800 600
  sleep 1
  go 6
  xdotool key Pause
  sleep 1
  shot_window docs/window_800x600.png
}

scaled() {
  start 2560x2048 --scale 2
  go 6
  shot_window docs/window_scale2.png
}

for shot in design_size maximised smallest scaled; do desktop_retry "$shot"; done
