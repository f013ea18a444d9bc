#pragma once
// A running default system for the tick benches, kept near its start so every tick draws alike.
#include <benchmark/benchmark.h>

#include <string>

#include "model/fs4.h"
#include "model/sim.h"
#include "model/world.h"
#include "program/program.h"

namespace sw4bench {

// n bodies after "Go"; no spiral, no star making.
inline void startSystem(sw4::Sim& sim, int n) {
  sim.form.Frame7.setVisible(false);
  sim.form.TXn.setText(std::to_string(n));
  sim.form.Command2.userClick();
}

// Times sw4::tick and `after` (a window's repaint, say), putting the world back every 50 ticks
// outside the timing so every tick draws alike; the drawing too when `clearDrawing`.
template <class After>
void tickNearStart(benchmark::State& state, sw4::Program& sim, bool clearDrawing, After after) {
  const sw4::World start = sim.world;
  int ticks = 0;
  for (auto _ : state) {
    if (++ticks == 50) {
      state.PauseTiming();
      sim.world = start;
      if (clearDrawing) sim.surface.clear();
      ticks = 0;
      state.ResumeTiming();
    }
    sw4::tick(sim);
    after();
  }
}

inline void tickNearStart(benchmark::State& state, sw4::Program& sim) {
  tickNearStart(state, sim, true, [] {});
}

}  // namespace sw4bench
