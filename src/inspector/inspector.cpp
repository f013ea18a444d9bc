#include "inspector/inspector.h"

#include "core/procedures.h"

namespace sw4 {

void wireInspector(Sim& sim) {
  wirePauseButton(sim);
  wireMarkerBlink(sim);
  wireEditorEvents(sim);
}

}  // namespace sw4
