#pragma once
// The window's procedures that several subsystems call, and the wiring of each subsystem's
// handlers onto the form. Body numbers are plain ints; each procedure guards its own range.

namespace sw4 {

class Sim;

// core
void tick(Sim& sim);
double ArcSin(double x);
void startUp(Sim& sim);  // the window's start-up
void wireStartAndGo(Sim& sim);
void wireClearingAndSeed(Sim& sim);

// window
void wireParameterFields(Sim& sim);
void wireWebsiteLink(Sim& sim);

// collisions
void Bomb(Sim& sim, int x, int y, int kind, int first, int second);
void handleContact(Sim& sim, int a, int b, double d);
void wireSunAndPlanetSwitch(Sim& sim);
void Ocean(Sim& sim, int i);

// borders
void borderStep(Sim& sim, int i);
void Newton(Sim& sim, int i);
void RandomEdge(Sim& sim, int i);
void RandomMo(Sim& sim, int i);
void wireBorders(Sim& sim);

// scenarios
void StarMaker(Sim& sim);
void wireScenarios(Sim& sim);

// galaxy
void Velco(Sim& sim);
void wireGalaxy(Sim& sim);

// moons
void Lunarfy(Sim& sim, int m);
void Moonify(Sim& sim, int m);
void wireMoons(Sim& sim);

// observation
void ReOrbit(Sim& sim);
void recordsStep(Sim& sim);
void wireObservation(Sim& sim);

// inspector
void Asgard(Sim& sim);          // loads the body named in TXTOden into the editor
void SetBody(Sim& sim, int n);  // fills the fields and scroll bars from body n
void Bifrost(Sim& sim);         // writes the five fields into the body named in TXTOden
void wireInspector(Sim& sim);

}  // namespace sw4
