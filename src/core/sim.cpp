#include "core/sim.h"

#include "core/procedures.h"
#include "window/theme.h"

namespace sw4 {

Sim::Sim() {
  surface.setBackground(theme::kDrawingBack);
  surface.resize(widthTwips_, heightTwips_);
  processEvents = [](int) {};
  wireParameterFields(*this);
  wireWebsiteLink(*this);
  wireStartAndGo(*this);
  wireClearingAndSeed(*this);
  wireSunAndPlanetSwitch(*this);
  wireBorders(*this);
  wireScenarios(*this);
  wireGalaxy(*this);
  wireMoons(*this);
  wireObservation(*this);
  wireInspector(*this);
  form.Ti.on(Event::Timer, [this] { tick(*this); });
  startUp(*this);
}

void Sim::resizeDrawingArea(int widthTwips, int heightTwips, double devicePixelRatio) {
  widthTwips_ = widthTwips > 0 ? widthTwips : 0;
  heightTwips_ = heightTwips > 0 ? heightTwips : 0;
  surface.resize(widthTwips_, heightTwips_, devicePixelRatio);
}

}  // namespace sw4
