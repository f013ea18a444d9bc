#!/usr/bin/env bash
# A window destroyed by another X client ends the program, with status 0 as a close does.
app=$1
source "$(dirname "$0")/../scripts/lib/desktop.sh"
desktop_require
tmp=$(mktemp -d)
desktop_on_exit 'rm -rf "$tmp"'
export XDG_CONFIG_HOME=$tmp/config
destroy() {
  desktop_start 1280x1024 || return
  desktop_app "$app" 2>"$tmp/stderr"
  local window
  window=$(desktop_window 60) || { cat "$tmp/stderr"; return 75; }
  /usr/bin/python3 -c "
from Xlib import display
d = display.Display()
d.create_resource_object('window', $window).destroy()
d.sync()"
  local status=0
  desktop_wait_app 60 || status=$?
  [[ $status -ne 124 ]] || { echo "still running 60 s after its window was destroyed"; return 1; }
  [[ $status -eq 0 ]] || { echo "exit status $status"; cat "$tmp/stderr"; return 1; }
}
desktop_retry destroy
