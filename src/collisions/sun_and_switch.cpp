#include "core/procedures.h"
#include "core/sim.h"
#include "platform/readings.h"

namespace sw4 {

void wireSunAndPlanetSwitch(Sim& sim) {
  Fs4& f = sim.form;
  f.CHsol.on(Event::Click, [&sim] {
    Fs4& f = sim.form;
    World& w = sim.world;
    if (f.CHsol.value() == 1) {
      const float halfW = sim.W() / 2.0f;
      const float halfH = sim.H() / 2.0f;
      w.PlanetX[0] = Int(halfW);
      w.PlanetY[0] = Int(halfH);
      f.ImSun.setLeft(static_cast<int>(Int(halfW)) - f.ImSun.width() / 2);
      f.ImSun.setTop(static_cast<int>(Int(halfH)) - f.ImSun.height() / 2);
    } else if (f.CHsol.value() == 0) {
      f.ImSun.setVisible(false);
    }
  });
}

void Ocean(Sim& sim, int i) {
  if (!isBody(i)) return;
  Fs4& f = sim.form;
  f.Shark.setVisible(false);
  f.Shark.setTop(CLngSaturated(sim.world.PlanetY[i] - f.Shark.height() / 2.0));
  f.Shark.setLeft(CLngSaturated(sim.world.PlanetX[i] - f.Shark.width() / 2.0));
  f.Shark.setVisible(true);
}

}  // namespace sw4
