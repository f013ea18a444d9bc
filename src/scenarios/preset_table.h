#pragma once
// The eight preset parameter sets, one row per control in the order the controls are written.
#include <array>
#include <limits>
#include <span>

#include "model/control_id.h"

namespace sw4 {

enum class PresetTarget {
  Text,    // the number is written as the field's text
  Check,   // the number is the check box's value
  Option,  // the number is the index of the option button selected in the group
};

struct PresetRow {
  ControlId control;
  int index;  // -1 for a control outside an array
  PresetTarget target;
  std::array<double, 8> values;  // by preset; kKeep leaves the control alone
};

inline constexpr double kKeep = std::numeric_limits<double>::quiet_NaN();

// The rows in writing order.
std::span<const PresetRow> presetTable();

}  // namespace sw4
