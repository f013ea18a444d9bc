// The timeline at the default load (202 bodies, a 1024x768 drawing) over a 10-minute run of the
// tick timer (15 ms a tick): what keeping the history costs a tick, its memory, and how long a
// rewind to a position of the run takes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include "model/sim.h"
#include "program/program.h"
#include "recording/world_hash.h"
#include "script/script_engine.h"
#include "timeline/work_clock.h"

namespace {

constexpr int kTicks = 10 * 60 * 1000 / 15;

double msSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// "Go" with 202 bodies on the default 1024x768 drawing, the field walled so that they stay (under
// the default "Die" nearly all are gone after 600 ticks); false when that is not what it built.
bool start(sw4::ScriptEngine& e, benchmark::State& state) {
  e.runLine("text TXn 202", 0);
  e.runLine("click Och(1)", 0);
  e.runLine("click Command2", 0);
  const bool ok = e.item("TotalPlanets").read() == "202" && e.sim().surface.widthPixels() == 1024 &&
                  e.sim().surface.heightPixels() == 768;
  if (!ok) state.SkipWithError("not the default load");
  return ok;
}

// The ticks from the current position to the end of the run; microseconds a tick.
double runTo(sw4::ScriptEngine& e, std::int64_t end) {
  const auto begin = std::chrono::steady_clock::now();
  const std::int64_t from = e.timeline().position();
  for (std::int64_t t = from; t < end; ++t) e.runLine("fire Ti", 0);
  return 1000.0 * msSince(begin) / static_cast<double>(std::max<std::int64_t>(1, end - from));
}

// What the snapshots cost the run: the processor time the timeline spent taking them against the
// rest of the run's (a comparison of two runs' wall times drowns in a shared machine's noise),
// and the ticks with the log only (no snapshot after the first) against those with snapshots.
void BM_HistoryCostPerTick(benchmark::State& state) {
  for (auto _ : state) {
    std::ostringstream out;
    sw4::Program bare;
    sw4::ScriptEngine logOnly(bare, out, {.snapshotEvery = kTicks * 2});
    if (!start(logOnly, state)) return;
    const double without = runTo(logOnly, kTicks);
    sw4::Program sim;
    sw4::ScriptEngine e(sim, out);
    if (!start(e, state)) return;
    const double before = sw4::threadSeconds(), taken = e.timeline().snapshotSeconds();
    const double with = runTo(e, kTicks);
    const double snapshots = e.timeline().snapshotSeconds() - taken;
    const double run = sw4::threadSeconds() - before;
    state.counters["tick_us_log_only"] = without;
    state.counters["tick_us_with_snapshots"] = with;
    state.counters["snapshot_cost_pct"] = 100.0 * snapshots / (run - snapshots);
    state.counters["history_MB"] = static_cast<double>(e.timeline().memoryBytes()) / (1 << 20);
    state.counters["snapshots"] = static_cast<double>(e.timeline().snapshotCount());
    state.counters["bodies_on_at_end"] = std::stod(e.item("BodiesOn").read());
  }
}
BENCHMARK(BM_HistoryCostPerTick)->Iterations(1)->Unit(benchmark::kSecond);

// Rewinds to positions spread over the whole run, in shuffled order: after each, the run goes on
// to its end again (a rewind drops what came after its position), which must end as it did.
void BM_Rewind(benchmark::State& state) {
  for (auto _ : state) {
    sw4::Program sim;
    std::ostringstream out;
    sw4::ScriptEngine e(sim, out);
    if (!start(e, state)) return;
    runTo(e, kTicks);
    const std::uint64_t end = sw4::worldHash(sim);
    constexpr int kSamples = 24;
    std::vector<std::int64_t> positions;
    for (int k = 0; k < kSamples; ++k)
      positions.push_back(static_cast<std::int64_t>(kTicks) * ((k * 7) % kSamples) / kSamples +
                          k * 37);
    // The wall time, and the processor time (what a machine shared with other work leaves out).
    std::vector<double> ms, cpuMs;
    for (const std::int64_t t : positions) {
      const auto begin = std::chrono::steady_clock::now();
      const double cpuBegin = sw4::threadSeconds();
      e.rewind(t);
      ms.push_back(msSince(begin));
      cpuMs.push_back(1000.0 * (sw4::threadSeconds() - cpuBegin));
      runTo(e, kTicks);
      if (sw4::worldHash(sim) != end) return state.SkipWithError("the run ended otherwise");
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpuMs.begin(), cpuMs.end());
    state.counters["rewind_ms_median"] = ms[ms.size() / 2];
    state.counters["rewind_ms_worst"] = ms.back();
    state.counters["rewind_cpu_ms_median"] = cpuMs[cpuMs.size() / 2];
    state.counters["rewind_cpu_ms_worst"] = cpuMs.back();
    state.counters["history_MB"] = static_cast<double>(e.timeline().memoryBytes()) / (1 << 20);
    state.counters["snapshots"] = static_cast<double>(e.timeline().snapshotCount());
  }
}
BENCHMARK(BM_Rewind)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
