// Every control of the window with its design-time state. Geometry lives in fs4_layout.cpp.
#include "window/control_table.h"
#include "window/theme.h"

namespace sw4 {

namespace {

using K = Kind;
constexpr const char* kTypesTip = "0 = Sun, 1 = Jupiter, 2 = Waterworld, 3 = Lunar, 4 = Asteroid";
constexpr const char* kCrustTip =
    "Crust Volatility (Crust size = Radius - Core) When planets are in partial collision, the "
    "exchange of matter is in effect as a random variable. (Visible explosions)";
constexpr const char* kPerfect = "Perfect Cicle";
constexpr const char* kPreset = "Preset Parameters";

const ControlDecl kControls[] = {
    // Gravity and body classes
    {.name = "TXg", .index = 0, .kind = K::TextBox, .text = "0", .toolTip = "Sol Gravity"},
    {.name = "TXg", .index = 1, .kind = K::TextBox, .text = "2000", .toolTip = "Gravity of largest Planets"},
    {.name = "TXg", .index = 2, .kind = K::TextBox, .text = "2", .toolTip = "g=m/r^[?]  Normally the ? = 2"},
    {.name = "TXg", .index = 3, .kind = K::TextBox, .text = "0.01", .toolTip = "Gravity of Waterworld"},
    {.name = "TXg", .index = 4, .kind = K::TextBox, .text = "0.001", .toolTip = "Gravity of Planetoid"},
    {.name = "TXg", .index = 5, .kind = K::TextBox, .text = "0.0001", .toolTip = "Gravity of Satelite"},
    {.name = "TXw", .index = 0, .kind = K::TextBox, .text = "2", .toolTip = "Giant Planets"},
    {.name = "TXw", .index = 1, .kind = K::TextBox, .text = "102", .toolTip = "Waterworld Factor"},
    {.name = "TXw", .index = 2, .kind = K::TextBox, .text = "152", .toolTip = "Planetoid Factor"},
    {.name = "TXn", .kind = K::TextBox, .text = "202", .toolTip = "Total Planets"},
    {.name = "TxTconstant", .kind = K::TextBox, .text = "667.3", .toolTip = "G constant"},
    {.name = "TXt", .kind = K::TextBox, .text = "15", .toolTip = "Depending on your PC"},
    // Planet size, momenta, dark matter, moons, tag
    {.name = "Text1", .kind = K::TextBox, .text = "1", .toolTip = "Planet Radius"},
    {.name = "Text2", .kind = K::TextBox, .text = "20", .toolTip = "Start Momentum or when restarting object lost"},
    {.name = "Text3", .kind = K::TextBox, .text = "72", .toolTip = "Start Momentum for dark matter"},
    {.name = "Text4", .kind = K::TextBox, .text = "1", .toolTip = kCrustTip},
    {.name = "Text5", .kind = K::TextBox, .text = "1", .toolTip = "Range for bonding and merging planets"},
    {.name = "Text6", .kind = K::TextBox, .text = "99", .toolTip = "Gravity for dark matter"},
    {.name = "Text7", .kind = K::TextBox, .text = "0", .toolTip = "Tag a Planet Number (0=sol)", .visible = false},
    {.name = "Text8", .kind = K::TextBox, .text = "55",
     .toolTip = "Radius around Jupiter for the New Moon (multiply by planet radius)", .visible = false},
    {.name = "La", .index = 2, .kind = K::Label, .text = "Core", .toolTip = "Solid Core"},
    {.name = "La", .index = 3, .kind = K::Label, .text = "Radius"},
    // Orbits frame
    {.name = "Frame6", .kind = K::Frame, .text = "Orbits"},
    {.name = "ChSpi", .kind = K::CheckBox, .text = "Spiral", .toolTip = kPerfect},
    {.name = "ChGal", .kind = K::CheckBox, .text = "Galaxy", .toolTip = kPerfect},
    {.name = "Ch2", .kind = K::CheckBox, .text = "Binary", .toolTip = kPerfect},
    {.name = "ChCir", .kind = K::CheckBox, .text = "Circle",
     .toolTip = "Place planets in spiral with propotional momentum from the box with blue number "
                "below. Heavy planets inside."},
    {.name = "Check1", .kind = K::CheckBox, .text = "Anti-ci", .toolTip = "Spiral with heaviest planets on outside"},
    {.name = "ChA", .kind = K::CheckBox, .text = "All Orb"},
    {.name = "Chperf", .kind = K::CheckBox, .text = "hm", .toolTip = kPerfect},
    {.name = "CHall", .kind = K::CheckBox, .text = "All", .toolTip = "Refresh all planets alive", .value = 1},
    {.name = "CDstar", .kind = K::CommandButton, .text = "Create Stars"},
    {.name = "TXspibi", .kind = K::TextBox, .text = ".22",
     .toolTip = "Spiral and Binary distance ratio between twin orbiting bodies"},
    {.name = "TXTdec", .kind = K::TextBox, .text = "1", .toolTip = "G Pi"},
    {.name = "Text9", .kind = K::TextBox, .text = ".05",
     .toolTip = "Spiralled advance on planet start positions in perfect orbits"},
    {.name = "Text10", .kind = K::TextBox, .text = "77", .toolTip = "% size of the gap between Sun and nearest planet"},
    {.name = "Text11", .kind = K::TextBox, .text = "62",
     .toolTip = "Start Momentum (this is the blue box metioned elsewhere)", .back = theme::kBlueBox},
    // Star panel and the second left-edge panel
    {.name = "Frame7", .kind = K::Frame},
    {.name = "Frame8", .kind = K::Frame},
    // Sun, spin, colour, dark matter, moons
    {.name = "CHsol", .kind = K::CheckBox, .text = "Fixed", .toolTip = "Fix the sun or let it drift"},
    {.name = "CHgod", .kind = K::CheckBox, .text = "Spin"},
    {.name = "ChCol", .kind = K::CheckBox, .text = "Color", .toolTip = "Color by gravity", .value = 1},
    {.name = "Chdark", .kind = K::CheckBox, .text = "DarkM ",
     .toolTip = "Dark Matter. Smallest Asteroids (grey) become heavier dark matter on rim of Galaxy"},
    {.name = "CHLun", .kind = K::CheckBox, .text = "Lunar", .toolTip = "Try put moons around first planet using randomness"},
    {.name = "ChMoon", .kind = K::CheckBox, .text = "Moon", .toolTip = "Try put moons around first planet via ejection"},
    {.name = "Lapollo", .kind = K::Label, .text = "0", .toolTip = "Attempts at forming a moon around planet #1",
     .visible = false},
    // Collisions
    {.name = "FrameCollision", .kind = K::Frame, .text = "Collision"},
    {.name = "OpCollide", .index = 0, .kind = K::OptionButton, .text = "Merge",
     .toolTip = "Merge to form new planet, create another planet to replace lesser of the two"},
    {.name = "OpCollide", .index = 1, .kind = K::OptionButton, .text = "Bond",
     .toolTip = "Bind Momentum and Velocity to form complex planets that can be ripped apart again"},
    {.name = "OpCollide", .index = 2, .kind = K::OptionButton, .text = "Ignor", .toolTip = "Ignore planetary collisions",
     .value = 1},
    // Screen borders
    {.name = "FrameBorder", .kind = K::Frame, .text = "Border"},
    {.name = "Och", .index = 0, .kind = K::OptionButton, .text = "Slomo"},
    {.name = "Och", .index = 1, .kind = K::OptionButton, .text = "Wall", .toolTip = "Bounce"},
    {.name = "Och", .index = 2, .kind = K::OptionButton, .text = "Wrap"},
    {.name = "Och", .index = 3, .kind = K::OptionButton, .text = "Comet", .toolTip = "Bounce but lose half momentum"},
    {.name = "Och", .index = 4, .kind = K::OptionButton, .text = "Edge"},
    {.name = "Och", .index = 5, .kind = K::OptionButton, .text = "4-dim"},
    {.name = "Och", .index = 6, .kind = K::OptionButton, .text = "Chaos", .toolTip = "Random Edge"},
    {.name = "Och", .index = 7, .kind = K::OptionButton, .text = "Die", .toolTip = "Switch Planet Off", .value = 1},
    // Presets
    {.name = "CDp", .index = 0, .kind = K::CommandButton, .text = "1", .toolTip = kPreset},
    {.name = "CDp", .index = 1, .kind = K::CommandButton, .text = "2", .toolTip = kPreset},
    {.name = "CDp", .index = 2, .kind = K::CommandButton, .text = "3", .toolTip = kPreset},
    {.name = "CDp", .index = 3, .kind = K::CommandButton, .text = "4", .toolTip = kPreset},
    {.name = "CDp", .index = 4, .kind = K::CommandButton, .text = "5", .toolTip = kPreset},
    {.name = "CDp", .index = 5, .kind = K::CommandButton, .text = "6", .toolTip = kPreset},
    {.name = "CDp", .index = 6, .kind = K::CommandButton, .text = "7", .toolTip = kPreset},
    {.name = "CDp", .index = 7, .kind = K::CommandButton, .text = "8", .toolTip = kPreset},
    // Run controls, clearing, seed
    {.name = "Command2", .kind = K::CommandButton, .text = "Go"},
    {.name = "Command5", .kind = K::CommandButton, .text = "Pause", .visible = false},
    {.name = "Command4", .kind = K::CommandButton, .text = "Clear", .toolTip = "Clear Screen"},
    {.name = "Command1", .kind = K::CommandButton, .text = "X"},
    {.name = "CDwww", .kind = K::CommandButton, .text = "www", .toolTip = "^ Go to the website ^"},
    {.name = "CHr", .kind = K::CheckBox, .text = "Auto C", .toolTip = "Auto Clear Screen"},
    {.name = "TXref", .kind = K::TextBox, .text = "14", .toolTip = "Clear Screen Time", .visible = false},
    {.name = "CHran", .kind = K::CheckBox, .text = "Random"},
    {.name = "TXran", .kind = K::TextBox, .text = "33333", .toolTip = "Randomizer Seed"},
    {.name = "Label11", .kind = K::Label, .text = "0"},
    {.name = "Label12", .kind = K::Label, .text = "Set Screen to 1024x768 for best results"},
    // Inspector row
    {.name = "La", .index = 0, .kind = K::Label, .text = "Planet        #", .visible = false},
    {.name = "TXTOden", .kind = K::TextBox, .text = "0", .toolTip = "Planetary Body Number", .visible = false},
    {.name = "La", .index = 16, .kind = K::Label, .text = "Planet Type", .visible = false},
    {.name = "TxTyp", .kind = K::TextBox, .text = "X", .toolTip = kTypesTip, .visible = false},
    {.name = "Label6", .index = 0, .kind = K::Label, .text = "Y", .visible = false},
    {.name = "Label6", .index = 1, .kind = K::Label, .text = "X", .visible = false},
    {.name = "Label6", .index = 2, .kind = K::Label, .text = "Ym", .visible = false},
    {.name = "Label6", .index = 3, .kind = K::Label, .text = "Xm", .visible = false},
    {.name = "Label6", .index = 4, .kind = K::Label, .text = "G", .visible = false},
    {.name = "TXTp", .index = 0, .kind = K::TextBox, .text = "0", .toolTip = "Horizontal Position", .visible = false},
    {.name = "TXTp", .index = 1, .kind = K::TextBox, .text = "0", .toolTip = "Vertical Position", .visible = false},
    {.name = "TXTp", .index = 2, .kind = K::TextBox, .text = "0", .toolTip = "Horizontal Momentum", .visible = false},
    {.name = "TXTp", .index = 3, .kind = K::TextBox, .text = "0", .toolTip = "Vertical Momentum", .visible = false},
    {.name = "TXTp", .index = 4, .kind = K::TextBox, .text = "123456789", .toolTip = "Gravity of Planet",
     .visible = false},
    {.name = "Hsp", .index = 0, .kind = K::ScrollBar, .visible = false},
    {.name = "Hsp", .index = 1, .kind = K::ScrollBar, .visible = false},
    {.name = "Hsp", .index = 2, .kind = K::ScrollBar, .visible = false},
    {.name = "Hsp", .index = 3, .kind = K::ScrollBar, .visible = false},
    {.name = "Qui", .kind = K::ScrollBar, .visible = false, .min = 0, .max = 32767},
    {.name = "Frame2", .kind = K::Frame, .visible = false},
    {.name = "Opadd", .index = 0, .kind = K::OptionButton, .text = "num", .toolTip = "Move Planet with Decimal Accuracy"},
    {.name = "Opadd", .index = 1, .kind = K::OptionButton, .text = "visual", .toolTip = "Move Planet with Scrollbars"},
    {.name = "Chon", .kind = K::CheckBox, .text = "Planet", .visible = false},
    // Record panel and speed statistics
    {.name = "La", .index = 5, .kind = K::Label, .text = "Aphelion", .toolTip = "Maximum distance from Sun",
     .visible = false},
    {.name = "TXTp", .index = 5, .kind = K::TextBox, .text = "123456789", .toolTip = "Furtherest distance of orbit",
     .visible = false},
    {.name = "La", .index = 15, .kind = K::Label, .text = "Perihelion", .visible = false},
    {.name = "TXTp", .index = 6, .kind = K::TextBox, .text = "123456789", .toolTip = "Nearest distance of orbit",
     .visible = false},
    {.name = "ChLim", .kind = K::CheckBox, .text = "Min/Max Tag",
     .toolTip = "Record Aphelion and Perihelion for the tagged planet", .visible = false},
    {.name = "Label7", .kind = K::Label, .text = "Last Change", .visible = false},
    {.name = "Label8", .kind = K::Label, .text = "9999",
     .toolTip = "Time since last alteration to Aphelion or Perihelion", .visible = false},
    {.name = "Label9", .kind = K::Label, .text = "% dif",
     .toolTip = "Percentage difference between Aphelion and Perihelion", .visible = false},
    {.name = "LaVmax", .kind = K::Label, .text = "-", .toolTip = "Max Velocity", .visible = false},
    {.name = "LaVnow", .kind = K::Label, .text = "-", .toolTip = "Current Velocity", .visible = false},
    {.name = "LaVmin", .kind = K::Label, .text = "-", .toolTip = "Min Velocity", .visible = false},
    {.name = "LavPer", .kind = K::Label, .text = "-", .toolTip = "Velocity min/max % ratio", .visible = false},
    // Pictures and the marker
    {.name = "ImSun", .kind = K::Picture},
    {.name = "ImMoon", .kind = K::Picture},
    {.name = "Shark", .kind = K::Shape, .visible = false, .border = rgb(192, 64, 0), .fill = rgb(96, 96, 96)},
    // Timers
    {.name = "Ti", .kind = K::Timer, .enabled = false, .interval = 15},
    {.name = "Tr", .kind = K::Timer, .enabled = true, .interval = 15},
    {.name = "Tiball", .kind = K::Timer, .enabled = false, .interval = 1000},
    {.name = "TiF", .kind = K::Timer, .enabled = false, .interval = 500},
};

}  // namespace

ControlTable controlDeclarations() { return {std::begin(kControls), std::end(kControls)}; }

}  // namespace sw4
