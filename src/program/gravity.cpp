#include "program/gravity.h"

#include <cmath>
#include <limits>

#include "contacts/contacts.h"
#include "drawing/body_dot.h"
#include "drawing/drawing.h"
#include "model/sim.h"
#include "platform/readings.h"

namespace sw4 {

namespace {

// The rounded half pi that ArcSin returns for |x| = 1.
constexpr double kRoundedHalfPi = 1.5707963267949;
const double kSinRoundedHalfPi = std::sin(kRoundedHalfPi);
const double kCosRoundedHalfPi = std::cos(kRoundedHalfPi);

}  // namespace

double ArcSin(double x) {
  if (std::fabs(x) == 1.0) return (x < 0 ? -1.0 : 1.0) * kRoundedHalfPi;
  if (!(std::fabs(x) < 1.0)) return x < 0 ? -kRoundedHalfPi : kRoundedHalfPi;  // held in -1..1
  return std::atan(x / std::sqrt(1 - x * x));
}

void motionStep(Sim& sim, int a) {
  World& w = sim.world;
  if (w.PlanetOff[a] != 0) return;
  if (a == 0 && sim.form.CHsol.value() != 0) return;
  const double x = w.PlanetX[a] + w.MomentumX[a];
  const double y = w.PlanetY[a] + w.MomentumY[a];
  // A position beyond the Double range would be no position at all: the body stays put.
  if (std::isfinite(x) && std::isfinite(y)) {
    w.PlanetX[a] = x;
    w.PlanetY[a] = y;
  }
}

namespace {

// The boxes and fields the pass consults for every pair. They change only in event handlers,
// which run between two pulled bodies, so they are read once per pulled body (and again after
// a contact, whose handling may run further procedures).
struct PairRules {
  bool planetsApart;  // "Binary" or "Spiral": no pull between two bodies both above 2
  bool sunOnly;       // "All Orb": no pull between two bodies both above 0
  bool darkMarks;     // "DarkM ": dark-matter bodies get their mark
  double darkFrom;    // bodies above this number are dark matter
  double radius;      // contact distance
  int watched;        // the body drawn in the highlight colour, -1 for none

  static PairRules read(const Sim& sim) {
    const Fs4& f = sim.form;
    return {f.Ch2.value() == 1 || f.ChSpi.value() == 1,
            f.ChA.value() == 1,
            f.Chdark.value() == 1,
            f.TXw(2).lenient(),
            static_cast<double>(sim.world.PlanetRadius),
            f.ChLim.value() == 1 ? sim.world.InspectedPlanet : -1};
  }
};

// Tells whether anything may have changed the world or the form since it was last asked.
class ChangeWatch {
 public:
  explicit ChangeWatch(const Sim& sim)
      : sim_(sim), events_(dispatchedEvents()), edits_(sim.outsideEdits) {}
  bool changed() {
    const bool c = events_ != dispatchedEvents() || edits_ != sim_.outsideEdits;
    events_ = dispatchedEvents();
    edits_ = sim_.outsideEdits;
    return c;
  }

 private:
  const Sim& sim_;
  unsigned long events_, edits_;
};

}  // namespace

void gravityPass(Sim& sim) {
  World& w = sim.world;
  Fs4& f = sim.form;
  PairRules rules = PairRules::read(sim);
  refreshDotStyles(sim, w.TotalPlanets, rules.watched);
  ChangeWatch watch(sim);
  for (int a = w.TotalPlanets; a >= 0; --a) {
    // A local copy of the generator stays in registers (pixel stores could alias it in memory);
    // it is handed back before anything else draws from the generator.
    Rnd rnd = sim.rnd;
    double accX = 0, accY = 0;
    for (int b = w.TotalPlanets; b >= 0; --b) {
      if (b == a) continue;
      if (w.PlanetOff[a] == 1 || w.PlanetOff[b] == 1) continue;
      if (a > 2 && b > 2 && (rules.planetsApart || w.TotalPlanets > 199)) continue;
      if (rules.sunOnly && a > 0 && b > 0) continue;

      const double dx = w.PlanetX[b] - w.PlanetX[a];
      const double dy = w.PlanetY[b] - w.PlanetY[a];
      const double d = std::sqrt(dx * dx + dy * dy);
      if (d == 0) {
        // coincident: no pull, no contact
      } else if (d > rules.radius) {
        if (w.GConstant == 0) w.GConstant = 1.0;
        const double e = w.GExponent;
        // F = G g / d^e with one division: for the usual exponents the power is a product.
        const double inv = 1 / d;
        const double gm = w.GConstant * w.PlanetGravity[b];
        const double force =
            e == 2.0 ? gm * (inv * inv) : (e == 1.0 ? gm * inv : gm / std::pow(d, e));
        // ArcSin(dx/d) with fx = Sin(a) F, fy = Cos(a) F, then fy takes the sign of dy. |dx/d| is
        // exactly 1 just when |dx| = d.
        double fx, fy;
        if (std::fabs(dx) == d) {
          fx = (dx < 0 ? -kSinRoundedHalfPi : kSinRoundedHalfPi) * force;
          fy = kCosRoundedHalfPi * force;
          if (dy < 0) fy = -fy;
        } else {
          fx = force * (dx * inv);
          fy = force * (dy * inv);
        }
        drawDot(sim.surface, rnd, sim.dots[b]);
        accX += fx;
        accY += fy;
      } else {
        sim.rnd = rnd;
        handleContact(sim, a, b, d);
        rnd = sim.rnd;
        if (watch.changed()) {
          rules = PairRules::read(sim);
          refreshDotStyles(sim, w.TotalPlanets, rules.watched);
        }
        refreshDotStyle(sim, a, rules.watched);
        refreshDotStyle(sim, b, rules.watched);
      }
      if (rules.darkMarks && b > 0 && rules.darkFrom < b) {
        sim.rnd = rnd;
        Bomb(sim, drawPos(w.PlanetX[b]), drawPos(w.PlanetY[b]), BombKind::DarkMatterMark, b, 1);
        rnd = sim.rnd;
      }
    }
    sim.rnd = rnd;
    sim.processPendingEvents(a);
    if (watch.changed()) {
      rules = PairRules::read(sim);
      refreshDotStyles(sim, w.TotalPlanets, rules.watched);
    }
    if (w.PlanetOff[a] == 0) {
      if (a > 0 || f.CHsol.value() == 0) {
        const double mx = w.MomentumX[a] + accX;
        const double my = w.MomentumY[a] + accY;
        // Pulls that sum beyond the Double range are dropped for this tick.
        if (std::isfinite(mx) && std::isfinite(my)) {
          w.MomentumX[a] = mx;
          w.MomentumY[a] = my;
        }
      }
      if (a == w.TagPlanet)
        Bomb(sim, drawPos(w.PlanetX[a]), drawPos(w.PlanetY[a]), BombKind::TagHalo, a, a);
    }
  }
}

}  // namespace sw4
