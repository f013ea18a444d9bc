// Speed statistics of the watched body while "Min/Max Tag" is ticked.
#include <cmath>

#include "model/sim.h"
#include "model/world.h"
#include "observation/observation.h"
#include "observation/record_panel.h"
#include "platform/readings.h"

namespace sw4 {

void Velco(Sim& sim) {
  World& w = sim.world;
  const RecordPanel panel(sim);
  const int n = w.InspectedPlanet;
  if (!isBody(n)) return;
  const double v = std::sqrt(w.MomentumY[n] * w.MomentumY[n] + w.MomentumX[n] * w.MomentumX[n]);
  if (!std::isfinite(v)) return;
  if (w.VelocityMin == 0) w.VelocityMin = v;
  if (v < w.VelocityMin) w.VelocityMin = v;
  if (v > w.VelocityMax) w.VelocityMax = v;
  panel.lowestSpeedLabel().setCaption(formatG(w.VelocityMin));
  panel.highestSpeedLabel().setCaption(formatG(w.VelocityMax));
  panel.speedLabel().setCaption(formatG(v));
  if (w.VelocityMax > 0) w.VelocityRatio = 100 - (w.VelocityMin * 100) / w.VelocityMax;
  panel.speedRangeLabel().setCaption(formatFixed(w.VelocityRatio, 12) + "   %");
}

}  // namespace sw4
