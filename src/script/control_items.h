#pragma once
#include <string_view>

#include "model/fs4.h"
#include "platform/control.h"
#include "script/item.h"

namespace sw4 {

// The control a script names: "TXn", or "TXg(2)" for a member of a control array. ScriptError
// when the form has no such control.
Control& resolveControl(const FormControls& form, std::string_view token);

// A property of a control (controlProperties() in the catalogue). Setting one stores it through
// the model's setter, which raises no event; Text, Caption and Value cannot be set (a script
// types, clicks or scrolls instead).
Item controlProperty(Control& c, std::string_view property);

}  // namespace sw4
