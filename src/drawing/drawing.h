#pragma once
// Everything seen on the drawing area is drawn here, through Bomb.

namespace sw4 {

class Sim;

// Draws the picture of kind `kind` (0..6) at the drawing position x, y for bodies first and second.
void Bomb(Sim& sim, int x, int y, int kind, int first, int second);
// The drawing position of a coordinate: Int(x), saturated into 32 bits.
int drawPos(double x);

}  // namespace sw4
