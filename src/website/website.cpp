#include "website/website.h"

#include "model/fs4.h"
#include "model/sim.h"

namespace sw4 {

namespace {

void openWebsite(Sim& sim) {
  if (!sim.openUrl(kWebsite)) sim.criticalMessage(kNoBrowserTitle, kNoBrowserText);
}

}  // namespace

void wireWebsiteLink(Sim& sim) {
  sim.form.CDwww.on(Event::Click, [&sim] { openWebsite(sim); });
  sim.form.ImMoon.on(Event::Click, [&sim] { openWebsite(sim); });
}

}  // namespace sw4
