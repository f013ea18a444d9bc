#include "model/options.h"

#include "model/fs4.h"

namespace sw4 {

Control& option(const Fs4& f, BorderBehaviour b) {
  return f.Och(static_cast<int>(b));
}

Control& option(const Fs4& f, CollisionMode c) {
  return f.OpCollide(static_cast<int>(c));
}

bool selected(const Fs4& f, BorderBehaviour b) {
  return option(f, b).selected();
}

bool selected(const Fs4& f, CollisionMode c) {
  return option(f, c).selected();
}

std::optional<BorderBehaviour> selectedBorder(const Fs4& f) {
  for (BorderBehaviour b : {BorderBehaviour::Wrap, BorderBehaviour::Slomo, BorderBehaviour::Wall,
                            BorderBehaviour::Comet, BorderBehaviour::Edge, BorderBehaviour::FourDim,
                            BorderBehaviour::Chaos, BorderBehaviour::Die})
    if (selected(f, b)) return b;
  return std::nullopt;
}

CollisionMode selectedCollision(const Fs4& f) {
  if (selected(f, CollisionMode::Merge)) return CollisionMode::Merge;
  if (selected(f, CollisionMode::Bond)) return CollisionMode::Bond;
  return CollisionMode::Ignor;
}

}  // namespace sw4
