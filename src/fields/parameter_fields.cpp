// The general parameter fields: what leaving a field corrects and derives, and the double-clicks.
#include "fields/parameter_fields.h"

#include <algorithm>
#include <cmath>

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
  Fs4& f = sim.form;
  World& w = sim.world;
  // A sun gravity that is not a number leaves the sun's gravity as it was.
  if (f.TXg(0).strictOk()) w.PlanetGravity[0] = f.TXg(0).strict();
  Control& field = f.TXg(k);
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
    const BodyKind kind = bodyKindOf(f, i);
    w.PlanetGravity[i] = gravityFieldOf(f, kind).lenient();
    w.PlanetType[i] = static_cast<int>(kind);
  }
}

std::int16_t toInt16(double v) {
  return CIntSaturated(v);
}

}  // namespace

void wireParameterFields(Sim& sim) {
  Fs4& f = sim.form;

  // A text that is not a number keeps the last good constant (the reading raises a fault).
  f.TxTconstant.on(Event::LostFocus,
                   [&f = sim.form, &w = sim.world] { w.GConstant = f.TxTconstant.strict(); });
  for (Control* c : f.TXg.members()) {
    const int k = c->index();
    c->on(Event::LostFocus, [&sim, k] { gravityFieldLeft(sim, k); });
  }
  f.TXn.on(Event::LostFocus, [&f = sim.form, &w = sim.world] {
    if (f.TXn.lenient() > 144) f.TXn.setText("144");
    if (f.TXn.lenient() < 1) f.TXn.setText("1");
  });
  f.Text1.on(Event::LostFocus, [&f = sim.form, &w = sim.world] {
    w.PlanetRadius = std::max<std::int16_t>(toInt16(f.Text1.lenient()), 1);
    setNumber(f.Text1, w.PlanetRadius);
  });
  f.Text2.on(Event::LostFocus, [&f = sim.form, &w = sim.world] {
    setNumber(f.Text2, std::fabs(f.Text2.lenient()));
    w.MomentumRange = toInt16(f.Text2.lenient());
    w.MomentumQuarter = toInt16(w.MomentumRange / 4.0);
  });
  f.Text4.on(Event::LostFocus, [&f = sim.form, &w = sim.world] {
    w.CrustVolatility = toInt16(f.Text4.lenient());
    w.CrustSpan = 2 * w.CrustVolatility + 1;
  });
  f.Text5.on(Event::LostFocus, [&f = sim.form, &w = sim.world] {
    w.PlanetCore = toInt16(f.Text5.lenient());
    w.PlanetRadius = toInt16(f.Text1.lenient());
    if (w.PlanetCore > w.PlanetRadius) w.PlanetCore = w.PlanetRadius;
    if (w.PlanetCore < 1) w.PlanetCore = 1;
    setNumber(f.Text5, w.PlanetCore);
  });
  f.Text7.on(Event::LostFocus, [&f = sim.form, &w = sim.world] {
    w.TagPlanet = toInt16(f.Text7.lenient());
    // The body count is held within the body arrays.
    w.TotalPlanets =
        static_cast<std::int16_t>(std::clamp<int>(toInt16(f.TXn.lenient()), 0, kMaxBody));
    if (w.TagPlanet > w.TotalPlanets) {
      w.TagPlanet = w.TotalPlanets;
      setNumber(f.Text7, w.TagPlanet);
    }
    if (w.TagPlanet < 0) {
      w.TagPlanet = 0;
      f.Text7.setText("0");
    }
  });

  f.TXn.on(Event::DblClick, [&f = sim.form, &w = sim.world] {
    setNumber(f.TXn, f.TXn.lenient() + 1);
    if (f.TXn.lenient() > 144) f.TXn.setText("144");
  });
  for (Control* c : f.TXw.members()) {
    c->on(Event::DblClick, [c] {
      setNumber(*c, c->lenient() + 1);
      if (c->lenient() > 999) c->setText("999");
    });
  }
  f.Text4.on(Event::DblClick, [&f = sim.form, &w = sim.world] {
    setNumber(f.Text4, f.Text4.lenient() - 1);
    if (f.Text4.lenient() < 0) f.Text4.setText("0");
  });
  f.Text1.on(Event::DblClick, [&f = sim.form, &w = sim.world] { f.Text1.setText(f.Text5.text()); });
  f.Text5.on(Event::DblClick, [&f = sim.form, &w = sim.world] { f.Text5.setText(f.Text1.text()); });
  f.Frame7.on(Event::DblClick, [&f = sim.form, &w = sim.world] { f.Frame7.setVisible(false); });
  f.Frame8.on(Event::DblClick, [&f = sim.form, &w = sim.world] { f.Frame8.setVisible(false); });
}

}  // namespace sw4
