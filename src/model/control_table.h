#pragma once
#include "platform/color.h"
#include "platform/control.h"

namespace sw4 {

inline constexpr Color kThemeDefault = -1;

// Design-time state of one control.
struct ControlDecl {
  const char* name;
  int index = -1;
  Kind kind = Kind::Label;
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
};

// Where a control sits: its container (a frame's name, "" for the window) and its rectangle in
// twips relative to that container.
struct LayoutDecl {
  const char* name;
  int index;
  const char* container;
  int left, top, width, height;
};

struct ControlTable {
  const ControlDecl* begin;
  const ControlDecl* end;
};
struct LayoutTable {
  const LayoutDecl* begin;
  const LayoutDecl* end;
};

ControlTable controlDeclarations();
LayoutTable layoutDeclarations();

}  // namespace sw4
