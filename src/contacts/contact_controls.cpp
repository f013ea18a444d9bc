#include "contacts/contact_controls.h"

#include "model/fs4.h"
#include "model/sim.h"

namespace sw4 {

ContactControls::ContactControls(const Sim& sim) : f_(sim.form) {}

CollisionMode ContactControls::collision() const {
  return selectedCollision(f_);
}

// clang-format off
Control& ContactControls::sunFixedBox() const { return f_.CHsol; }
Control& ContactControls::sunPicture() const { return f_.ImSun; }
Control& ContactControls::bodyField() const { return f_.TXTOden; }
Control& ContactControls::planetSwitch() const { return f_.Chon; }
Control& ContactControls::marker() const { return f_.Shark; }
// clang-format on

}  // namespace sw4
