#include "program/program.h"

#include "borders/borders.h"
#include "contacts/contacts.h"
#include "fields/parameter_fields.h"
#include "galaxy/galaxy.h"
#include "inspector/inspector.h"
#include "moons/moons.h"
#include "program/program_controls.h"
#include "scenarios/scenarios.h"
#include "website/website.h"

namespace sw4 {

Program::Program() {
  wireParameterFields(*this);
  wireWebsiteLink(*this);
  wireStartAndGo(*this);
  wireClearingAndSeed(*this);
  wireSunAndPlanetSwitch(*this);
  wireBorders(*this);
  wireScenarios(*this);
  wireGalaxy(*this);
  wireMoons(*this);
  wireInspector(*this);
  ProgramControls(*this).tickTimer().on(Event::Timer, [this] { tick(*this); });
  startUp(*this);
}

}  // namespace sw4
