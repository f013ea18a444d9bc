#pragma once
// The form's design: fs4_controls.def gives every member of fs4_members.def its design-time state
// and its place.
#include "model/control_id.h"
#include "platform/color.h"
#include "platform/control.h"

namespace sw4 {

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
