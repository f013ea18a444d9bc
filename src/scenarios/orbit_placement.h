#pragma once
// What the seven layout boxes of the "Orbits" frame share: the fields read before a layout runs,
// the geometry of a body on a circle around the middle of the drawing area, the speed laws, the
// gravity sources, and the run of a layout as one step that either completes or changes nothing.
#include <functional>

#include "model/world.h"

namespace sw4 {

class Sim;
class Control;
class ScenarioControls;

// The fields a layout reads before it decides whether to run.
struct LayoutFields {
  int n = 0;           // bodies 1..n are placed; held to the body arrays
  double gap = 0;      // Text10 / 100
  double advance = 0;  // Text9, for the layouts that read it up front
};

// Which optional fields a layout reads up front, besides N and the gap.
struct UpFront {
  bool twinRatio = false;  // TwinRatio from TXspibi ("Spiral", "Binary")
  bool advance = false;    // a from Text9 ("hm")
};

// Places bodies into the given world; reads that fail raise Fault.
using PlaceBodies = std::function<void(World&, const LayoutFields&)>;

// The skeleton of a layout handler. The up-front fields are read; when the box is ticked and the
// tick runs, the bodies are placed on a copy of the world, "Clear" is pressed and the copy's
// bodies are taken over; ReOrbit ends every run. A field that is not a number, or a placement
// that is not finite, leaves every body as it was.
void runLayout(Sim& sim, const Control& box, UpFront upFront, const PlaceBodies& place);

// The middle of the drawing area and the base radius H / divisor, in Single and widened.
struct Centre {
  double x, y, baseRadius;
};
Centre layoutCentre(const Sim& sim, int divisor);

// r = u * (2 R0 R0) ^ 0.5.
double orbitRadius(double u, double baseRadius);

// Position at radius r and angle theta around the middle, momentum of size v at angle phi.
// A value that is not finite raises Fault.
void placeOnCircle(World& w, int i, const Centre& c, double r, double theta, double phi, double v);

// Writes a body's position and momentum; raises Fault when one of them is not finite.
void setBody(World& w, int i, double x, double y, double mx, double my);

// A speed that is not finite counts as 0.
double finiteSpeed(double v);

// The speed laws. Each gives 0 where it would divide by zero or leave the real numbers.
double keplerSpeed(double G, double g, double r);
double perfectSpeed(double G, double g, double u);
double sunWeightedSpeed(double G, double sunGravity, double u);
double fixedMomentumSpeed(double m, double u);
double armSpeed(double G, double g, double u);

// The gravity sources (strict readings; Fault when a field read is not a number).
double sunFirstGravity(const ScenarioControls& c, const World& w);
double largestPlanetGravity(const ScenarioControls& c, bool withFallback);
double perfectCircleGravity(const ScenarioControls& c, const World& w);

// i / 2 compared with its integer part.
inline bool isEven(int i) {
  return i % 2 == 0;
}

}  // namespace sw4
