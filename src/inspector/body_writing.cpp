// Writing the editor's five fields back into the body named in TXTOden.
#include <array>

#include "inspector/inspector.h"
#include "inspector/inspector_controls.h"
#include "model/sim.h"
#include "model/world.h"

namespace sw4 {

void Bifrost(Sim& sim) {
  const InspectorControls inspector(sim);
  const ControlArray& fields = inspector.fields();
  World& w = sim.world;
  const int n = bodyNamedStrictly(inspector.bodyField());
  if (n < 0) return;
  // All five or none: a field that is not a number leaves the body as it was.
  std::array<double, 5> v{};
  for (int k = 0; k < 5; ++k) {
    if (!fields(k).strictOk()) return;
    v[k] = fields(k).strict();
  }
  w.PlanetX[n] = v[0];
  w.PlanetY[n] = v[1];
  w.MomentumX[n] = v[2];
  w.MomentumY[n] = v[3];
  w.PlanetGravity[n] = v[4];
}

}  // namespace sw4
