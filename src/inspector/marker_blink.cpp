// The blinking of the marker Shark while the inspector is open: the type colour with a black
// middle, then a dark ring with a grey middle.
#include <array>

#include "inspector/inspector.h"
#include "inspector/inspector_controls.h"

namespace sw4 {

namespace {

constexpr std::array<Color, 5> kTypeColors = {
    rgb(255, 255, 128), rgb(191, 96, 96), rgb(96, 191, 255), rgb(225, 128, 32), rgb(165, 165, 165)};

void blink(const InspectorControls& inspector) {
  Control& shark = inspector.marker();
  Control& typeField = inspector.typeField();
  const Color dark = inspector.bodyField().backColor();
  if (shark.borderColor() == dark) {
    const double type = typeField.lenient();
    for (int t = 0; t < static_cast<int>(kTypeColors.size()); ++t) {
      if (type == t) shark.setBorderColor(kTypeColors[t]);
    }
    shark.setFillColor(rgb(0, 0, 0));
    typeField.setForeColor(shark.borderColor());
  } else {
    shark.setBorderColor(dark);
    shark.setFillColor(rgb(128, 128, 128));
  }
}

}  // namespace

void wireMarkerBlink(Sim& sim) {
  const InspectorControls inspector(sim);
  inspector.blinkTimer().on(Event::Timer, [inspector] { blink(inspector); });
}

}  // namespace sw4
