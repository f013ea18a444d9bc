#!/usr/bin/env bash
# Clip export at the default load (a fresh start's 202 bodies): 2,000 ticks (a minute of the
# window's run), a frame every 2nd tick at 30 fps and 1920x1080, about 1,000 frames. Prints the
# wall time of each kind against the minute it shows and the frames ffprobe counts, with the
# machine's load before each run (other work on the cores slows it).
#   bench/clip_export.sh [BUILD_DIR] [KINDS...]         (default: build mp4 webm)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
shift || true
kinds=("${@:-mp4}")
[[ $# -gt 0 ]] || kinds=(mp4 webm)
command -v ffmpeg >/dev/null && command -v ffprobe >/dev/null ||
  { echo "clip_export: needs ffmpeg and ffprobe (apt-get install ffmpeg)" >&2; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'click Command2\nadvance 30000\nprint TickCount\n' >"$work/run.sw4"

echo "cores: $(nproc)"
for kind in "${kinds[@]}"; do
  echo "load: $(cut -d' ' -f1 /proc/loadavg)"
  start=$(date +%s.%N)
  "$build/sw4-script" --video "$work/clip.$kind" --size 1920x1080 --every 2 --fps 30 \
    "$work/run.sw4" >/dev/null
  end=$(date +%s.%N)
  frames=$(ffprobe -v error -count_frames -select_streams v:0 \
    -show_entries stream=nb_read_frames -of csv=p=0 "$work/clip.$kind")
  awk -v k="$kind" -v a="$start" -v b="$end" -v f="$frames" 'BEGIN {
    printf "%s: %d frames in %.1f s (%.0f frames a second, %.2fx real time for 60 s)\n",
           k, f, b - a, f / (b - a), 60 / (b - a) }'
done
