# shellcheck shell=bash
# The desktop that every script and test needing a real X display uses. Source it, then:
#
#   desktop_start WxH [--scale S] [--wm | --wm-config RC]
#       a virtual screen of WxH pixels at depth 24 on a free display number (DESKTOP_NUMBER=N
#       asks for :N), exported as DISPLAY; the window sees a real X (QT_QPA_PLATFORM=xcb) at S
#       device pixels a pixel (QT_SCALE_FACTOR); --wm adds openbox (--wm-config: with that rc.xml),
#       replaced by another when it does not announce itself within 5 s, three at most
#   desktop_app COMMAND...        the program under test, in the background ($desktop_app_pid;
#                                 the server's: $desktop_xvfb_pid)
#   desktop_window [SECONDS]      waits (30 s) for the visible window titled "SW4" (or "SW4 - ...")
#                                 and prints its id
#   desktop_activate WINDOW       gives it the focus (a window manager may take a moment)
#   desktop_wait_app SECONDS      waits for the program to end: its exit status, 124 when it runs on
#   desktop_stop                  ends the program, the window manager and the X server
#   desktop_retry [--attempts N] FUNCTION [ARGS...]
#       runs FUNCTION, which starts a desktop, in a subshell that stops it on exit; when FUNCTION
#       exits 75 it runs again on a fresh display, N attempts in all (2); not with DESKTOP_NUMBER.
#       FUNCTION keeps the caller's set -e, so call desktop_retry as a command of its own, not
#       after || or && (where bash ignores set -e)
#   desktop_require [TOOL...]     exits 77 (skipped) when a tool it needs is missing
#   desktop_on_exit COMMAND       runs COMMAND when the script exits, after desktop_stop
#   desktop_poll SECONDS COMMAND...   runs COMMAND every 0.1 s until it succeeds; 1 on time out
#
# Exit status 75 is the display's fault, not the program's: a server that did not start, a window
# manager that never announced itself, a window that never showed.

desktop_name=${DESKTOP_NAME:-$(basename "$0" .sh)}
desktop_pids=()
desktop_app_pid=""
desktop_xvfb_pid=""
desktop_exit_commands=()

desktop_say() { echo "$desktop_name: $*" >&2; }

desktop_poll() {
  local tries=$(($1 * 10)) i
  shift
  for ((i = 0; i < tries; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

desktop_require() {
  local tool
  for tool in Xvfb xdotool xprop xdpyinfo "$@"; do
    command -v "$tool" >/dev/null || { echo "$desktop_name: $tool missing, skipped"; exit 77; }
  done
}

desktop__serving() { kill -0 "$desktop_xvfb_pid" 2>/dev/null && xdpyinfo >/dev/null 2>&1; }
desktop__ended_or_serving() { ! kill -0 "$desktop_xvfb_pid" 2>/dev/null || desktop__serving; }

# desktop__server [N]: Xvfb on :N, or on the first free number, which it writes down a pipe once
# it serves; exported as DISPLAY. Fails when it does not serve.
desktop__server() {
  local number=${1:-} fd
  if [[ -n $number ]]; then
    Xvfb ":$number" "${screen[@]}" >/dev/null 2>&1 &
  else
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" "${screen[@]}" >/dev/null 2>&1 &
  fi
  desktop_xvfb_pid=$!
  desktop_pids+=("$desktop_xvfb_pid")
  if [[ -z $number ]]; then
    read -r -t 10 -u "$fd" number || number=""
    exec {fd}>&-
  fi
  export DISPLAY=":$number"
  [[ -n $number ]] || return 1
  desktop_poll 10 desktop__ended_or_serving || true
  desktop__serving
}
desktop__announced() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

desktop_start() {
  local size=$1 scale="" wm=0 rc="" screen attempt wm_pid
  shift
  while (($#)); do
    case $1 in
      --scale) scale=$2 && shift 2 ;;
      --wm) wm=1 && shift ;;
      --wm-config) wm=1 rc=$2 && shift 2 ;;
      *) desktop_say "desktop_start: unknown option $1" && return 2 ;;
    esac
  done
  # No reset when the last client leaves: one that connects during a reset is turned away.
  screen=(-screen 0 "${size}x24" -nolisten tcp -noreset)
  if [[ -n ${DESKTOP_NUMBER:-} ]]; then
    if xdpyinfo -display ":$DESKTOP_NUMBER" >/dev/null 2>&1 || ! desktop__server "$DESKTOP_NUMBER"; then
      desktop_say "Xvfb :$DESKTOP_NUMBER did not start (display in use?)" && return 1
    fi
  elif ! desktop__server; then
    desktop_say "Xvfb did not start" && return 75
  fi
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY
  if [[ -n $scale ]]; then export QT_SCALE_FACTOR=$scale; else unset QT_SCALE_FACTOR; fi
  # libxkbcommon-x11 strndup()s a keymap name with no NUL, legally, as the window starts.
  [[ -n ${ASAN_OPTIONS:-} ]] && export ASAN_OPTIONS=$ASAN_OPTIONS:strict_string_checks=0
  ((wm)) || return 0
  for attempt in 1 2 3; do
    openbox ${rc:+--config-file "$rc"} >/dev/null 2>&1 &
    wm_pid=$!
    if desktop_poll 5 desktop__announced; then
      desktop_pids+=("$wm_pid")
      return 0
    fi
    kill "$wm_pid" 2>/dev/null || true
    wait "$wm_pid" 2>/dev/null || true
  done
  desktop_say "no window manager announced itself on $DISPLAY"
  return 75
}

desktop_app() {
  "$@" &
  desktop_app_pid=$!
  desktop_pids+=("$desktop_app_pid")
}

desktop__gone() { ! kill -0 "$1" 2>/dev/null; }
desktop__app_gone() { desktop__gone "$desktop_app_pid"; }
desktop__find_window() {
  desktop_window_id=$(xdotool search --onlyvisible --name '^SW4( - |$)' 2>/dev/null | head -n1) || true
  [[ -n $desktop_window_id ]] || { [[ -n $desktop_app_pid ]] && desktop__app_gone; }
}

desktop_window() {
  desktop_window_id=""
  desktop_poll "${1:-30}" desktop__find_window || true
  [[ -n $desktop_window_id ]] || { desktop_say "the window did not appear" && return 75; }
  echo "$desktop_window_id"
}

desktop__activate() { timeout 5 xdotool windowactivate --sync "$1" 2>/dev/null; }
desktop_activate() { desktop_poll 6 desktop__activate "$1"; }

desktop_wait_app() {
  desktop_poll "$1" desktop__app_gone || return 124
  local status=0
  wait "$desktop_app_pid" || status=$?
  return "$status"
}

desktop_stop() {
  local i pid
  for ((i = ${#desktop_pids[@]} - 1; i >= 0; i--)); do
    pid=${desktop_pids[i]}
    kill "$pid" 2>/dev/null || true
    desktop_poll 10 desktop__gone "$pid" || kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  desktop_pids=() desktop_app_pid="" desktop_xvfb_pid=""
  return 0
}

desktop_retry() {
  local attempts=2 attempt status errexit=0
  [[ $1 == --attempts ]] && attempts=$2 && shift 2
  [[ $- == *e* ]] && errexit=1
  for ((attempt = 1; ; attempt++)); do
    set +e
    (
      ((errexit)) && set -e
      trap desktop_stop EXIT
      trap 'exit 130' INT
      trap 'exit 143' TERM
      "$@"
    )
    status=$?
    ((errexit)) && set -e
    [[ $status == 75 && $attempt -lt $attempts && -z ${DESKTOP_NUMBER:-} ]] || return "$status"
    desktop_say "trying again on a new display"
  done
}

desktop_on_exit() { desktop_exit_commands+=("$1"); }

desktop__exit() {
  local command
  desktop_stop
  for command in "${desktop_exit_commands[@]}"; do eval "$command"; done
}
trap desktop__exit EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
