#include "qt/screen_order.h"

#include <algorithm>
#include <map>

#include "model/fs4.h"

namespace sw4 {

namespace {

int region(const Control& c) {
  switch (c.anchor()) {
    case Anchor::LeftStack:
      return 1;
    case Anchor::BottomLeft:
      return 2;
    case Anchor::TopRight:
      return 3;
    case Anchor::BottomRight:
      return 4;
    default:
      return 0;
  }
}

bool takesPart(const Control& c) {
  return c.kind() != Kind::Label && c.kind() != Kind::Picture && c.kind() != Kind::Shape &&
         c.kind() != Kind::Timer;
}

int middle(const Control* c) {
  return c->top() + c->height() / 2;
}
bool within(int y, const Control* c) {
  return y >= c->top() && y < c->top() + c->height();
}

// Rows from the top, each from the left: two controls share a row when each one's middle lies
// within the other's height.
std::vector<const Control*> inRows(std::vector<const Control*> cs) {
  std::stable_sort(cs.begin(), cs.end(),
                   [](const Control* a, const Control* b) { return a->top() < b->top(); });
  std::vector<const Control*> out;
  for (std::size_t i = 0; i < cs.size();) {
    const Control* first = cs[i];
    std::size_t j = i + 1;
    while (j < cs.size() && within(middle(cs[j]), first) && within(middle(first), cs[j])) ++j;
    std::stable_sort(cs.begin() + static_cast<std::ptrdiff_t>(i),
                     cs.begin() + static_cast<std::ptrdiff_t>(j),
                     [](const Control* a, const Control* b) { return a->left() < b->left(); });
    out.insert(out.end(), cs.begin() + static_cast<std::ptrdiff_t>(i),
               cs.begin() + static_cast<std::ptrdiff_t>(j));
    i = j;
  }
  return out;
}

}  // namespace

std::vector<const Control*> screenOrder(const FormControls& form) {
  std::map<const Control*, std::vector<const Control*>> children;
  std::vector<std::vector<const Control*>> regions(5);
  for (const Control& c : form.all()) {
    if (!takesPart(c)) continue;
    if (c.container()) {
      children[c.container()].push_back(&c);
    } else {
      regions[region(c)].push_back(&c);
    }
  }
  std::vector<const Control*> out;
  const auto add = [&](auto& self, const Control* c) -> void {
    out.push_back(c);
    for (const Control* child : inRows(children[c])) self(self, child);
  };
  for (auto& r : regions)
    for (const Control* c : inRows(r)) add(add, c);
  return out;
}

}  // namespace sw4
