#include "timeline/sim_state.h"

#include "model/fs4.h"
#include "model/sim.h"
#include "model/world.h"
#include "timeline/byte_stream.h"

namespace sw4 {

std::string saveSimState(const Sim& sim) {
  ByteWriter w;
  w.put(sim.world);
  w.put(sim.rnd.state());
  w.put(sim.palette);
  w.put(sim.dots);
  w.put(sim.widthTwips());
  w.put(sim.heightTwips());
  w.put(sim.surface.layout());
  w.put(sim.editorBody);
  w.putText(sim.form.caption);
  w.put(sim.form.backColor);
  w.put(sim.form.all().size());
  for (const Control& c : sim.form.all()) {
    const ControlState s = c.state();
    w.putText(s.text);
    w.put(s.value), w.put(s.min), w.put(s.max), w.put(s.interval);
    w.put(s.visible), w.put(s.enabled), w.put(s.locked);
    w.put(s.fore), w.put(s.back), w.put(s.border), w.put(s.fill);
    w.put(s.left), w.put(s.top), w.put(s.width), w.put(s.height);
  }
  return std::move(w.bytes());
}

void restoreSimState(Sim& sim, std::string_view state) {
  ByteReader r(state);
  r.get(sim.world);
  std::array<std::uint32_t, 4> rnd{};
  r.get(rnd);
  sim.rnd.setState(rnd);
  r.get(sim.palette);
  r.get(sim.dots);
  int width = 0, height = 0;
  r.get(width);
  r.get(height);
  sim.restoreDrawingArea(width, height);
  Surface::Layout layout;
  r.get(layout);
  sim.surface.adopt(layout);
  r.get(sim.editorBody);
  sim.form.caption = r.getText();
  r.get(sim.form.backColor);
  std::size_t count = 0;
  r.get(count);
  for (Control& c : sim.form.all()) {
    if (count-- == 0) break;
    ControlState s;
    s.text = r.getText();
    r.get(s.value), r.get(s.min), r.get(s.max), r.get(s.interval);
    r.get(s.visible), r.get(s.enabled), r.get(s.locked);
    r.get(s.fore), r.get(s.back), r.get(s.border), r.get(s.fill);
    r.get(s.left), r.get(s.top), r.get(s.width), r.get(s.height);
    c.restore(s);
  }
  // Nothing raised an event, so the gravity pass would keep rules cached from before.
  ++sim.outsideEdits;
}

}  // namespace sw4
