#pragma once
// The option groups that choose by index: the border behaviour (Och) and the collision mode
// (OpCollide), named by their buttons' captions.
#include <optional>

#include "model/fs4.h"

namespace sw4 {

// Och(0..7).
enum class BorderBehaviour { Slomo, Wall, Wrap, Comet, Edge, FourDim, Chaos, Die };
// OpCollide(0..2).
enum class CollisionMode { Merge, Bond, Ignor };

inline Control& option(const Fs4& f, BorderBehaviour b) {
  return f.Och(static_cast<int>(b));
}
inline Control& option(const Fs4& f, CollisionMode c) {
  return f.OpCollide(static_cast<int>(c));
}
inline bool selected(const Fs4& f, BorderBehaviour b) {
  return option(f, b).selected();
}
inline bool selected(const Fs4& f, CollisionMode c) {
  return option(f, c).selected();
}

// The border behaviour in force, the buttons tested in the order Wrap, Slomo, Wall, Comet, Edge,
// 4-dim, Chaos, Die; none when no button is selected.
inline std::optional<BorderBehaviour> selectedBorder(const Fs4& f) {
  for (BorderBehaviour b : {BorderBehaviour::Wrap, BorderBehaviour::Slomo, BorderBehaviour::Wall,
                            BorderBehaviour::Comet, BorderBehaviour::Edge, BorderBehaviour::FourDim,
                            BorderBehaviour::Chaos, BorderBehaviour::Die})
    if (selected(f, b)) return b;
  return std::nullopt;
}

// The collision mode in force: "Ignor" also when no button is selected.
inline CollisionMode selectedCollision(const Fs4& f) {
  if (selected(f, CollisionMode::Merge)) return CollisionMode::Merge;
  if (selected(f, CollisionMode::Bond)) return CollisionMode::Bond;
  return CollisionMode::Ignor;
}

}  // namespace sw4
