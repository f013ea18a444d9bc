#pragma once
#include <algorithm>

#include "platform/readings.h"

namespace sw4 {

// A timer period in milliseconds from a computed value, rounded to a Long. Periods below 1 ms
// (zero, negative) run at 1 ms, so a timer never spins without end.
inline int timerPeriodMs(double ms) {
  return std::max(1, static_cast<int>(CLngSaturated(ms)));
}

}  // namespace sw4
