#!/usr/bin/env bash
# shot and --video through sw4-script: the classic view is the surface (shot == png), a PNG
# sequence's frame of a tick is the shot of that tick, and a video holds the frames it should
# (counted by ffprobe; skipped without ffmpeg).
# Usage: tests/view_clips.sh SW4_SCRIPT
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
bad=0
fail() { echo "$*"; bad=1; }

cat >run.sw4 <<'SCRIPT'
size 9015 6015
click Command2
advance 300
png surface.png
view 1 4507.5 3007.5
shot classic.png
view 0.5 4000 2000
advance 150
shot zoomed.png
view follow 5 3
advance 150
shot followed.png
SCRIPT
mkdir frames
"$script" --video 'frames/%02d.png' --every 10 run.sw4 || fail "the PNG sequence failed"
cmp -s surface.png classic.png || fail "shot in the classic view differs from png"
cmp -s frames/03.png zoomed.png || fail "frame 3 differs from the shot at tick 30"
cmp -s frames/04.png followed.png || fail "frame 4 differs from the shot at tick 40"
[[ $(ls frames | wc -l) == 4 ]] || fail "frames: $(ls frames | tr '\n' ' ')"

# A rewind goes back without frames: the clip goes on from there.
printf 'click Command2\nadvance 300\nrewind 10\nadvance 150\nshot back.png\n' >back.sw4
mkdir back
"$script" --video 'back/%02d.png' --every 10 back.sw4 || fail "the clip with a rewind failed"
[[ $(ls back | wc -l) == 3 ]] || fail "frames around a rewind: $(ls back | tr '\n' ' ')"
cmp -s back/03.png back.png || fail "the frame after a rewind differs from its shot"

grep -v -e png -e shot run.sw4 >clip.sw4
"$script" --video clip.avi clip.sw4 2>/dev/null
[[ $? == 1 ]] || fail "a clip of an unknown kind was not refused"

if command -v ffmpeg >/dev/null && command -v ffprobe >/dev/null; then
  for kind in mp4 webm gif MP4; do
    "$script" --video "clip.$kind" --every 3 --fps 25 --size 321x241 clip.sw4 ||
      fail "$kind: sw4-script failed"
    got=$(ffprobe -v error -count_frames -select_streams v:0 \
      -show_entries stream=nb_read_frames -of csv=p=0 "clip.$kind")
    [[ $got == 13 ]] || fail "$kind: $got frames, expected 13 (40 ticks, every 3rd)"
  done
  "$script" --video clip.mp4 clip.sw4 2>/dev/null && fail "an existing clip was replaced"
else
  echo "ffmpeg missing: videos not checked"
fi
exit $bad
