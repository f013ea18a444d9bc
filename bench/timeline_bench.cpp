// The timeline at the default load (202 bodies, a 1024x768 drawing) over a 10-minute run of the
// tick timer (15 ms a tick): what keeping the history costs a tick, its memory, and how long a
// rewind to a position of the run takes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <sstream>
#include <vector>

#include "model/sim.h"
#include "program/program.h"
#include "script/script_engine.h"

namespace {

constexpr int kTicks = 10 * 60 * 1000 / 15;

double runTicks(sw4::ScriptEngine& e) {
  e.runLine("text TXn 202", 0);
  e.runLine("click Command2", 0);
  const auto start = std::chrono::steady_clock::now();
  for (int t = 0; t < kTicks; ++t) e.runLine("fire Ti", 0);
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
             .count() /
         kTicks;
}

// Ticks with the log only (no snapshot after the first) against ticks with the default snapshots.
void BM_HistoryCostPerTick(benchmark::State& state) {
  for (auto _ : state) {
    sw4::Program bare;
    std::ostringstream out;
    sw4::ScriptEngine logOnly(bare, out, {.snapshotEvery = kTicks * 2});
    const double without = runTicks(logOnly);
    sw4::Program sim;
    sw4::ScriptEngine e(sim, out);
    const double with = runTicks(e);
    state.counters["tick_us_log_only"] = without;
    state.counters["tick_us_with_snapshots"] = with;
    state.counters["snapshot_cost_pct"] = 100.0 * (with - without) / without;
    state.counters["history_MB"] = static_cast<double>(e.timeline().memoryBytes()) / (1 << 20);
    state.counters["snapshots"] = static_cast<double>(e.timeline().snapshotCount());
  }
}
BENCHMARK(BM_HistoryCostPerTick)->Iterations(1)->Unit(benchmark::kSecond);

// Rewinds to random positions of the run.
void BM_Rewind(benchmark::State& state) {
  for (auto _ : state) {
    sw4::Program sim;
    std::ostringstream out;
    sw4::ScriptEngine e(sim, out);
    runTicks(e);
    // Latest first: a rewind drops what came after its position.
    std::mt19937 pick(7);
    std::vector<std::int64_t> positions;
    for (int k = 0; k < 25; ++k)
      positions.push_back(
          std::uniform_int_distribution<std::int64_t>(0, e.timeline().position())(pick));
    std::sort(positions.rbegin(), positions.rend());
    std::vector<double> ms;
    for (const std::int64_t t : positions) {
      const auto start = std::chrono::steady_clock::now();
      e.rewind(t);
      ms.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count());
    }
    std::sort(ms.begin(), ms.end());
    state.counters["rewind_ms_median"] = ms[ms.size() / 2];
    state.counters["rewind_ms_worst"] = ms.back();
    state.counters["history_MB"] = static_cast<double>(e.timeline().memoryBytes()) / (1 << 20);
  }
}
BENCHMARK(BM_Rewind)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
