// The body-dot palettes: by type, or by number when "Color" is ticked.
#include "drawing/palette.h"

#include <algorithm>
#include <cmath>

#include "drawing/drawing_controls.h"
#include "drawing/shades.h"

namespace sw4 {

namespace {

struct Rgb {
  int r = 0, g = 0, b = 0;
};

Rgb typePalette(int first, double type, int S, int Wd, double giantsLenient) {
  Rgb c;
  if (type == 1) {
    c = {ci(S / 2.0 + 125), ci(std::sin(S / 50.0) * 150), ci(std::cos(S / 33.0) * 170)};
    if (first == 1) c = {255, 0, 0};
    if (first == 2) c = {255, 181, 63};
    if (first == 3) c = {250, 155, 0};
    if (first == 4) c = {200, 200, 0};
    if (first == 5) c = {255, 160, 80};
  } else if (type == 2) {
    c.r = ci(std::sin(Wd / 3.0) * 90 + 70);
    c.b = Wd + 155;
    c.g = ci(180 - std::sin(S / 50.0) * 60);
    const int n = ci(giantsLenient);
    if (first == n + 1) c = {222, 255, 255};
    if (first == n + 2) c = {200, 238, 255};
    if (first == n + 3) c = {170, 55, 191};
  } else if (type == 3) {
    c = {ci(200 - S / 2.0 + std::cos(S / 6.0) * 30), ci(S / 2.0 + 50 + std::cos(S / 2.0) * 30),
         ci(std::sin(S / 50.0) * 50 + 75)};
  } else if (type == 4) {
    c = {ci(std::sin(S * 0.35) * 50 + 160), ci(std::sin(S * 0.14) * 80 + 100),
         ci(std::cos(S * 0.06) * 80 + 80)};
  }
  return c;
}

Rgb numberPalette(int first, double type, int S) {
  Rgb c{S + 55, ci(std::cos(S / 7.0) * 50 + 100), ci(std::sin(S / 11.0) * 100 + 50)};
  if (type == 1 && first == 1) c = {255, 0, 0};
  if (type == 1 && first == 2) c = {255, 181, 63};
  return c;
}

}  // namespace

void refreshPalette(Sim& sim) {
  const DrawingControls drawing(sim);
  PaletteMemo& memo = sim.palette;
  const PaletteMemo::Key key{sim.world.TotalPlanets, drawing.colorBox().value(), drawing.giants(),
                             drawing.waterworlds(), drawing.giantsField().lenient()};
  if (key == memo.key) return;
  memo.key = key;
  ++memo.epoch;
}

void fillPalette(Sim& sim, int b, double type) {
  PaletteMemo& memo = sim.palette;
  const PaletteMemo::Key& key = memo.key;
  Rgb c{255, 191, 128};  // the sun
  if (type != 0) {
    const Shades sh = shadesOf(sim, b, key.giants, key.waterworlds);
    c = key.colorBox == 0 ? typePalette(b, type, sh.S, sh.Wd, key.giantsLenient)
                          : numberPalette(b, type, sh.S);
  }
  PaletteMemo::Entry& e = memo.entries[b];
  e.color = rgb(std::clamp(c.r, 0, 255), std::clamp(c.g, 0, 255), std::clamp(c.b, 0, 255));
  e.epoch = memo.epoch;
  e.type = type;
}

}  // namespace sw4
