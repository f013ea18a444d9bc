#pragma once
// A clip of a run: one frame of the view every K ticks, as the view stands at the end of that
// tick, rendered at the clip's size and handed to a ClipWriter.
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "clip/clip_writer.h"

namespace sw4 {

class Sim;
class WorldView;

// What `sw4-script --progress` writes on standard error after every tick, before the ticks run so
// far: "tick 120".
inline constexpr std::string_view kProgressPrefix = "tick ";

struct ClipSettings {
  std::string path;  // its kind by its name: clipKindOf
  int fps = 30;
  int every = 1;              // a frame every this many ticks
  int width = 0, height = 0;  // 0: the drawing's device pixels at the first frame
  bool overwrite = false;
  // True while ticks run that the clip leaves out (a rewind replaying the way back).
  std::function<bool()> leaveOut;
};

class ClipRecorder {
 public:
  // From the next tick on: frame n is the view after the (n x every)-th tick. The view keeps the
  // world from here on, so a clip of another size than the drawing shows what was drawn beyond
  // it. The file is opened at the first frame; a failure then or later stops the frames and is
  // kept for finish().
  ClipRecorder(Sim& sim, WorldView& view, ClipSettings settings);
  ~ClipRecorder();
  ClipRecorder(const ClipRecorder&) = delete;
  ClipRecorder& operator=(const ClipRecorder&) = delete;

  // Ends the clip; throws std::runtime_error for the first failure (opening, a frame, ffmpeg).
  void finish();
  long frames() const { return writer_ ? writer_->frames() : 0; }

 private:
  void tickDone();

  Sim& sim_;
  WorldView& view_;
  ClipSettings settings_;
  long ticks_ = 0;
  int hook_;
  std::unique_ptr<ClipWriter> writer_;
  std::vector<std::uint32_t> frame_;
  std::exception_ptr failure_;
};

}  // namespace sw4
