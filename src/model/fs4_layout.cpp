// Where every control sits on the 1024 x 768 window, in twips (15 a pixel).
//
// The bodies orbit the window's centre within about 0.45 of its height, so the middle stays free:
// the general parameter fields make a left column, the run controls and options a right column,
// the inspector and the record panel (shown while paused) two rows across the top, and the
// "Orbits" frame sits in the bottom right corner, where it has room to widen to 3300 twips.
#include "model/control_table.h"

namespace sw4 {

namespace {

constexpr int px(int pixels) {
  return pixels * 15;
}

// A row of a frame holding a caption and its field: the caption at the left, the field after it.
constexpr int kRow0 = 16;     // first row's top inside a frame (below the frame's caption)
constexpr int kRowStep = 20;  // one row of caption + field
constexpr int row(int i) {
  return kRow0 + i * kRowStep;
}

// Left column frames: caption 64 px wide, field 80 px wide.
constexpr int kCapL = 6, kCapW = 64, kFieldL = 72, kFieldW = 80;
constexpr int kFieldH = 18, kCapH = 14, kCheckH = 17;

constexpr LayoutDecl caption(const char* name, int index, const char* frame, int r) {
  return {name, index, frame, px(kCapL), px(row(r) + 2), px(kCapW), px(kCapH)};
}
constexpr LayoutDecl field(const char* name, int index, const char* frame, int r) {
  return {name, index, frame, px(kFieldL), px(row(r)), px(kFieldW), px(kFieldH)};
}

const LayoutDecl kLayout[] = {
    // Top left: "Pause" (moved here by "Go"); top right: "X".
    {"Command5", -1, "", 30, px(4), px(62), px(24)},
    {"Command1", -1, "", px(998), px(2), px(24), px(22)},
    {"Label12", -1, "", px(397), px(8), px(230), px(kCapH)},

    // Inspector row: captions, fields, scroll bars. The fields take a position with 15
    // significant digits and a sign.
    {"La", 0, "", px(68), px(2), px(76), px(kCapH)},
    {"TXTOden", -1, "", px(68), px(16), px(76), px(kFieldH)},
    {"Qui", -1, "", px(68), px(35), px(76), px(14)},
    {"La", 16, "", px(148), px(2), px(66), px(kCapH)},
    {"TxTyp", -1, "", px(148), px(16), px(66), px(kFieldH)},
    {"Label6", 1, "", px(218), px(2), px(122), px(kCapH)},
    {"Label6", 0, "", px(344), px(2), px(122), px(kCapH)},
    {"Label6", 3, "", px(470), px(2), px(122), px(kCapH)},
    {"Label6", 2, "", px(596), px(2), px(122), px(kCapH)},
    {"Label6", 4, "", px(722), px(2), px(122), px(kCapH)},
    {"TXTp", 0, "", px(218), px(16), px(122), px(kFieldH)},
    {"TXTp", 1, "", px(344), px(16), px(122), px(kFieldH)},
    {"TXTp", 2, "", px(470), px(16), px(122), px(kFieldH)},
    {"TXTp", 3, "", px(596), px(16), px(122), px(kFieldH)},
    {"TXTp", 4, "", px(722), px(16), px(122), px(kFieldH)},
    {"Hsp", 0, "", px(218), px(35), px(122), px(14)},
    {"Hsp", 1, "", px(344), px(35), px(122), px(14)},
    {"Hsp", 2, "", px(470), px(35), px(122), px(14)},
    {"Hsp", 3, "", px(596), px(35), px(122), px(14)},
    {"Frame2", -1, "", px(848), px(0), px(64), px(50)},
    {"Opadd", 0, "Frame2", px(5), px(6), px(56), px(kCheckH)},
    {"Opadd", 1, "Frame2", px(5), px(27), px(56), px(kCheckH)},
    {"Chon", -1, "", px(916), px(16), px(64), px(kCheckH)},

    // Record panel: distances and their age, then the speed statistics.
    {"La", 5, "", px(68), px(58), px(50), px(kCapH)},
    {"TXTp", 5, "", px(120), px(56), px(122), px(kFieldH)},
    {"La", 15, "", px(248), px(58), px(58), px(kCapH)},
    {"TXTp", 6, "", px(308), px(56), px(122), px(kFieldH)},
    {"ChLim", -1, "", px(436), px(57), px(92), px(kCheckH)},
    {"Label7", -1, "", px(532), px(58), px(70), px(kCapH)},
    {"Label8", -1, "", px(604), px(58), px(36), px(kCapH)},
    {"Label9", -1, "", px(644), px(58), px(36), px(kCapH)},
    {"CapText7", -1, "", px(686), px(58), px(24), px(kCapH)},
    {"Text7", -1, "", px(712), px(56), px(50), px(kFieldH)},
    {"CapLaVmin", -1, "", px(68), px(78), px(36), px(kCapH)},
    {"LaVmin", -1, "", px(106), px(78), px(110), px(kCapH)},
    {"CapLaVnow", -1, "", px(222), px(78), px(36), px(kCapH)},
    {"LaVnow", -1, "", px(260), px(78), px(110), px(kCapH)},
    {"CapLaVmax", -1, "", px(376), px(78), px(36), px(kCapH)},
    {"LaVmax", -1, "", px(414), px(78), px(110), px(kCapH)},
    {"CapLavPer", -1, "", px(530), px(78), px(36), px(kCapH)},
    {"LavPer", -1, "", px(568), px(78), px(128), px(kCapH)},

    // Left column: general parameter fields in topic frames.
    {"CapGravity", -1, "", px(2), px(100), px(160), px(160)},
    caption("CapTxTconstant", -1, "CapGravity", 0),
    field("TxTconstant", -1, "CapGravity", 0),
    caption("CapTXg", 2, "CapGravity", 1),
    field("TXg", 2, "CapGravity", 1),
    caption("CapTXg", 0, "CapGravity", 2),
    field("TXg", 0, "CapGravity", 2),
    caption("CapTXg", 1, "CapGravity", 3),
    field("TXg", 1, "CapGravity", 3),
    caption("CapTXg", 3, "CapGravity", 4),
    field("TXg", 3, "CapGravity", 4),
    caption("CapTXg", 4, "CapGravity", 5),
    field("TXg", 4, "CapGravity", 5),
    caption("CapTXg", 5, "CapGravity", 6),
    field("TXg", 5, "CapGravity", 6),

    {"CapBodies", -1, "", px(2), px(266), px(160), px(100)},
    caption("CapTXn", -1, "CapBodies", 0),
    field("TXn", -1, "CapBodies", 0),
    caption("CapTXw", 0, "CapBodies", 1),
    field("TXw", 0, "CapBodies", 1),
    caption("CapTXw", 1, "CapBodies", 2),
    field("TXw", 1, "CapBodies", 2),
    caption("CapTXw", 2, "CapBodies", 3),
    field("TXw", 2, "CapBodies", 3),

    {"CapPlanets", -1, "", px(2), px(372), px(160), px(120)},
    caption("La", 3, "CapPlanets", 0),
    field("Text1", -1, "CapPlanets", 0),
    caption("La", 2, "CapPlanets", 1),
    field("Text5", -1, "CapPlanets", 1),
    caption("CapText4", -1, "CapPlanets", 2),
    field("Text4", -1, "CapPlanets", 2),
    caption("CapText2", -1, "CapPlanets", 3),
    field("Text2", -1, "CapPlanets", 3),
    caption("CapTXt", -1, "CapPlanets", 4),
    field("TXt", -1, "CapPlanets", 4),

    {"CapDark", -1, "", px(2), px(498), px(160), px(80)},
    {"Chdark", -1, "CapDark", px(kCapL), px(row(0)), px(80), px(kCheckH)},
    caption("CapText3", -1, "CapDark", 1),
    field("Text3", -1, "CapDark", 1),
    caption("CapText6", -1, "CapDark", 2),
    field("Text6", -1, "CapDark", 2),

    {"CapSeed", -1, "", px(2), px(584), px(160), px(40)},
    {"TXran", -1, "CapSeed", px(kCapL), px(row(0)), px(66), px(kFieldH)},
    {"CHran", -1, "CapSeed", px(78), px(row(0) + 1), px(76), px(kCheckH)},

    // The two panels of the window's left edge.
    {"Frame7", -1, "", 0, px(632), 930, px(60)},
    {"Frame8", -1, "", 0, px(700), 930, px(60)},

    // Right column: start, presets, clearing, options, collisions, borders.
    {"Command2", -1, "", px(866), px(4), px(126), px(26)},
    {"CapCDp", -1, "", px(866), px(34), px(156), px(60)},
    {"CDp", 0, "CapCDp", px(5), px(16), px(35), px(20)},
    {"CDp", 1, "CapCDp", px(42), px(16), px(35), px(20)},
    {"CDp", 2, "CapCDp", px(79), px(16), px(35), px(20)},
    {"CDp", 3, "CapCDp", px(116), px(16), px(35), px(20)},
    {"CDp", 4, "CapCDp", px(5), px(37), px(35), px(20)},
    {"CDp", 5, "CapCDp", px(42), px(37), px(35), px(20)},
    {"CDp", 6, "CapCDp", px(79), px(37), px(35), px(20)},
    {"CDp", 7, "CapCDp", px(116), px(37), px(35), px(20)},

    {"Command4", -1, "", px(866), px(100), px(60), px(22)},
    {"CDwww", -1, "", px(930), px(100), px(44), px(22)},
    {"ImMoon", -1, "", px(982), px(99), px(24), px(24)},
    {"CHr", -1, "", px(866), px(128), px(70), px(kCheckH)},
    {"TXref", -1, "", px(940), px(127), px(44), px(kFieldH)},
    {"CapTXref", -1, "", px(988), px(129), px(30), px(kCapH)},
    {"CapLabel11", -1, "", px(866), px(150), px(40), px(kCapH)},
    {"Label11", -1, "", px(910), px(150), px(80), px(kCapH)},

    {"CapOptions", -1, "", px(866), px(170), px(156), px(96)},
    {"CHsol", -1, "CapOptions", px(6), px(16), px(70), px(kCheckH)},
    {"CHgod", -1, "CapOptions", px(80), px(16), px(70), px(kCheckH)},
    {"ChCol", -1, "CapOptions", px(6), px(35), px(70), px(kCheckH)},
    {"CHLun", -1, "CapOptions", px(6), px(54), px(70), px(kCheckH)},
    {"ChMoon", -1, "CapOptions", px(80), px(54), px(70), px(kCheckH)},
    {"CapText8", -1, "CapOptions", px(6), px(75), px(42), px(kCapH)},
    {"Text8", -1, "CapOptions", px(50), px(73), px(44), px(kFieldH)},
    {"Lapollo", -1, "CapOptions", px(98), px(75), px(56), px(kCapH)},

    {"FrameCollision", -1, "", px(866), px(272), px(156), px(56)},
    {"OpCollide", 0, "FrameCollision", px(6), px(16), px(70), px(kCheckH)},
    {"OpCollide", 1, "FrameCollision", px(80), px(16), px(70), px(kCheckH)},
    {"OpCollide", 2, "FrameCollision", px(6), px(35), px(70), px(kCheckH)},

    {"FrameBorder", -1, "", px(866), px(334), px(156), px(94)},
    {"Och", 0, "FrameBorder", px(6), px(16), px(70), px(kCheckH)},
    {"Och", 1, "FrameBorder", px(6), px(35), px(70), px(kCheckH)},
    {"Och", 2, "FrameBorder", px(6), px(54), px(70), px(kCheckH)},
    {"Och", 3, "FrameBorder", px(6), px(73), px(70), px(kCheckH)},
    {"Och", 4, "FrameBorder", px(80), px(16), px(70), px(kCheckH)},
    {"Och", 5, "FrameBorder", px(80), px(35), px(70), px(kCheckH)},
    {"Och", 6, "FrameBorder", px(80), px(54), px(70), px(kCheckH)},
    {"Och", 7, "FrameBorder", px(80), px(73), px(70), px(kCheckH)},

    // "Orbits": 915 twips wide at design, so only the layout boxes along its left edge show;
    // a click widens it to 3300 twips (220 px), which still ends inside the window.
    {"Frame6", -1, "", px(802), px(586), 915, px(178)},
    {"ChSpi", -1, "Frame6", px(2), px(16), px(58), px(kCheckH)},
    {"ChGal", -1, "Frame6", px(2), px(35), px(58), px(kCheckH)},
    {"Ch2", -1, "Frame6", px(2), px(54), px(58), px(kCheckH)},
    {"ChCir", -1, "Frame6", px(2), px(73), px(58), px(kCheckH)},
    {"Check1", -1, "Frame6", px(2), px(92), px(58), px(kCheckH)},
    {"ChA", -1, "Frame6", px(2), px(111), px(58), px(kCheckH)},
    {"Chperf", -1, "Frame6", px(2), px(130), px(58), px(kCheckH)},
    {"CHall", -1, "Frame6", px(2), px(149), px(58), px(kCheckH)},
    {"CDstar", -1, "Frame6", px(66), px(16), px(100), px(22)},
    {"CapTXspibi", -1, "Frame6", px(66), px(46), px(64), px(kCapH)},
    {"TXspibi", -1, "Frame6", px(132), px(44), px(84), px(kFieldH)},
    {"CapText9", -1, "Frame6", px(66), px(66), px(64), px(kCapH)},
    {"Text9", -1, "Frame6", px(132), px(64), px(84), px(kFieldH)},
    {"CapText10", -1, "Frame6", px(66), px(86), px(64), px(kCapH)},
    {"Text10", -1, "Frame6", px(132), px(84), px(84), px(kFieldH)},
    {"CapText11", -1, "Frame6", px(66), px(106), px(64), px(kCapH)},
    {"Text11", -1, "Frame6", px(132), px(104), px(84), px(kFieldH)},
    {"CapTXTdec", -1, "Frame6", px(66), px(126), px(28), px(kCapH)},
    {"TXTdec", -1, "Frame6", px(96), px(124), 1215, px(kFieldH)},

    // Over the drawing: the sun in the middle, the inspector's marker.
    {"ImSun", -1, "", px(496), px(368), px(32), px(32)},
    {"Shark", -1, "", 0, 0, 225, 225},
};

}  // namespace

LayoutTable layoutDeclarations() {
  return {std::begin(kLayout), std::end(kLayout)};
}

}  // namespace sw4
