#!/usr/bin/env bash
# Takes the README's pictures of the window on a desktop (a virtual X display with the openbox
# window manager), a few seconds after "Go":
#   docs/window_1024x768.png    the design size
#   docs/window_1920x1080.png   maximised on a 1920 x 1080 screen (the whole screen)
#   docs/window_800x600.png     the smallest size, paused with the inspector open
#   docs/window_scale2.png      1024 x 768 at two device pixels a pixel (QT_SCALE_FACTOR=2)
# Needs Xvfb, openbox, xdotool and imagemagick (scripts/setup.sh installs them). SW4_DISPLAY=N
# uses display :N rather than the first free one.
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${SW4_BIN:-build/sw4}"
[[ -x "$bin" ]] || { echo "desktop-shots: $bin not built" >&2; exit 1; }

# openbox as it comes, but for a key that maximises the active window.
rc=$(mktemp --suffix=.xml)
sed 's|<keyboard>|<keyboard><keybind key="W-m"><action name="Maximize"/></keybind>|' \
  /etc/xdg/openbox/rc.xml >"$rc"

xpid="" wmpid="" app=""
stop() {
  for p in $app $wmpid $xpid; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  app="" wmpid="" xpid=""
}
trap 'stop; rm -f "$rc"' EXIT

desktop() {  # desktop WxH: a display of that size with a window manager, as DISPLAY
  local fd number="${SW4_DISPLAY:-}"
  if [[ -n "$number" ]]; then
    Xvfb ":$number" -screen 0 "${1}x24" -nolisten tcp 2>/dev/null &
    xpid=$!
    sleep 1
  else  # the first free display
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "${1}x24" -nolisten tcp 2>/dev/null &
    xpid=$!
    read -r -t 10 -u "$fd" number
    exec {fd}>&-
  fi
  export DISPLAY=":$number"
  openbox --config-file "$rc" >/dev/null 2>&1 &
  wmpid=$!
  sleep 1
}

start() {  # start [ENV=VALUE...]: runs the window, waits for it, sets $win
  env "$@" "$bin" 2>/dev/null &
  app=$!
  win=""
  for _ in $(seq 1 100); do
    win=$(xdotool search --onlyvisible --name "^SW4$" 2>/dev/null | head -n1 || true)
    [[ -n "$win" ]] && break
    sleep 0.1
  done
  [[ -n "$win" ]] || { echo "desktop-shots: the window did not appear" >&2; exit 1; }
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

desktop 1280x1024
start
go 6
shot_window docs/window_1024x768.png
stop

desktop 1920x1080
start
xdotool windowactivate --sync "$win" key super+m
sleep 1
go 8
import -window root docs/window_1920x1080.png
echo "desktop-shots: docs/window_1920x1080.png"
stop

desktop 1280x1024
start
xdotool windowsize --sync "$win" 800 600
sleep 1
go 6
xdotool key Pause
sleep 1
shot_window docs/window_800x600.png
stop

desktop 2560x2048
start QT_SCALE_FACTOR=2
go 6
shot_window docs/window_scale2.png
stop
