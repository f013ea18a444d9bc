// "Min/Max Tag": ticked with body 0 named, the records watch body 1; unticked, the panel hides.
#include "inspector/inspector.h"
#include "model/fs4.h"
#include "model/sim.h"
#include "observation/observation.h"

namespace sw4 {

void wireRecordsBox(Sim& sim) {
  sim.form.ChLim.on(Event::Click, [&sim] {
    Fs4& f = sim.form;
    if (f.ChLim.value() == 1) {
      if (f.TXTOden.strictOk() && f.TXTOden.strict() == 0) {
        f.TXTOden.setText("1");
        Asgard(sim);
      }
    } else if (f.ChLim.value() == 0) {
      hideRecordPanel(f);
    }
  });
}

}  // namespace sw4
