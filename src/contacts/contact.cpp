// Bodies in contact: crust kicks with sparks, and merge, bond or pass-through at the core.
#include <cfloat>
#include <cmath>

#include "borders/borders.h"
#include "contacts/contact_controls.h"
#include "contacts/contacts.h"
#include "drawing/drawing.h"
#include "model/sim.h"
#include "model/world.h"
#include "platform/readings.h"

namespace sw4 {

namespace {

double finiteOr(double v, double fallback) {
  return std::isfinite(v) ? v : fallback;
}

void drawAt(Sim& sim, int b, BombKind kind, int first, int second) {
  Bomb(sim, drawPos(sim.world.PlanetX[b]), drawPos(sim.world.PlanetY[b]), kind, first, second);
}

void crustContact(Sim& sim, int a, int b) {
  World& w = sim.world;
  const double kx = Int(sim.rnd.next() * static_cast<double>(w.CrustSpan)) - w.CrustVolatility;
  const double ky = Int(sim.rnd.next() * static_cast<double>(w.CrustSpan)) - w.CrustVolatility;
  drawAt(sim, b, BombKind::Sparks, a, b);
  w.MomentumX[b] = finiteOr(w.MomentumX[b] + kx, w.MomentumX[b]);
  w.MomentumX[a] = finiteOr(w.MomentumX[a] - kx, w.MomentumX[a]);
  w.MomentumY[b] = finiteOr(w.MomentumY[b] + ky, w.MomentumY[b]);
  w.MomentumY[a] = finiteOr(w.MomentumY[a] - ky, w.MomentumY[a]);
}

void merge(Sim& sim, int a, int b, double px, double py) {
  World& w = sim.world;
  drawAt(sim, b, BombKind::MergeBurst, a, b);
  const bool bSurvives = w.PlanetGravity[b] > w.PlanetGravity[a];
  const int s = bSurvives ? b : a;
  const int l = bSurvives ? a : b;
  w.MomentumX[s] = px;
  w.MomentumY[s] = py;
  w.PlanetGravity[s] = finiteOr(w.PlanetGravity[s] + w.PlanetGravity[l] / 2, DBL_MAX);
  w.PlanetGravity[l] = w.PlanetGravity[l] / 2;
  if (w.PlanetGravity[l] < 1e-14) w.PlanetGravity[l] = 1e-14;
  Newton(sim, l);
}

void bond(Sim& sim, int a, int b, double wA, double wB, double px, double py) {
  World& w = sim.world;
  w.MomentumX[a] = w.MomentumX[b] = px;
  w.MomentumY[a] = w.MomentumY[b] = py;
  if (wB < wA) {
    w.PlanetX[b] = w.PlanetX[a];
    w.PlanetY[b] = w.PlanetY[a];
  }
  if (wB == wA) {
    const double mx = (w.PlanetX[b] + w.PlanetX[a]) / 2, my = (w.PlanetY[b] + w.PlanetY[a]) / 2;
    w.PlanetX[a] = w.PlanetX[b] = finiteOr(mx, w.PlanetX[b]);
    w.PlanetY[a] = w.PlanetY[b] = finiteOr(my, w.PlanetY[b]);
  }
  if (wB > wA) {
    w.PlanetX[a] = w.PlanetX[b];
    w.PlanetY[a] = w.PlanetY[b];
  }
  drawAt(sim, b, BombKind::BondMark, a, b);
  if (b == 0 && a != 0) {
    Newton(sim, a);
    drawAt(sim, b, BombKind::MergeBurst, a, b);
  }
  if (a == 0 && b != 0) {
    Newton(sim, b);
    drawAt(sim, b, BombKind::MergeBurst, a, b);
  }
}

void coreContact(Sim& sim, int a, int b) {
  World& w = sim.world;
  const double ga = w.PlanetGravity[a], gb = w.PlanetGravity[b];
  double wB = gb / (gb + ga);
  double wA = ga / (ga + gb);
  // Two weightless bodies (or gravities that cancel) share equally.
  if (!std::isfinite(wA) || !std::isfinite(wB)) wA = wB = 0.5;
  double px = wA * w.MomentumX[a] + wB * w.MomentumX[b];
  double py = wA * w.MomentumY[a] + wB * w.MomentumY[b];
  if (!std::isfinite(px)) px = w.MomentumX[a] / 2 + w.MomentumX[b] / 2;
  if (!std::isfinite(py)) py = w.MomentumY[a] / 2 + w.MomentumY[b] / 2;
  switch (ContactControls(sim).collision()) {
    case CollisionMode::Merge:
      return merge(sim, a, b, px, py);
    case CollisionMode::Bond:
      return bond(sim, a, b, wA, wB, px, py);
    case CollisionMode::Ignor:
      return;
  }
}

}  // namespace

void handleContact(Sim& sim, int a, int b, double d) {
  if (d > sim.world.PlanetCore) {
    crustContact(sim, a, b);
  } else {
    coreContact(sim, a, b);
  }
}

}  // namespace sw4
