#include "model/sim.h"

#include <algorithm>

#include "model/fs4.h"
#include "model/theme.h"
#include "model/world.h"

namespace sw4 {

Sim::Sim()
    : form_(std::make_unique<Fs4>()),
      world_(std::make_unique<World>()),
      form(*form_),
      world(*world_) {
  surface.setBackground(theme::kDrawingBack);
  surface.resize(widthTwips_, heightTwips_);
}

Sim::~Sim() = default;

void Sim::resetState() {
  world = World{};
  rnd = Rnd{};
  surface.clear();
  palette = PaletteMemo{};
  dots = DotMemo{};
}

void Sim::resizeDrawingArea(int widthTwips, int heightTwips, double devicePixelRatio) {
  const int most = Surface::maxTwips(devicePixelRatio);
  widthTwips_ = std::clamp(widthTwips, 0, most);
  heightTwips_ = std::clamp(heightTwips, 0, most);
  surface.resize(widthTwips_, heightTwips_, devicePixelRatio);
  drawingResized();
}

void Sim::processPendingEvents(int body) {
  struct Bracket {
    int& slot;
    int saved;
    ~Bracket() { slot = saved; }
  } bracket{eventsAfterBody_, eventsAfterBody_};
  eventsAfterBody_ = body;
  const OutsideEventScope outside;
  processEvents(body);
}

}  // namespace sw4
