// Where every control sits on the 1024 x 768 window, in twips (15 a pixel).
#include "window/control_table.h"

namespace sw4 {

namespace {

const LayoutDecl kLayout[] = {
    {"Frame6", -1, "", 0, 0, 915, 2400},
    {"TXTdec", -1, "Frame6", 0, 0, 1215, 300},
    {"Frame7", -1, "", 0, 0, 930, 600},
    {"Frame8", -1, "", 0, 600, 930, 600},
    {"Shark", -1, "", 0, 0, 225, 225},
    {"ImSun", -1, "", 7200, 5280, 480, 480},
    {"ImMoon", -1, "", 120, 9000, 360, 360},
};

}  // namespace

LayoutTable layoutDeclarations() { return {std::begin(kLayout), std::end(kLayout)}; }

}  // namespace sw4
