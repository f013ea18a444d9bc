// The view of the world: the tick with a view listening against the classic tick, a zoom step's
// new picture, and the view's memory once a long run has filled it.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/fs4.h"
#include "model/sim.h"
#include "model/world.h"
#include "program/program.h"
#include "running_system.h"
#include "view/world_view.h"

namespace {

using sw4bench::startSystem;

// Arg 0: bodies; arg 1: 0 classic, 1 zoomed out to a half, 2 following body 1 at zoom 4, 3 the
// same at two of the window's wheel steps in (1.25 each), as the window's load is measured.
void BM_TickInView(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  sw4::Program sim;
  startSystem(sim, n);
  sw4::WorldView view(sim);
  if (state.range(1) == 1) view.setView(0.5, sim.widthTwips() / 2.0, sim.heightTwips() / 2.0);
  if (state.range(1) == 2) view.follow(1, 4);
  if (state.range(1) == 3) view.follow(1, 1.25 * 1.25);
  sw4bench::tickNearStart(state, sim);
  state.counters["dropped"] = static_cast<double>(view.droppedMarks());
}
BENCHMARK(BM_TickInView)
    ->ArgsProduct({{199, 202}, {0, 1, 2, 3}})
    ->ArgNames({"bodies", "view"})
    ->Unit(benchmark::kMicrosecond);

// A wheel step on a view of 1920 x 1080 after 2000 ticks of the default load: the zoom changes
// and the new picture is drawn from what the layers kept.
void BM_ZoomStep(benchmark::State& state) {
  sw4::Program sim;
  sim.resizeDrawingArea(1920 * 15, 1080 * 15);
  startSystem(sim, 144);
  sw4::WorldView view(sim);
  view.keepWorld(true);
  for (int i = 0; i < 2000; ++i) sw4::tick(sim);
  double zoom = 1;
  for (auto _ : state) {
    zoom = zoom >= 16 ? 1.0 / 16 : zoom * 1.25;
    view.zoomAbout(zoom / view.zoom(), 700, 400, 1920, 1080);
    benchmark::DoNotOptimize(view.render(1920, 1080).data());
  }
  state.counters["MiB"] = static_cast<double>(view.memoryBytes()) / (1 << 20);
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond);

// One picture of a followed view at the default load, as a window repaints it every tick.
// Arg: the picture's width (16:9 but 1024 x 768).
void BM_RenderFollowed(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = w == 1024 ? 768 : w * 9 / 16;
  sw4::Program sim;
  sim.resizeDrawingArea(w * 15, h * 15);
  startSystem(sim, 202);
  sw4::WorldView view(sim);
  view.follow(5, 2);
  for (int i = 0; i < 500; ++i) sw4::tick(sim);
  std::vector<std::uint32_t> picture(static_cast<std::size_t>(w) * h);
  for (auto _ : state) view.render(sw4::PixelTarget{picture.data(), w, h, w});
}
BENCHMARK(BM_RenderFollowed)->Arg(1024)->Arg(1920)->Unit(benchmark::kMillisecond);

// The view's memory after a long run that spreads marks far and wide: zoomed in 16x following
// a body, then zoomed out; never above the bound.
void BM_ViewMemory(benchmark::State& state) {
  for (auto _ : state) {
    sw4::Program sim;
    startSystem(sim, 199);
    sw4::WorldView view(sim);
    view.follow(5, 16);
    for (int i = 0; i < 3000; ++i) {
      if (i % 300 == 0) view.follow(5, 16.0 / (1 + i / 300));
      sw4::tick(sim);
    }
    state.counters["MiB"] = static_cast<double>(view.memoryBytes()) / (1 << 20);
    state.counters["bound_MiB"] = static_cast<double>(sw4::MarkCanvas::boundBytes()) / (1 << 20);
  }
}
BENCHMARK(BM_ViewMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
