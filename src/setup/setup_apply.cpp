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
  if (step.action == SetupStep::Action::Text)
    c->setText(step.text);
  else
    c->userClick();
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
