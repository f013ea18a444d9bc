#include "clip/clip_recorder.h"

#include "model/sim.h"
#include "view/world_view.h"

namespace sw4 {

ClipRecorder::ClipRecorder(Sim& sim, WorldView& view, ClipSettings settings)
    : sim_(sim), view_(view), settings_(std::move(settings)) {
  if (settings_.every < 1) settings_.every = 1;
  view_.keepWorld(true);
  hook_ = sim_.tickDone.add([this] { tickDone(); });
}

ClipRecorder::~ClipRecorder() {
  sim_.tickDone.remove(hook_);
}

void ClipRecorder::tickDone() {
  if (failure_ || ++ticks_ % settings_.every != 0) return;
  try {
    if (!writer_) {
      const int w = settings_.width > 0 ? settings_.width : sim_.surface.widthPixels();
      const int h = settings_.height > 0 ? settings_.height : sim_.surface.heightPixels();
      writer_ =
          std::make_unique<ClipWriter>(settings_.path, w, h, settings_.fps, settings_.overwrite);
      frame_.resize(static_cast<std::size_t>(w) * h);
    }
    const int w = writer_->width();
    view_.render(PixelTarget{frame_.data(), w, writer_->height(), w});
    writer_->write(frame_.data(), w);
  } catch (...) {
    failure_ = std::current_exception();
  }
}

void ClipRecorder::finish() {
  sim_.tickDone.remove(hook_);
  if (writer_) {
    try {
      writer_->finish();
    } catch (...) {
      if (!failure_) failure_ = std::current_exception();
    }
  }
  if (failure_) std::rethrow_exception(failure_);
}

}  // namespace sw4
