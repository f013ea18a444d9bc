// The sun's "Fixed" box, the planet switch of the inspector and the marker shape.
#include "contacts/contact_controls.h"
#include "contacts/contacts.h"
#include "model/sim.h"
#include "model/world.h"
#include "platform/readings.h"

namespace sw4 {

namespace {

void fixSun(Sim& sim) {
  const ContactControls contacts(sim);
  const Control& fixed = contacts.sunFixedBox();
  Control& sun = contacts.sunPicture();
  World& w = sim.world;
  if (fixed.value() == 1) {
    const float halfW = sim.W() / 2.0f;
    const float halfH = sim.H() / 2.0f;
    w.PlanetX[0] = Int(halfW);
    w.PlanetY[0] = Int(halfH);
    sun.setLeft(static_cast<int>(Int(halfW)) - sun.width() / 2);
    sun.setTop(static_cast<int>(Int(halfH)) - sun.height() / 2);
  } else if (fixed.value() == 0) {
    sun.setVisible(false);
  }
}

// The inspected body on or off; a number that names no body switches nothing.
void switchPlanet(Sim& sim) {
  const ContactControls contacts(sim);
  const Control& field = contacts.bodyField();
  Control& onOff = contacts.planetSwitch();
  if (!field.strictOk()) return;
  const double n = roundHalfEven(field.strict());
  if (!(n >= 0 && n <= kMaxBody)) return;
  const int i = static_cast<int>(n);
  if (onOff.value() == 0) {
    sim.world.PlanetOff[i] = 0;
    onOff.setForeColor(rgb(128, 255, 191));
    onOff.setCaption("Planet ON");
  } else if (onOff.value() == 1) {
    sim.world.PlanetOff[i] = 1;
    onOff.setForeColor(rgb(191, 96, 0));
    onOff.setCaption("Planet OFF");
  }
}

}  // namespace

void wireSunAndPlanetSwitch(Sim& sim) {
  const ContactControls contacts(sim);
  contacts.sunFixedBox().on(Event::Click, [&sim] { fixSun(sim); });
  contacts.planetSwitch().on(Event::Click, [&sim] { switchPlanet(sim); });
}

void Ocean(Sim& sim, int i) {
  if (!isBody(i)) return;
  Control& marker = ContactControls(sim).marker();
  marker.setVisible(false);
  marker.setTop(CLngSaturated(sim.world.PlanetY[i] - marker.height() / 2.0));
  marker.setLeft(CLngSaturated(sim.world.PlanetX[i] - marker.width() / 2.0));
  marker.setVisible(true);
}

}  // namespace sw4
