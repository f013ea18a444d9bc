// The preset buttons "1" to "8": each writes its column of the preset table into the controls.
#include <cmath>

#include "model/sim.h"
#include "platform/readings.h"
#include "scenarios/preset_table.h"
#include "scenarios/scenario_controls.h"
#include "scenarios/scenarios.h"

namespace sw4 {

namespace {

void applyPreset(const FormControls& f, int preset) {
  for (const PresetRow& row : presetTable()) {
    const double v = row.values[preset];
    if (std::isnan(v)) continue;
    switch (row.target) {
      case PresetTarget::Text:
        f.control(row.control, row.index).setText(formatG(v));
        break;
      case PresetTarget::Check:
        f.control(row.control, row.index).setValue(static_cast<int>(v));
        break;
      case PresetTarget::Option:
        f.array(row.control)(static_cast<int>(v)).setValue(1);
        break;
    }
  }
}

}  // namespace

void wirePresets(Sim& sim) {
  const ScenarioControls orbits(sim);
  const FormControls& form = orbits.form();
  for (Control* button : orbits.presetButtons().members()) {
    if (!button) continue;
    const int preset = button->index();
    button->on(Event::Click, [&form, preset] { applyPreset(form, preset); });
  }
}

}  // namespace sw4
