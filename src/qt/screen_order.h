#pragma once
#include <vector>

namespace sw4 {

class Control;
class FormControls;

// The controls that can take the focus, and the frames that hold them, in the order a reader
// meets them on the screen, for the Tab key: region by region (the top rows, the left column,
// the bottom-left panels, the right column, the "Orbits" frame), within a region panel by panel
// and row by row from the top, each row from the left; a frame's controls follow the frame. By
// design geometry, so the order does not change with the window's size.
std::vector<const Control*> screenOrder(const FormControls& form);

}  // namespace sw4
