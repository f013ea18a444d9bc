#pragma once
// The form with a named member for every control and control array of fs4_members.def: what code
// that names a control includes.
#include "model/form_controls.h"

namespace sw4 {

class Fs4 : public FormControls {
 public:
  Fs4();

#define SW4_CONTROL(Name, ...) Control& Name;
#define SW4_ARRAY(Name, ...) ControlArray& Name;
#include "model/fs4_members.def"
#undef SW4_CONTROL
#undef SW4_ARRAY
};

}  // namespace sw4
