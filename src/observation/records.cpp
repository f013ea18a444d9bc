// The watched body's aphelion and perihelion records.
#include <cmath>

#include "model/sim.h"
#include "model/world.h"
#include "observation/observation.h"
#include "observation/record_panel.h"
#include "platform/readings.h"

namespace sw4 {

namespace {

// Distance of body n from the sun; a number that names no body is at distance 0.
double distanceFromSun(const World& w, int n) {
  if (!isBody(n)) return 0;
  const double dx = w.PlanetX[n] - w.PlanetX[0], dy = w.PlanetY[n] - w.PlanetY[0];
  return std::pow(dx * dx + dy * dy, 0.5);
}

void showRecords(Sim& sim) {
  const RecordPanel panel(sim);
  panel.aphelionField().setText(formatG(sim.world.Aphelion));
  panel.perihelionField().setText(formatG(sim.world.Perihelion));
}

}  // namespace

void hideRecordPanel(Sim& sim) {
  const RecordPanel p(sim);
  for (Control* c :
       {&p.aphelionField(), &p.perihelionField(), &p.perihelionCaption(), &p.aphelionCaption(),
        &p.watchBox(), &p.lastChangeLabel(), &p.differenceLabel(), &p.lastChangeCaption(),
        &p.bodyField(), &p.highestSpeedLabel(), &p.lowestSpeedLabel(), &p.speedLabel(),
        &p.speedRangeLabel()})
    c->setVisible(false);
}

void ReOrbit(Sim& sim) {
  World& w = sim.world;
  const RecordPanel panel(sim);
  const Control& body = panel.bodyField();
  // A text that is not a 16-bit number watches no body: both records become 0.
  std::int16_t n = -1;
  if (body.strictOk()) {
    const double v = roundHalfEven(body.strict());
    if (v >= -32768 && v <= 32767) n = static_cast<std::int16_t>(v);
  }
  if (n == 0) n = 1;
  w.InspectedPlanet = n;
  const double d = distanceFromSun(w, n);
  w.Aphelion = w.Perihelion = std::isfinite(d) ? d : 0;
  showRecords(sim);
  panel.aphelionField().setForeColor(panel.countField().foreColor());
  panel.perihelionField().setForeColor(panel.countField().foreColor());
}

void recordsStep(Sim& sim) {
  World& w = sim.world;
  const RecordPanel panel(sim);
  const int n = w.InspectedPlanet;
  if (!isBody(n)) return;  // the watched number names no body
  const double d = distanceFromSun(w, n);
  if (!std::isfinite(d)) return;
  w.PlanetDistance = d;
  if (d > w.Aphelion) {
    w.Aphelion = d;
    w.AphelionToggle = w.AphelionToggle ? 0 : -1;
    panel.aphelionField().setForeColor(w.AphelionToggle ? rgb(128, 191, 255) : rgb(255, 191, 128));
  }
  if (d < w.Perihelion) {
    w.Perihelion = d;
    w.PerihelionToggle = w.PerihelionToggle ? 0 : -1;
    panel.perihelionField().setForeColor(w.PerihelionToggle ? rgb(191, 255, 128)
                                                            : rgb(255, 128, 191));
  }
  if (panel.watchBox().value() == 1) Velco(sim);
  showRecords(sim);
}

}  // namespace sw4
