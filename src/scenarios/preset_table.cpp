#include "scenarios/preset_table.h"

namespace sw4 {

namespace {

using enum ControlId;
constexpr PresetTarget kText = PresetTarget::Text;
constexpr PresetTarget kCheck = PresetTarget::Check;
constexpr PresetTarget kOption = PresetTarget::Option;
constexpr double _ = kKeep;             // the control is left as it is
constexpr double kPi355 = 355.0 / 113;  // written as 3.14159292035398

// clang-format off
constexpr PresetRow kPresets[] = {
  //                             "1"     "2"     "3"     "4"     "5"     "6"     "7"     "8"
  {Text1,       -1, kText,   {     1,     64,     99,     50,      2,     15,      1,     99}},
  {Text2,       -1, kText,   {    50,     33,     18,     42,     70,     37,     50,    155}},
  {Text3,       -1, kText,   {     _,     35,      _,      _,     60,     62,     45,    129}},
  {Text6,       -1, kText,   {     _,     80,      _,      _,      _,      _,      _,      _}},
  {Text5,       -1, kText,   {     1,     56,     90,     50,      1,     12,      1,     99}},
  {Text4,       -1, kText,   {     1,      1,      2,      0,      1,      2,      1,      1}},
  {Text7,       -1, kText,   {     0,      0,      0,      0,      0,      0,      0,      0}},
  // Preset "2" writes the sun's gravity twice, 5 and then 800, and leaves TXg(1) alone.
  {TXg,          0, kText,   {     _,      5,      _,      _,      _,      _,      _,      _}},
  {TXg,          0, kText,   { 22222,    800,    300,   2000,   1600,   3000,   1000,   9000}},
  {TXg,          1, kText,   {   111,      _,     20,     65,    160,     20,      5,      3}},
  {TXg,          2, kText,   {   2.4,      2,      2,      2,      2,      2,      2,      2}},
  {TXg,          3, kText,   {     _,      _,      _,      _,      _,      5,      _,    0.3}},
  {TXg,          4, kText,   {     _,      _,      _,      _,      _,      1,      _,  0.003}},
  {TXg,          5, kText,   {     _,      _,      _,      _,      _,    0.2,      _,   3e-5}},
  {TXw,          0, kText,   {     1,      1,      1,      1,      0,      5,      0,     41}},
  {TXw,          1, kText,   {     1,      3,      1,      2,      0,     40,     33,     41}},
  {TXw,          2, kText,   {     1,      9,      1,      2,      0,     45,     33,     41}},
  {TXn,         -1, kText,   {     1,     40,      5,      2,     40,     50,     33,     41}},
  {Text9,       -1, kText,   {     _,      _,      _,   2.71, kPi355,      7,      3,      5}},
  {Text10,      -1, kText,   {     _,      _,      _,      0,      _,      5,      _,      5}},
  {CHsol,       -1, kCheck,  {     1,      1,      1,      1,      1,      1,      1,      1}},
  {CHgod,       -1, kCheck,  {     1,      0,      1,      0,      0,      1,      0,      0}},
  {Och,         -1, kOption, {     5,      0,      5,      7,      7,      7,      7,      7}},
  {OpCollide,   -1, kOption, {     _,      _,      _,      1,      2,      0,      2,      0}},
  {CHr,         -1, kCheck,  {     _,      _,      1,      _,      _,      _,      _,      0}},
  {ChCol,       -1, kCheck,  {     _,      _,      _,      _,      _,      _,      _,      1}},
  // Last, after Text1: its handler forms moons with the planet radius just written.
  {CHLun,       -1, kCheck,  {     _,      _,      1,      _,      _,      _,      _,      0}},
};
// clang-format on

}  // namespace

std::span<const PresetRow> presetTable() {
  return kPresets;
}

}  // namespace sw4
