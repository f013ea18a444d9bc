#pragma once
// The galactic-rotation experiment: the dark-matter ring.

namespace sw4 {

class Sim;
class Fs4;

// The bodies dark matter takes: above the planetoid class up to the body count, held inside the
// body arrays (first > last when none). False while either field holds no number.
struct DarkRange {
  int first, last;
};
bool darkMatterRange(const Fs4& f, DarkRange& r);

void wireGalaxy(Sim& sim);

}  // namespace sw4
