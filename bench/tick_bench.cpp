// One tick of a running system, headless, against a bare gravity kernel measured in the same run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "model/fs4.h"
#include "model/sim.h"
#include "model/world.h"
#include "program/program.h"
#include "running_system.h"

namespace {

using sw4::Sim;

using sw4bench::startSystem;

void setVisitCounter(benchmark::State& state, double visitsPerTick) {
  state.counters["visits"] = visitsPerTick;
  state.counters["per_visit"] = benchmark::Counter(
      visitsPerTick, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Tick(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  sw4::Program sim;
  startSystem(sim, n);
  sw4bench::tickNearStart(state, sim);
  setVisitCounter(state, static_cast<double>(n + 1) * (n + 1));
}
BENCHMARK(BM_Tick)->Arg(144)->Arg(199)->Arg(202)->Arg(999)->Unit(benchmark::kMicrosecond);

// Every ordered pair, F = G g / d^2, components by dx / d, no drawing.
void BM_BareKernel(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0)) + 1;
  std::vector<double> x(n), y(n), g(n), mx(n), my(n);
  for (int i = 0; i < n; ++i) {
    x[i] = 1000 + (i * 7919) % 14000;
    y[i] = 500 + (i * 104729) % 10000;
    g[i] = 0.01;
  }
  const double G = 667.3;
  for (auto _ : state) {
    for (int a = n - 1; a >= 0; --a) {
      double ax = 0, ay = 0;
      for (int b = n - 1; b >= 0; --b) {
        if (b == a) continue;
        const double dx = x[b] - x[a], dy = y[b] - y[a];
        const double d = std::sqrt(dx * dx + dy * dy);
        const double f = G * g[b] / (d * d);
        ax += f * dx / d;
        ay += f * dy / d;
      }
      mx[a] += ax;
      my[a] += ay;
    }
    benchmark::DoNotOptimize(mx.data());
    benchmark::DoNotOptimize(my.data());
  }
  setVisitCounter(state, static_cast<double>(n) * n);
}
BENCHMARK(BM_BareKernel)->Arg(144)->Arg(199)->Unit(benchmark::kMicrosecond);

}  // namespace
