#pragma once
// The form's declaration: one list (fs4_controls.def) gives every control its Fs4 member, its
// design-time state and its place, so a misspelt name does not compile.
#include <cstdint>

#include "platform/color.h"
#include "platform/control.h"

namespace sw4 {

// One enumerator per Fs4 member (a control or a control array).
enum class ControlId : std::uint8_t {
#define SW4_CONTROL(Name, ...) Name,
#define SW4_ARRAY(Name, ...) Name,
#define SW4_ITEM(...)
#include "model/fs4_controls.def"
#undef SW4_CONTROL
#undef SW4_ARRAY
#undef SW4_ITEM
  None  // no control: the window itself as a container
};
inline constexpr int kControlIds = static_cast<int>(ControlId::None);

// The kind shared by the members of a control array.
constexpr Kind arrayKind(ControlId id) {
  switch (id) {
#define SW4_CONTROL(...)
#define SW4_ARRAY(Name, K) \
  case ControlId::Name:    \
    return Kind::K;
#define SW4_ITEM(...)
#include "model/fs4_controls.def"
#undef SW4_CONTROL
#undef SW4_ARRAY
#undef SW4_ITEM
    default:
      return Kind::Label;
  }
}

inline constexpr Color kThemeDefault = -1;

// Where a control sits: its container (None for the window), the edges of the window it keeps
// its distance to, and its rectangle in twips relative to the container.
struct Place {
  ControlId container = ControlId::None;
  Anchor anchor = Anchor::TopLeft;
  int left = 0, top = 0, width = 0, height = 0;
};

// Design-time state of one control.
struct ControlDecl {
  ControlId id;
  const char* name;
  int index = -1;
  Kind kind = Kind::Label;
  Place place;
  const char* text = "";
  const char* toolTip = "";
  int value = 0;
  bool visible = true;
  bool enabled = true;
  Color fore = kThemeDefault;
  Color back = kThemeDefault;
  int min = 0, max = 32767;    // scroll bars
  int interval = 0;            // timers
  Color border = 0, fill = 0;  // the shape
  // A caption of the layout names the control it captions (the member of the same index, or
  // the whole array when the caption has none); the window shows it while that control shows.
  ControlId captions = ControlId::None;
};

struct ControlTable {
  const ControlDecl* begin;
  const ControlDecl* end;
};

ControlTable controlDeclarations();

}  // namespace sw4
