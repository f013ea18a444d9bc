// Applying a setup that has been read in full.
#include "program/program.h"
#include "setup/setup.h"

namespace sw4 {

namespace {

void applyStep(Sim& sim, const SetupStep& step) {
  const auto open = step.control.find('(');
  Control* c = open == std::string::npos
                   ? sim.form.find(step.control)
                   : sim.form.find(std::string_view(step.control).substr(0, open),
                                   std::stoi(step.control.substr(open + 1)));
  if (!c) return;
  switch (step.action) {
    case SetupStep::Action::Text:
      c->setText(step.text);
      break;
    case SetupStep::Action::Click:
      c->userClick();
      break;
    case SetupStep::Action::DblClick:
      c->raise(Event::DblClick);
      break;
    case SetupStep::Action::Leave:
      c->raise(Event::LostFocus);
      break;
    case SetupStep::Action::Scroll:
      c->setValue(step.value);
      break;
  }
}

}  // namespace

void applySetup(Sim& sim, std::vector<SetupStep> steps) {
  newRun(sim);
  betweenTicks(sim, [&sim, steps = std::move(steps)] {
    const OutsideEventScope byUser;  // a recording keeps each step as the user's action
    for (const SetupStep& step : steps) {
      if (sim.ended) return;
      applyStep(sim, step);
    }
  });
}

}  // namespace sw4
