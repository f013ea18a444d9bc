#pragma once
// The option groups that choose by index: the border behaviour (Och) and the collision mode
// (OpCollide), named by their buttons' captions.
#include <optional>

namespace sw4 {

class Control;
class Fs4;

// Och(0..7).
enum class BorderBehaviour { Slomo, Wall, Wrap, Comet, Edge, FourDim, Chaos, Die };
// OpCollide(0..2).
enum class CollisionMode { Merge, Bond, Ignor };

Control& option(const Fs4& f, BorderBehaviour b);
Control& option(const Fs4& f, CollisionMode c);
bool selected(const Fs4& f, BorderBehaviour b);
bool selected(const Fs4& f, CollisionMode c);

// The border behaviour in force, the buttons tested in the order Wrap, Slomo, Wall, Comet, Edge,
// 4-dim, Chaos, Die; none when no button is selected.
std::optional<BorderBehaviour> selectedBorder(const Fs4& f);

// The collision mode in force: "Ignor" also when no button is selected.
CollisionMode selectedCollision(const Fs4& f);

}  // namespace sw4
