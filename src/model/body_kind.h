#pragma once
// A body's kind by its number: the class fields give the highest number of each kind.

namespace sw4 {

class Control;
class Fs4;

enum class BodyKind { Sun = 0, Giant = 1, Waterworld = 2, Lunar = 3, Asteroid = 4 };

// The kind of body i (1 and up), reading the class fields TXw(0..2) leniently.
BodyKind bodyKindOf(const Fs4& f, int i);

// The gravity field of a kind (TXg(2) is the exponent, not a kind's gravity).
Control& gravityFieldOf(const Fs4& f, BodyKind k);

}  // namespace sw4
