// "Min/Max Tag": ticked with body 0 named, the records watch body 1; unticked, the panel hides.
#include "inspector/inspector.h"
#include "observation/observation.h"
#include "observation/record_panel.h"

namespace sw4 {

void wireRecordsBox(Sim& sim) {
  const RecordPanel panel(sim);
  panel.watchBox().on(Event::Click, [&sim, panel] {
    Control& body = panel.bodyField();
    if (panel.watchBox().value() == 1) {
      if (body.strictOk() && body.strict() == 0) {
        body.setText("1");
        Asgard(sim);
      }
    } else if (panel.watchBox().value() == 0) {
      hideRecordPanel(sim);
    }
  });
}

}  // namespace sw4
