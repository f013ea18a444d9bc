// The general parameter fields: what leaving a field corrects and derives, and the double-clicks.
#include "fields/parameter_fields.h"

#include <algorithm>
#include <cmath>

#include "fields/field_controls.h"
#include "model/body_kind.h"
#include "model/sim.h"
#include "model/world.h"
#include "platform/readings.h"

namespace sw4 {

namespace {

void setNumber(Control& c, double v) {
  c.setText(formatG(v));
}

void gravityFieldLeft(Sim& sim, int k) {
  const ControlArray& gravity = FieldControls(sim).gravityFields();
  World& w = sim.world;
  // A sun gravity that is not a number leaves the sun's gravity as it was.
  if (gravity(0).strictOk()) w.PlanetGravity[0] = gravity(0).strict();
  Control& field = gravity(k);
  if (k == 2) {
    if (field.lenient() < 0.4) field.setText("0.4");
    if (field.lenient() > 2.6) field.setText("2.6");
  } else {
    // A text that is not a number as a whole is first replaced by its leading number.
    if (!field.strictOk()) setNumber(field, field.lenient());
    if (field.strict() < 0.000000001) {
      setNumber(field, 0.000000001);
      if (k == 0) field.setText("0");
    }
    if (field.strict() > 99999) field.setText("99999");
  }
  for (int i = 1; i <= w.TotalPlanets; ++i) {
    const BodyKind kind = bodyKindOf(sim.form, i);
    w.PlanetGravity[i] = gravityFieldOf(sim.form, kind).lenient();
    w.PlanetType[i] = static_cast<int>(kind);
  }
}

std::int16_t toInt16(double v) {
  return CIntSaturated(v);
}

}  // namespace

void wireParameterFields(Sim& sim) {
  const FieldControls fields(sim);
  World& w = sim.world;
  Control& count = fields.countField();
  Control& radius = fields.radiusField();
  Control& momentum = fields.momentumField();
  Control& crust = fields.crustField();
  Control& core = fields.coreField();
  Control& tag = fields.tagField();

  // A text that is not a number keeps the last good constant (the reading raises a fault).
  Control& constant = fields.constantField();
  constant.on(Event::LostFocus, [&constant, &w] { w.GConstant = constant.strict(); });
  for (Control* c : fields.gravityFields().members()) {
    const int k = c->index();
    c->on(Event::LostFocus, [&sim, k] { gravityFieldLeft(sim, k); });
  }
  count.on(Event::LostFocus, [&count] {
    if (count.lenient() > 144) count.setText("144");
    if (count.lenient() < 1) count.setText("1");
  });
  radius.on(Event::LostFocus, [&radius, &w] {
    w.PlanetRadius = std::max<std::int16_t>(toInt16(radius.lenient()), 1);
    setNumber(radius, w.PlanetRadius);
  });
  momentum.on(Event::LostFocus, [&momentum, &w] {
    setNumber(momentum, std::fabs(momentum.lenient()));
    w.MomentumRange = toInt16(momentum.lenient());
    w.MomentumQuarter = toInt16(w.MomentumRange / 4.0);
  });
  crust.on(Event::LostFocus, [&crust, &w] {
    w.CrustVolatility = toInt16(crust.lenient());
    w.CrustSpan = 2 * w.CrustVolatility + 1;
  });
  core.on(Event::LostFocus, [&core, &radius, &w] {
    w.PlanetCore = toInt16(core.lenient());
    w.PlanetRadius = toInt16(radius.lenient());
    if (w.PlanetCore > w.PlanetRadius) w.PlanetCore = w.PlanetRadius;
    if (w.PlanetCore < 1) w.PlanetCore = 1;
    setNumber(core, w.PlanetCore);
  });
  tag.on(Event::LostFocus, [&tag, &count, &w] {
    w.TagPlanet = toInt16(tag.lenient());
    // The body count is held within the body arrays.
    w.TotalPlanets =
        static_cast<std::int16_t>(std::clamp<int>(toInt16(count.lenient()), 0, kMaxBody));
    if (w.TagPlanet > w.TotalPlanets) {
      w.TagPlanet = w.TotalPlanets;
      setNumber(tag, w.TagPlanet);
    }
    if (w.TagPlanet < 0) {
      w.TagPlanet = 0;
      tag.setText("0");
    }
  });

  count.on(Event::DblClick, [&count] {
    setNumber(count, count.lenient() + 1);
    if (count.lenient() > 144) count.setText("144");
  });
  for (Control* c : fields.classFields().members()) {
    c->on(Event::DblClick, [c] {
      setNumber(*c, c->lenient() + 1);
      if (c->lenient() > 999) c->setText("999");
    });
  }
  crust.on(Event::DblClick, [&crust] {
    setNumber(crust, crust.lenient() - 1);
    if (crust.lenient() < 0) crust.setText("0");
  });
  radius.on(Event::DblClick, [&radius, &core] { radius.setText(core.text()); });
  core.on(Event::DblClick, [&core, &radius] { core.setText(radius.text()); });
  Control& starPanel = fields.starPanel();
  Control& secondPanel = fields.secondPanel();
  starPanel.on(Event::DblClick, [&starPanel] { starPanel.setVisible(false); });
  secondPanel.on(Event::DblClick, [&secondPanel] { secondPanel.setVisible(false); });
}

}  // namespace sw4
