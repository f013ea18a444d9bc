#pragma once
// What WorldHash version 1 covers, frozen: a variable, body array or control added later is not
// in it, and each number keeps the width it is hashed with, so a version-1 recording checks the
// same state in every later program.
#include <string_view>

namespace sw4::hash_v1 {

enum class Width { Double, Int16, Int32 };

struct Number {
  std::string_view name;
  Width width;
};

inline constexpr int kBodySlots = 1000;

// In this order: every slot of each body array, then the world variables.
inline constexpr Number kBodyArrays[] = {
    {"PlanetX", Width::Double},   {"PlanetY", Width::Double},       {"MomentumX", Width::Double},
    {"MomentumY", Width::Double}, {"PlanetGravity", Width::Double}, {"PlanetType", Width::Double},
    {"PlanetOff", Width::Int16},
};

inline constexpr Number kWorldVariables[] = {
    {"TotalPlanets", Width::Int16},
    {"GConstant", Width::Double},
    {"GExponent", Width::Double},
    {"PlanetRadius", Width::Int16},
    {"PlanetCore", Width::Int16},
    {"CrustVolatility", Width::Int16},
    {"CrustSpan", Width::Int32},
    {"MomentumRange", Width::Int16},
    {"MomentumSpan", Width::Int32},
    {"MomentumQuarter", Width::Int16},
    {"TagPlanet", Width::Int16},
    {"SlomoDivisor", Width::Int16},
    {"Pi", Width::Double},
    {"TwinRatio", Width::Double},
    {"TickCount", Width::Int32},
    {"SeedCounter", Width::Int16},
    {"InspectedPlanet", Width::Int16},
    {"PlanetDistance", Width::Double},
    {"Aphelion", Width::Double},
    {"Perihelion", Width::Double},
    {"AphelionToggle", Width::Int16},
    {"PerihelionToggle", Width::Int16},
    {"MoonAttempts", Width::Double},
    {"StarIndex", Width::Int16},
    {"VelocityMax", Width::Double},
    {"VelocityMin", Width::Double},
    {"VelocityRatio", Width::Double},
};

// Then the generator's state, and every control in this order (separated by blanks): its name,
// text and value.
inline constexpr std::string_view kControls =
    "TXg(0) TXg(1) TXg(2) TXg(3) TXg(4) TXg(5) TXw(0) TXw(1) TXw(2) TXn TxTconstant TXt Text1 "
    "Text2 Text3 Text4 Text5 Text6 Text7 Text8 La(2) La(3) Frame6 ChSpi ChGal Ch2 ChCir "
    "Check1 ChA Chperf CHall CDstar TXspibi TXTdec Text9 Text10 Text11 Frame7 Frame8 CHsol "
    "CHgod ChCol Chdark CHLun ChMoon Lapollo FrameCollision OpCollide(0) OpCollide(1) "
    "OpCollide(2) FrameBorder Och(0) Och(1) Och(2) Och(3) Och(4) Och(5) Och(6) Och(7) CDp(0) "
    "CDp(1) CDp(2) CDp(3) CDp(4) CDp(5) CDp(6) CDp(7) Command2 Command5 Command4 Command1 "
    "CDwww CHr TXref CHran TXran Label11 Label12 La(0) TXTOden La(16) TxTyp Label6(0) "
    "Label6(1) Label6(2) Label6(3) Label6(4) TXTp(0) TXTp(1) TXTp(2) TXTp(3) TXTp(4) Hsp(0) "
    "Hsp(1) Hsp(2) Hsp(3) Qui Frame2 Opadd(0) Opadd(1) Chon La(5) TXTp(5) La(15) TXTp(6) "
    "ChLim Label7 Label8 Label9 LaVmax LaVnow LaVmin LavPer ImSun ImMoon Shark CapGravity "
    "CapTxTconstant CapTXg(2) CapTXg(0) CapTXg(1) CapTXg(3) CapTXg(4) CapTXg(5) CapBodies "
    "CapTXn CapTXw(0) CapTXw(1) CapTXw(2) CapPlanets CapText4 CapText2 CapTXt CapDark "
    "CapText3 CapText6 CapSeed CapCDp CapTXref CapLabel11 CapOptions CapText8 CapTXspibi "
    "CapText9 CapText10 CapText11 CapTXTdec CapText7 CapLaVmin CapLaVnow CapLaVmax CapLavPer "
    "Ti Tr Tiball TiF";

}  // namespace sw4::hash_v1
