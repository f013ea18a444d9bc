// The window's share of a tick, offscreen: the event processing after each pulled body and the
// repaint after a tick.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QWheelEvent>
#include <QWindow>
#include <cstdlib>

#include "../running_system.h"
#include "model/fs4.h"
#include "model/world.h"
#include "program/program.h"
#include "qt/host_hooks.h"
#include "qt/main_window.h"
#include "qt/view_actions.h"
#include "qt/view_picture.h"
#include "view/world_view.h"

namespace {

void showExposed(QWidget& window) {
  window.show();
  for (int i = 0; i < 100 && !(window.windowHandle() && window.windowHandle()->isExposed()); ++i)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

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

// A tick of the default load in a shown window, with its repaint. Arg: 0 the classic view, 1
// zoomed in two steps, 2 following body 5 two steps in.
void BM_WindowTick(benchmark::State& state) {
  sw4::Program sim;
  sw4::MainWindow window(sim);
  const sw4::HostHooks hooks(sim, window);
  window.resize(1024, 768);
  window.show();
  sim.form.Command2.userClick();  // "Go"
  sim.form.Ti.setEnabled(false);  // the benchmark ticks
  const double zoom = sw4::ViewActions::kZoomStep * sw4::ViewActions::kZoomStep;
  if (state.range(0) == 1) window.view().zoomAbout(zoom, 512, 384, 1024, 768);
  if (state.range(0) == 2) window.view().follow(5, zoom);
  window.viewChanged();
  sw4bench::tickNearStart(state, sim, false, [] { QCoreApplication::processEvents(); });
}
BENCHMARK(BM_WindowTick)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A tick and the whole window painted at once (what a display frame costs at most), offscreen:
// the X server's part is not here (bench/window_load.sh). Arg as BM_WindowTick.
void BM_WindowFrame(benchmark::State& state) {
  sw4::Program sim;
  sw4::MainWindow window(sim);
  window.resize(1024, 768);
  showExposed(window);
  sim.form.Command2.userClick();
  sim.form.Ti.setEnabled(false);
  const double zoom = sw4::ViewActions::kZoomStep * sw4::ViewActions::kZoomStep;
  if (state.range(0) == 1) window.view().zoomAbout(zoom, 512, 384, 1024, 768);
  if (state.range(0) == 2) window.view().follow(5, zoom);
  sw4bench::tickNearStart(state, sim, false, [&] { window.repaint(); });
  state.counters["render_ms"] = window.viewPicture().lastRenderNs() / 1e6;
}
BENCHMARK(BM_WindowFrame)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A wheel step on the drawing of a 1920 x 1080 window after 2000 ticks of the default load:
// from the event to the new picture painted.
void BM_WindowZoomStep(benchmark::State& state) {
  sw4::Program sim;
  sw4::MainWindow window(sim);
  const sw4::ViewActions actions(sim, window);
  window.resize(1920, 1080);
  showExposed(window);
  sim.form.Command2.userClick();
  sim.form.Ti.setEnabled(false);
  for (int i = 0; i < 2000; ++i) sw4::tick(sim);
  int notch = 120;
  for (auto _ : state) {
    if (window.view().zoom() >= 16) notch = -120;
    if (window.view().zoom() <= 1.0 / 16) notch = 120;
    const QPointF at(700, 400);
    QWheelEvent wheel(at, window.mapToGlobal(at), {}, {0, notch}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&window, &wheel);
    window.repaint();
  }
  state.counters["render_ms"] = window.viewPicture().lastRenderNs() / 1e6;
}
BENCHMARK(BM_WindowZoomStep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
