#pragma once
#include "platform/color.h"

namespace sw4::theme {

inline constexpr Color kDrawingBack = rgb(0, 0, 0);
inline constexpr Color kFieldBack = rgb(48, 48, 48);
inline constexpr Color kText = rgb(192, 192, 192);
inline constexpr Color kPanelBack = rgb(24, 24, 30);
inline constexpr Color kButtonBack = rgb(64, 64, 72);
inline constexpr Color kBlueBox = rgb(24, 40, 112);

}  // namespace sw4::theme
