#pragma once
// Everything seen on the drawing area is drawn here, through Bomb.

namespace sw4 {

class Sim;

// What Bomb draws at a body (the numbers are its kind parameter, 0..6).
enum class BombKind {
  TagHalo = 0,           // body, body
  BodyDot = 1,           // body, body
  Sparks = 2,            // A, B of a crust contact
  BondMark = 3,          // A, B
  MergeBurst = 4,        // A, B
  DarkMatterMark = 5,    // body, number of dots
  MoonAttemptCloud = 6,  // body, 30
};

// Draws the picture of kind `kind` at the drawing position x, y for bodies first and second.
void Bomb(Sim& sim, int x, int y, BombKind kind, int first, int second);
// The drawing position of a coordinate: Int(x), saturated into 32 bits.
int drawPos(double x);

}  // namespace sw4
