// The blinking of the marker Shark while the inspector is open: the type colour with a black
// middle, then a dark ring with a grey middle.
#include <array>

#include "inspector/inspector.h"
#include "model/fs4.h"
#include "model/sim.h"

namespace sw4 {

namespace {

constexpr std::array<Color, 5> kTypeColors = {
    rgb(255, 255, 128), rgb(191, 96, 96), rgb(96, 191, 255), rgb(225, 128, 32), rgb(165, 165, 165)};

void blink(Fs4& f) {
  Control& shark = f.Shark;
  const Color dark = f.TXTOden.backColor();
  if (shark.borderColor() == dark) {
    const double type = f.TxTyp.lenient();
    for (int t = 0; t < static_cast<int>(kTypeColors.size()); ++t) {
      if (type == t) shark.setBorderColor(kTypeColors[t]);
    }
    shark.setFillColor(rgb(0, 0, 0));
    f.TxTyp.setForeColor(shark.borderColor());
  } else {
    shark.setBorderColor(dark);
    shark.setFillColor(rgb(128, 128, 128));
  }
}

}  // namespace

void wireMarkerBlink(Sim& sim) {
  sim.form.TiF.on(Event::Timer, [&sim] { blink(sim.form); });
}

}  // namespace sw4
