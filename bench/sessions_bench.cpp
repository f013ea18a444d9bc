// Random user sessions run in this process, invariants checked after every action: how many
// actions a second, and how many ran.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "sessions/session_runner.h"

namespace {

void BM_RandomSessions(benchmark::State& state) {
  const int actions = static_cast<int>(state.range(0));
  std::uint64_t seed = 1;
  long total = 0;
  for (auto _ : state) {
    const sw4::robust::Outcome o = sw4::robust::runSession(seed++, actions);
    total += o.actions;
    if (o.broken) {
      state.SkipWithError(o.broken->c_str());
      break;
    }
  }
  state.counters["actions"] = benchmark::Counter(static_cast<double>(total));
  state.counters["actions_per_s"] =
      benchmark::Counter(static_cast<double>(total), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RandomSessions)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
