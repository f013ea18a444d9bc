// The window's share of a tick, offscreen: the event processing after each pulled body and the
// repaint after a tick.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <cstdlib>

#include "model/fs4.h"
#include "model/world.h"
#include "program/program.h"
#include "qt/host_hooks.h"
#include "qt/main_window.h"

namespace {

// What the gravity pass pays after each pulled body while nothing is pending.
void BM_EventProcessingHook(benchmark::State& state) {
  sw4::Program sim;
  QWidget window;
  const sw4::HostHooks hooks(sim, window);
  for (auto _ : state) sim.processEvents(5);
}
BENCHMARK(BM_EventProcessingHook);

// Asking Qt itself, for comparison.
void BM_QtProcessEvents(benchmark::State& state) {
  for (auto _ : state) QCoreApplication::processEvents();
}
BENCHMARK(BM_QtProcessEvents);

// A tick of the default load in a shown window, with its repaint.
void BM_WindowTick(benchmark::State& state) {
  sw4::Program sim;
  sw4::MainWindow window(sim);
  const sw4::HostHooks hooks(sim, window);
  window.resize(1024, 768);
  window.show();
  sim.form.Command2.userClick();  // "Go"
  sim.form.Ti.setEnabled(false);  // the benchmark ticks
  const sw4::World start = sim.world;
  int ticks = 0;
  for (auto _ : state) {
    if (++ticks == 50) {  // keep the system near its start so every tick draws alike
      state.PauseTiming();
      sim.world = start;
      ticks = 0;
      state.ResumeTiming();
    }
    sw4::tick(sim);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_WindowTick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
