// The declaration table, built from the list in fs4_controls.def.
//
// The bodies orbit the window's centre within about 0.45 of its height, so the middle stays free:
// the general parameter fields make a left column, the run controls and options a right column,
// the inspector and the record panel (shown while paused) two rows across the top, and the
// "Orbits" frame sits in the bottom right corner, where it has room to widen to 3300 twips.
#include "model/control_table.h"
#include "model/theme.h"

namespace sw4 {

namespace {

using enum ControlId;
using enum Anchor;

constexpr int px(int pixels) {
  return pixels * 15;
}

constexpr Place at(Anchor anchor, int left, int top, int width, int height) {
  return {None, anchor, px(left), px(top), px(width), px(height)};
}
constexpr Place in(ControlId frame, int left, int top, int width, int height) {
  return {frame, TopLeft, px(left), px(top), px(width), px(height)};
}
constexpr Place nowhere{};

// A row of a frame holding a caption and its field: the caption at the left, the field after it.
constexpr int kRow0 = 16;     // first row's top inside a frame (below the frame's caption)
constexpr int kRowStep = 20;  // one row of caption + field
constexpr int row(int i) {
  return kRow0 + i * kRowStep;
}

// Left column frames: caption 64 px wide, field 80 px wide.
constexpr int kCapL = 6, kCapW = 64, kFieldL = 72, kFieldW = 80;
constexpr int kFieldH = 18, kCapH = 14, kCheckH = 17;

constexpr Place caption(ControlId frame, int r) {
  return in(frame, kCapL, row(r) + 2, kCapW, kCapH);
}
constexpr Place field(ControlId frame, int r) {
  return in(frame, kFieldL, row(r), kFieldW, kFieldH);
}

constexpr const char* kTypesTip = "0 = Sun, 1 = Jupiter, 2 = Waterworld, 3 = Lunar, 4 = Asteroid";
constexpr const char* kCrustTip =
    "Crust Volatility (Crust size = Radius - Core) When planets are in partial collision, the "
    "exchange of matter is in effect as a random variable. (Visible explosions)";
constexpr const char* kPerfect = "Perfect Cicle";
constexpr const char* kPreset = "Preset Parameters";

constexpr ControlDecl kControls[] = {
#define SW4_CONTROL(Name, P, ...) \
  {.id = Name, .name = #Name, .kind = kindOf(Name), .place = P __VA_OPT__(, ) __VA_ARGS__},
#define SW4_ITEM(Name, Index, P, ...) \
  {.id = Name,                        \
   .name = #Name,                     \
   .index = Index,                    \
   .kind = kindOf(Name),              \
   .place = P __VA_OPT__(, ) __VA_ARGS__},
#include "model/fs4_controls.def"
#undef SW4_CONTROL
#undef SW4_ITEM
};

// Every member has a row, and its rows are numbered just when it is an array.
constexpr bool rowsMatchMembers() {
  for (int id = 0; id < kControlIds; ++id) {
    bool found = false;
    for (const ControlDecl& d : kControls) {
      if (static_cast<int>(d.id) != id) continue;
      found = true;
      if ((d.index >= 0) != isArray(d.id)) return false;
    }
    if (!found) return false;
  }
  return true;
}
static_assert(rowsMatchMembers(), "fs4_controls.def and fs4_members.def disagree");

}  // namespace

ControlTable controlDeclarations() {
  return {std::begin(kControls), std::end(kControls)};
}

}  // namespace sw4
