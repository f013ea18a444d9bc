#!/usr/bin/env bash
# A window destroyed by another X client ends the program, with status 0 as a close does.
app=$1
tmp=$(mktemp -d)
trap 'kill $pid $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [[ -s $tmp/display ]] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$tmp/display") QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$tmp/config
# A sanitized window: libxkbcommon-x11 strndup()s a name without a NUL at the start, legally.
[[ -n ${ASAN_OPTIONS:-} ]] && export ASAN_OPTIONS=$ASAN_OPTIONS:strict_string_checks=0
"$app" 2>"$tmp/stderr" &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^SW4$' | head -1)
[[ -n $window ]] || { echo "no window"; cat "$tmp/stderr"; exit 1; }
/usr/bin/python3 -c "
from Xlib import display
d = display.Display()
d.create_resource_object('window', $window).destroy()
d.sync()"
for _ in $(seq 600); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $pid 2>/dev/null; then echo "still running 60 s after its window was destroyed"; exit 1; fi
wait $pid
status=$?
[[ $status -eq 0 ]] || { echo "exit status $status"; cat "$tmp/stderr"; exit 1; }
