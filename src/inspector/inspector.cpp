#include "inspector/inspector.h"

namespace sw4 {

void wireInspector(Sim& sim) {
  wirePauseButton(sim);
  wireMarkerBlink(sim);
  wireEditorEvents(sim);
  wireRecordsBox(sim);
}

}  // namespace sw4
