#!/usr/bin/env bash
# "Export clip..." in a real window (X, openbox, input from xdotool): "Go", ten seconds of the
# run, one zoom step out, hold, the drawing's context menu, Ctrl+Shift+E, a file name in the file
# dialog, the clip dialog at 1920x1080 with a frame every tick; while the clip renders the model's
# time runs on in the window; at the end ffprobe counts a frame for every tick of the session
# held, and three frames are taken out as PNGs. A second export cancelled midway leaves no file
# and no process behind. Screenshots and frames go to OUT_DIR.
# Usage: scripts/clip-export-check.sh [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-shots}"
bin="${SW4_BIN:-build/sw4}"
[[ -x "$bin" && -x "$(dirname "$bin")/sw4-script" ]] || {
  echo "clip-export-check: build sw4 and sw4-script" >&2
  exit 1
}
source scripts/lib/desktop.sh
desktop_require xdotool import ffmpeg ffprobe
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
desktop_on_exit 'rm -rf "$work"'
export XDG_CONFIG_HOME="$work/config" # the design size, no remembered places or folders
export SW4_STATUS_FILE="$work/status"
clip="$work/clip.mp4"

status() { sed -n 's/^beat \([0-9]*\) ticks \([0-9]*\).*/\1 \2/p' "$SW4_STATUS_FILE"; }
exporting() { pgrep -P "$desktop_app_pid" >/dev/null; }

check() {
  desktop_start 1280x1024 --wm
  desktop_app "$bin"
  win=$(desktop_window)
  desktop_activate "$win"
  sleep 1
  xdotool key --clearmodifiers ctrl+Return # "Go"
  sleep 10
  xdotool key --clearmodifiers ctrl+minus # a view that is not the classic one
  sleep 1
  xdotool key --clearmodifiers F5 # hold: the session to export stays as it is
  sleep 1
  local held
  held=$(status | cut -d' ' -f2)
  eval "$(xdotool getwindowgeometry --shell "$win" | grep -E '^(WIDTH|HEIGHT)=')"
  xdotool mousemove --window "$win" $((WIDTH / 2)) 60 click 3 # no control there
  sleep 1
  import -window root "$out/clip_menu.png"
  xdotool key Escape
  sleep 0.5
  xdotool key --clearmodifiers ctrl+shift+e # "Export clip..."
  sleep 2
  xdotool key --clearmodifiers ctrl+a
  xdotool type "$clip"
  xdotool key Return
  sleep 2
  xdotool key ctrl+a && xdotool type 1920 && xdotool key Tab && xdotool type 1080 && xdotool key Tab && xdotool type 1
  sleep 0.5
  import -window root "$out/clip_dialog.png"
  xdotool key Return # "Export"
  sleep 1
  desktop_activate "$win"
  xdotool key --clearmodifiers F5 # the model's time runs on while the clip renders
  sleep 2
  import -window root "$out/clip_progress.png"
  local before after
  before=$(status)
  sleep 2
  after=$(status)
  exporting || { echo "clip-export-check: the export ended too soon to watch" >&2; exit 1; }
  [[ ${after%% *} -gt ${before%% *} && ${after#* } -gt ${before#* } ]] || {
    echo "clip-export-check: the window stood still while exporting ($before, then $after)" >&2
    exit 1
  }
  echo "clip-export-check: while exporting, beats and ticks went on ($before -> $after)"
  local start=$SECONDS
  desktop_poll 600 eval '! exporting'
  echo "clip-export-check: the clip of $held ticks took about $((SECONDS - start + 5)) s"
  sleep 1
  import -window root "$out/clip_done.png"
  local frames
  frames=$(ffprobe -v error -count_frames -select_streams v:0 \
    -show_entries stream=nb_read_frames,width,height -of csv=p=0 "$clip")
  echo "clip-export-check: $clip: width,height,frames $frames (expected $held frames)"
  [[ ${frames##*,} == "$held" ]]
  local last=$((held - 1))
  ffmpeg -v error -y -i "$clip" -vf "select='eq(n\,0)+eq(n\,$((last / 2)))+eq(n\,$last)'" \
    -vsync 0 "$out/clip_frame_%d.png"
  xdotool key Return # the message that the clip is written
  sleep 0.5
  desktop_activate "$win"
  xdotool key --clearmodifiers ctrl+shift+e
  sleep 2
  xdotool key --clearmodifiers ctrl+a
  xdotool type "$work/cancelled.mp4"
  xdotool key Return
  sleep 2
  xdotool key ctrl+a && xdotool type 1920 && xdotool key Tab && xdotool type 1080 && xdotool key Tab && xdotool type 1
  xdotool key Return
  sleep 2
  local group
  group=$(pgrep -P "$desktop_app_pid")
  pgrep -g "$group" -x ffmpeg >/dev/null # the encoder runs in the export's group
  # The progress dialog: the first export's, gone by now, may still be found by its name.
  local dialog
  dialog=$(xdotool search --sync --onlyvisible --name '^Export clip$' | tail -1)
  xdotool windowactivate --sync "$dialog" key Escape # Cancel
  desktop_poll 10 eval '! pgrep -g "$group" >/dev/null'
  sleep 0.5
  [[ ! -e $work/cancelled.mp4 ]] || { echo "clip-export-check: a cancelled clip was left" >&2; exit 1; }
  echo "clip-export-check: a cancelled export left no file and no process"
  xdotool key --clearmodifiers ctrl+q
  desktop_wait_app 10 >/dev/null || true
}
desktop_retry check
