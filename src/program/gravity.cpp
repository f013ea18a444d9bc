#include "program/gravity.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "contacts/contacts.h"
#include "drawing/body_dot.h"
#include "drawing/drawing.h"
#include "model/sim.h"
#include "model/world.h"
#include "platform/readings.h"
#include "program/program_controls.h"

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
  if (a == 0 && ProgramControls(sim).sunFixedBox().value() != 0) return;
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
    const ProgramControls c(sim);
    return {c.binaryBox().value() == 1 || c.spiralBox().value() == 1,
            c.allOrbitBox().value() == 1,
            c.darkMatterBox().value() == 1,
            c.classFields()(2).lenient(),
            static_cast<double>(sim.world.PlanetRadius),
            c.watchBox().value() == 1 ? sim.world.InspectedPlanet : -1};
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

// The highest body from `from` down whose pair with a the filters let through, -1 for none: the
// pairs passed over are skipped and do nothing.
int nextPuller(const World& w, const PairRules& rules, int a, int from) {
  if (w.PlanetOff[a] == 1) return -1;
  if (a > 2 && (rules.planetsApart || w.TotalPlanets > 199)) from = std::min(from, 2);
  if (rules.sunOnly && a > 0) from = std::min(from, 0);
  return from;
}

// The first body numbered from `from` down whose pair gets a dark-matter mark: above 0 and above
// the factor; kBodySlots for none.
int firstMarked(const PairRules& rules) {
  if (!rules.darkMarks || !(rules.darkFrom < kMaxBody)) return kBodySlots;
  if (rules.darkFrom < 1) return 1;
  return static_cast<int>(std::floor(rules.darkFrom)) + 1;
}

// What the pairs of one pulled body share, copied out of the world and the generator so that the
// loops keep it in registers (pixel stores could alias anything in memory). Read again after a
// contact, whose handling may run further procedures.
struct PairWalk {
  int a;
  Rnd rnd;
  DotPen pen;
  double xa, ya, G, e, farFrom;
  int marked;
  double accX = 0, accY = 0;

  PairWalk(Sim& sim, int pulled, const PairRules& rules)
      : a(pulled), rnd(sim.rnd), pen(sim.surface) {
    reread(sim, rules);
  }
  void reread(const Sim& sim, const PairRules& rules) {
    const World& w = sim.world;
    xa = w.PlanetX[a], ya = w.PlanetY[a];
    G = w.GConstant;
    e = w.GExponent;
    farFrom = std::max(rules.radius, 0.0);  // a distance of 0 is never far
    marked = firstMarked(rules);
  }
};

// F = G g / d^e with one division: for the usual exponents the power is a product. Types of
// their own, so that the loops have them inline.
struct SquareLaw {
  double operator()(double gm, double inv, double) const { return gm * (inv * inv); }
};
struct LinearLaw {
  double operator()(double gm, double inv, double) const { return gm * inv; }
};

// F split into its components: ArcSin(dx/d) with fx = Sin(a) F, fy = Cos(a) F, then fy takes the
// sign of dy. |dx/d| is exactly 1 just when |dx| = d.
inline bool atRoundedHalfPi(double dx, double d) {
  return std::fabs(dx) == d;
}
inline void componentsOf(double dx, double dy, double inv, double f, double& fx, double& fy) {
  fx = f * (dx * inv);
  fy = f * (dy * inv);
}
void componentsAtRoundedHalfPi(double dx, double dy, double f, double& fx, double& fy) {
  fx = (dx < 0 ? -kSinRoundedHalfPi : kSinRoundedHalfPi) * f;
  fy = kCosRoundedHalfPi * f;
  if (dy < 0) fy = -fy;
}

// The pulls of a run of bodies as far pairs, worked out ahead of the walk in a loop without
// branches (the roots and divisions of several pairs at once); the walk takes those it needs.
constexpr int kRun = 64;
struct PullRun {
  double d[kRun], fx[kRun], fy[kRun];  // d is -1 where the pull is at the rounded half pi
};

template <class Force>
void farPullsOf(const World& w, const PairWalk& walk, int lo, int count, Force force,
                PullRun& run) {
  const double xa = walk.xa, ya = walk.ya, G = walk.G;
  for (int i = 0; i < count; ++i) {
    const double dx = w.PlanetX[lo + i] - xa;
    const double dy = w.PlanetY[lo + i] - ya;
    const double d = std::sqrt(dx * dx + dy * dy);
    const double inv = 1 / d;
    const double f = force(G * w.PlanetGravity[lo + i], inv, d);
    run.d[i] = atRoundedHalfPi(dx, d) ? -1.0 : d;
    componentsOf(dx, dy, inv, f, run.fx[i], run.fy[i]);
  }
}

// The pairs of walk.a from b down that are far and need nothing but their pull and their body
// dot. Returns the first body whose pair needs more (a contact, a coincidence, a dark-matter
// mark, dx = ±d, another exponent, a first use of the constant 0, a dot beyond the drawing
// range), or -1. With Told, the surface's mark sink gets the dots of each run at once; without,
// the loop is as if there were none.
template <class Force, bool Told>
int plainFarPairs(const World& w, const DotMemo& dots, PairWalk& walk, int b, Force force) {
  PullRun run;
  [[maybe_unused]] Mark told[Told ? kRun : 1];
  [[maybe_unused]] int toldCount = 0;
  Rnd rnd = walk.rnd;
  const Surface::Pen pen = walk.pen.pen();
  const double farFrom = walk.farFrom;
  const int a = walk.a, marked = walk.marked;
  double accX = walk.accX, accY = walk.accY;
  if (b >= marked) return b;
  while (b >= 0) {
    const int lo = std::max(b - kRun + 1, 0);
    farPullsOf(w, walk, lo, b - lo + 1, force, run);
    for (; b >= lo; --b) {
      if (b == a || w.PlanetOff[b] == 1) continue;
      const DotStyle& s = dots[b];
      const double d = run.d[b - lo];
      if (!s.inRange || !(d > farFrom)) break;
      accX += run.fx[b - lo];
      accY += run.fy[b - lo];
      const int dx = bodyDotOffset(rnd, s.spread);
      const int dy = bodyDotOffset(rnd, s.spread);
      if constexpr (Told)
        told[toldCount++] = {s.x, s.y, static_cast<std::int16_t>(dx), static_cast<std::int16_t>(dy),
                             s.word};
      const int px = pen.toPixel(s.x + dx);
      const int py = pen.toPixel(s.y + dy);
      if (pen.inside(px, py)) pen.put(px, py, s.word);
    }
    if constexpr (Told) {
      walk.pen.markSink()->marks(told, toldCount);
      toldCount = 0;
    }
    if (b >= lo) break;
  }
  walk.rnd = rnd;
  walk.accX = accX, walk.accY = accY;
  return b;
}

[[gnu::noinline]] int plainFarPairs(const World& w, const DotMemo& dots, PairWalk& walk, int b) {
  if (walk.G == 0) return b;
  const bool told = walk.pen.markSink() != nullptr;
  if (walk.e == 2.0)
    return told ? plainFarPairs<SquareLaw, true>(w, dots, walk, b, SquareLaw())
                : plainFarPairs<SquareLaw, false>(w, dots, walk, b, SquareLaw());
  if (walk.e == 1.0)
    return told ? plainFarPairs<LinearLaw, true>(w, dots, walk, b, LinearLaw())
                : plainFarPairs<LinearLaw, false>(w, dots, walk, b, LinearLaw());
  return b;
}

struct Pull {
  double x = 0, y = 0;
};

// The pulls of every other body on a, with the contacts, dots and marks of its pairs.
Pull pullsOn(Sim& sim, int a, PairRules& rules, ChangeWatch& watch) {
  World& w = sim.world;
  PairWalk walk(sim, a, rules);
  int b = nextPuller(w, rules, a, w.TotalPlanets);
  while ((b = plainFarPairs(w, sim.dots, walk, b)) >= 0) {
    if (b == a || w.PlanetOff[b] == 1) {
      --b;
      continue;
    }
    const double dx = w.PlanetX[b] - walk.xa;
    const double dy = w.PlanetY[b] - walk.ya;
    const double d = std::sqrt(dx * dx + dy * dy);
    bool contact = false;
    if (d > walk.farFrom) {
      if (walk.G == 0) walk.G = w.GConstant = 1.0;
      const double e = walk.e;
      const double inv = 1 / d;
      const double gm = walk.G * w.PlanetGravity[b];
      const double f = e == 2.0   ? SquareLaw()(gm, inv, d)
                       : e == 1.0 ? LinearLaw()(gm, inv, d)
                                  : gm / std::pow(d, e);
      double fx, fy;
      if (atRoundedHalfPi(dx, d)) {
        componentsAtRoundedHalfPi(dx, dy, f, fx, fy);
      } else {
        componentsOf(dx, dy, inv, f, fx, fy);
      }
      walk.accX += fx;
      walk.accY += fy;
      walk.pen.draw(walk.rnd, sim.dots[b]);
    } else if (d != 0) {
      contact = true;
      sim.rnd = walk.rnd;
      handleContact(sim, a, b, d);
      walk.rnd = sim.rnd;
      if (watch.changed()) {
        rules = PairRules::read(sim);
        refreshDotStyles(sim, w.TotalPlanets, rules.watched);
      }
      refreshDotStyle(sim, a, rules.watched);
      refreshDotStyle(sim, b, rules.watched);
      walk.pen = DotPen(sim.surface);
      walk.reread(sim, rules);
    }
    if (rules.darkMarks && b > 0 && rules.darkFrom < b) {
      sim.rnd = walk.rnd;
      Bomb(sim, drawPos(w.PlanetX[b]), drawPos(w.PlanetY[b]), BombKind::DarkMatterMark, b, 1);
      walk.rnd = sim.rnd;
    }
    b = contact ? nextPuller(w, rules, a, b - 1) : b - 1;
  }
  sim.rnd = walk.rnd;
  return {walk.accX, walk.accY};
}

}  // namespace

void gravityPass(Sim& sim) {
  World& w = sim.world;
  const Control& sunFixed = ProgramControls(sim).sunFixedBox();
  PairRules rules = PairRules::read(sim);
  refreshDotStyles(sim, w.TotalPlanets, rules.watched);
  ChangeWatch watch(sim);
  for (int a = w.TotalPlanets; a >= 0; --a) {
    const Pull pull = pullsOn(sim, a, rules, watch);
    sim.processPendingEvents(a);
    if (watch.changed()) {
      rules = PairRules::read(sim);
      refreshDotStyles(sim, w.TotalPlanets, rules.watched);
    }
    if (w.PlanetOff[a] == 0) {
      if (a > 0 || sunFixed.value() == 0) {
        const double mx = w.MomentumX[a] + pull.x;
        const double my = w.MomentumY[a] + pull.y;
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
