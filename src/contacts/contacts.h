#pragma once
// Pairs of bodies in contact, and the sun and planet switches.

namespace sw4 {

class Sim;

// Bodies a and b at distance d are closer than the contact distance: crust or core contact.
void handleContact(Sim& sim, int a, int b, double d);
// Shows body i's on/off state on the planet switch.
void Ocean(Sim& sim, int i);
void wireSunAndPlanetSwitch(Sim& sim);

}  // namespace sw4
