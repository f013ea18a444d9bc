// Speed statistics of the watched body while "Min/Max Tag" is ticked.
#include <cmath>

#include "model/fs4.h"
#include "model/sim.h"
#include "model/world.h"
#include "observation/observation.h"
#include "platform/readings.h"

namespace sw4 {

void Velco(Sim& sim) {
  World& w = sim.world;
  Fs4& f = sim.form;
  const int n = w.InspectedPlanet;
  if (!isBody(n)) return;
  const double v = std::sqrt(w.MomentumY[n] * w.MomentumY[n] + w.MomentumX[n] * w.MomentumX[n]);
  if (!std::isfinite(v)) return;
  if (w.VelocityMin == 0) w.VelocityMin = v;
  if (v < w.VelocityMin) w.VelocityMin = v;
  if (v > w.VelocityMax) w.VelocityMax = v;
  f.LaVmin.setCaption(formatG(w.VelocityMin));
  f.LaVmax.setCaption(formatG(w.VelocityMax));
  f.LaVnow.setCaption(formatG(v));
  if (w.VelocityMax > 0) w.VelocityRatio = 100 - (w.VelocityMin * 100) / w.VelocityMax;
  f.LavPer.setCaption(formatFixed(w.VelocityRatio, 12) + "   %");
}

}  // namespace sw4
