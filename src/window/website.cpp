#include "window/website.h"

#include "core/procedures.h"
#include "core/sim.h"

namespace sw4 {

namespace {

void openWebsite(Sim& sim) {
  const bool opened = sim.openUrl && sim.openUrl(kWebsite);
  if (!opened && sim.criticalMessage) sim.criticalMessage(kNoBrowserTitle, kNoBrowserText);
}

}  // namespace

void wireWebsiteLink(Sim& sim) {
  sim.form.CDwww.on(Event::Click, [&sim] { openWebsite(sim); });
  sim.form.ImMoon.on(Event::Click, [&sim] { openWebsite(sim); });
}

}  // namespace sw4
