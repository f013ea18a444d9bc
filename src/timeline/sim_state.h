#pragma once
#include <string>
#include <string_view>

namespace sw4 {

class Sim;

// Everything the next tick depends on apart from the surface's pixels, as bytes: the world, the
// generator, every control's state (timers' enabled and interval included), the form's caption
// and colour, the drawing memos, the drawing area's size and the surface's layout, and what the
// program remembers of the inspector. Taken and put back between ticks only.
std::string saveSimState(const Sim& sim);
// Puts back what saveSimState() took, surface layout included (its pixels are the caller's);
// observers hear of every control property that changes, no handler runs.
void restoreSimState(Sim& sim, std::string_view state);

}  // namespace sw4
