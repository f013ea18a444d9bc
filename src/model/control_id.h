#pragma once
// One id for each member of the form (fs4_members.def), and the member's kind.
#include <cstdint>

#include "platform/control.h"

namespace sw4 {

enum class ControlId : std::uint8_t {
#define SW4_CONTROL(Name, K) Name,
#define SW4_ARRAY(Name, K) Name,
#include "model/fs4_members.def"
#undef SW4_CONTROL
#undef SW4_ARRAY
  None  // no control: the window itself as a container
};
inline constexpr int kControlIds = static_cast<int>(ControlId::None);

// The kind of a control, or the kind shared by the members of a control array.
constexpr Kind kindOf(ControlId id) {
  switch (id) {
#define SW4_CONTROL(Name, K) \
  case ControlId::Name:      \
    return Kind::K;
#define SW4_ARRAY(Name, K) SW4_CONTROL(Name, K)
#include "model/fs4_members.def"
#undef SW4_CONTROL
#undef SW4_ARRAY
    default:
      return Kind::Label;
  }
}

constexpr bool isArray(ControlId id) {
  switch (id) {
#define SW4_CONTROL(Name, K)
#define SW4_ARRAY(Name, K) \
  case ControlId::Name:    \
    return true;
#include "model/fs4_members.def"
#undef SW4_CONTROL
#undef SW4_ARRAY
    default:
      return false;
  }
}

}  // namespace sw4
