#include "qt/tick_stats.h"

#include <cstdio>

#include "model/sim.h"

namespace sw4 {

TickStats::TickStats(Sim& sim) : sim_(sim), tickDone_(sim.tickDone.add([this] { ++ticks_; })) {
  clock_.start();
  startTimer(1000);
}

TickStats::~TickStats() {
  sim_.tickDone.remove(tickDone_);
}

void TickStats::timerEvent(QTimerEvent*) {
  std::fprintf(stderr, "sw4 stats: ticks=%ld seconds=%.3f\n", ticks_, clock_.nsecsElapsed() / 1e9);
  std::fflush(stderr);
}

}  // namespace sw4
