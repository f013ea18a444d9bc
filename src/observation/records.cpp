// The watched body's aphelion and perihelion records.
#include <cmath>

#include "model/fs4.h"
#include "model/sim.h"
#include "model/world.h"
#include "observation/observation.h"
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
  sim.form.TXTp(5).setText(formatG(sim.world.Aphelion));
  sim.form.TXTp(6).setText(formatG(sim.world.Perihelion));
}

}  // namespace

void hideRecordPanel(Fs4& f) {
  for (Control* c : {&f.TXTp(5), &f.TXTp(6), &f.La(15), &f.La(5), &f.ChLim, &f.Label8, &f.Label9,
                     &f.Label7, &f.TXTOden, &f.LaVmax, &f.LaVmin, &f.LaVnow, &f.LavPer})
    c->setVisible(false);
}

void ReOrbit(Sim& sim) {
  World& w = sim.world;
  Fs4& f = sim.form;
  // A text that is not a 16-bit number watches no body: both records become 0.
  std::int16_t n = -1;
  if (f.TXTOden.strictOk()) {
    const double v = roundHalfEven(f.TXTOden.strict());
    if (v >= -32768 && v <= 32767) n = static_cast<std::int16_t>(v);
  }
  if (n == 0) n = 1;
  w.InspectedPlanet = n;
  const double d = distanceFromSun(w, n);
  w.Aphelion = w.Perihelion = std::isfinite(d) ? d : 0;
  showRecords(sim);
  f.TXTp(5).setForeColor(f.TXn.foreColor());
  f.TXTp(6).setForeColor(f.TXn.foreColor());
}

void recordsStep(Sim& sim) {
  World& w = sim.world;
  Fs4& f = sim.form;
  const int n = w.InspectedPlanet;
  if (!isBody(n)) return;  // the watched number names no body
  const double d = distanceFromSun(w, n);
  if (!std::isfinite(d)) return;
  w.PlanetDistance = d;
  if (d > w.Aphelion) {
    w.Aphelion = d;
    w.AphelionToggle = w.AphelionToggle ? 0 : -1;
    f.TXTp(5).setForeColor(w.AphelionToggle ? rgb(128, 191, 255) : rgb(255, 191, 128));
  }
  if (d < w.Perihelion) {
    w.Perihelion = d;
    w.PerihelionToggle = w.PerihelionToggle ? 0 : -1;
    f.TXTp(6).setForeColor(w.PerihelionToggle ? rgb(191, 255, 128) : rgb(255, 128, 191));
  }
  if (f.ChLim.value() == 1) Velco(sim);
  showRecords(sim);
}

}  // namespace sw4
