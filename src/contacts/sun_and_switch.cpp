// The sun's "Fixed" box, the planet switch of the inspector and the marker shape.
#include "contacts/contacts.h"
#include "model/fs4.h"
#include "model/sim.h"
#include "model/world.h"
#include "platform/readings.h"

namespace sw4 {

namespace {

void fixSun(Sim& sim) {
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
}

// The inspected body on or off; a number that names no body switches nothing.
void switchPlanet(Sim& sim) {
  Fs4& f = sim.form;
  const Control& field = f.TXTOden;
  if (!field.strictOk()) return;
  const double n = roundHalfEven(field.strict());
  if (!(n >= 0 && n <= kMaxBody)) return;
  const int i = static_cast<int>(n);
  if (f.Chon.value() == 0) {
    sim.world.PlanetOff[i] = 0;
    f.Chon.setForeColor(rgb(128, 255, 191));
    f.Chon.setCaption("Planet ON");
  } else if (f.Chon.value() == 1) {
    sim.world.PlanetOff[i] = 1;
    f.Chon.setForeColor(rgb(191, 96, 0));
    f.Chon.setCaption("Planet OFF");
  }
}

}  // namespace

void wireSunAndPlanetSwitch(Sim& sim) {
  sim.form.CHsol.on(Event::Click, [&sim] { fixSun(sim); });
  sim.form.Chon.on(Event::Click, [&sim] { switchPlanet(sim); });
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
