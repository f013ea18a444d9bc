#pragma once
#include <gtest/gtest.h>

#include <cmath>

#include "model/fs4.h"
#include "model/sim.h"
#include "model/world.h"

namespace sw4::testing {

// Types into a field and leaves it, as a user would.
inline void typeAndLeave(Control& c, std::string_view text) {
  c.setText(text);
  c.raise(Event::LostFocus);
}

// Every body value finite and every flag in range.
inline ::testing::AssertionResult worldIsSound(const Sim& sim) {
  const World& w = sim.world;
  for (int i = 0; i < kBodySlots; ++i) {
    for (double v : {w.PlanetX[i], w.PlanetY[i], w.MomentumX[i], w.MomentumY[i], w.PlanetGravity[i],
                     w.PlanetType[i]}) {
      if (!std::isfinite(v)) return ::testing::AssertionFailure() << "body " << i << " holds " << v;
    }
    if (w.PlanetOff[i] != 0 && w.PlanetOff[i] != 1)
      return ::testing::AssertionFailure() << "body " << i << " off flag " << w.PlanetOff[i];
  }
  if (w.TotalPlanets < 0 || w.TotalPlanets > kMaxBody)
    return ::testing::AssertionFailure() << "TotalPlanets " << w.TotalPlanets;
  return ::testing::AssertionSuccess();
}

// Stops the system from laying itself out as a spiral after "Go".
inline void withoutStarPanel(Sim& sim) {
  sim.form.Frame7.setVisible(false);
}

}  // namespace sw4::testing
