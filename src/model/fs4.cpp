#include "model/fs4.h"

#include "model/control_id.h"

namespace sw4 {

Fs4::Fs4()
    : FormControls()
#define SW4_CONTROL(Name, ...) , Name(control(ControlId::Name))
#define SW4_ARRAY(Name, ...) , Name(array(ControlId::Name))
#include "model/fs4_members.def"
#undef SW4_CONTROL
#undef SW4_ARRAY
{
}

}  // namespace sw4
