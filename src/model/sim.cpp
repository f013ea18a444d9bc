#include "model/sim.h"

#include "model/theme.h"

namespace sw4 {

Sim::Sim() {
  surface.setBackground(theme::kDrawingBack);
  surface.resize(widthTwips_, heightTwips_);
}

void Sim::resizeDrawingArea(int widthTwips, int heightTwips, double devicePixelRatio) {
  widthTwips_ = widthTwips > 0 ? widthTwips : 0;
  heightTwips_ = heightTwips > 0 ? heightTwips : 0;
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
