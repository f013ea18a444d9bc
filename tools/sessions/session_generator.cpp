#include "sessions/session_generator.h"

#include <algorithm>
#include <cstdio>

#include "model/fs4.h"
#include "model/sim.h"
#include "model/world_variables.h"
#include "recording/item_catalogue.h"
#include "model/world.h"
#include "sessions/hostile_texts.h"

namespace sw4::robust {

namespace {

// The names a session draws from the catalogue of items.
template <typename Table>
std::string_view nameIn(Draw& d, const Table& table) {
  return std::data(table)[d.below(std::size(table))].name;
}

// The read-only items that take no arguments.
std::vector<ReadOnlyItem> plainReadOnly() {
  std::vector<ReadOnlyItem> plain;
  for (const ReadOnlyItem& r : readOnlyItems())
    if (r.args.empty()) plain.push_back(r);
  return plain;
}

// The read-only item that takes x,y.
std::string_view pointItem() {
  for (const ReadOnlyItem& r : readOnlyItems())
    if (r.args == "x,y") return r.name;
  return {};
}

std::string number(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

// A Double of a given everyday size, now and then one far outside it.
std::string doubleValue(Draw& d, double lo, double hi) {
  switch (d.below(20)) {
    case 0:
      return "0";
    case 1:
      return number((d.chance(0.5) ? -1 : 1) * 1e300 * (1 + d.unit()));
    case 2:
      return number((d.chance(0.5) ? -1 : 1) * 1e-300 * (1 + d.unit()));
    case 3:
      return number((d.unit() * 2 - 1) * 1e9);
    default:
      return number(lo + d.unit() * (hi - lo));
  }
}

// A whole number, usually within lo..hi, sometimes anywhere in the type's range.
std::string wholeValue(Draw& d, long long lo, long long hi, long long typeLo, long long typeHi) {
  if (d.chance(0.06)) {
    const long long edges[] = {typeLo, typeHi, typeLo + 1, typeHi - 1};
    return std::to_string(d.chance(0.5) ? edges[d.below(4)] : d.between(typeLo, typeHi));
  }
  return std::to_string(d.between(lo, hi));
}

}  // namespace

SessionGenerator::SessionGenerator(std::uint64_t seed, int actions, const Sim& sim,
                                   const std::int64_t* position)
    : d_(seed),
      sim_(sim),
      position_(position),
      rewinds_(Draw(~seed).below(kRewindingShare) == 0),
      actions_(std::max(actions, 0)) {
  goAt_ = actions_ > 0 ? static_cast<int>(d_.below(static_cast<std::uint64_t>(actions_))) : 0;
  endsWithX_ = d_.chance(0.03);
  // Some sessions type mostly hostile texts, some mostly sensible ones (which let "Go" start a
  // run more often).
  constexpr double kHostileShares[] = {0.15, 0.4, 0.7};
  hostileShare_ = kHostileShares[d_.below(3)];
  for (const Control& c : sim.form.all()) {
    Target t{&c, c.fullName(), c.text()};
    all_.push_back(t);
    switch (c.kind()) {
      case Kind::Timer:
        timers_.push_back(t);
        continue;
      case Kind::TextBox:
        textBoxes_.push_back(t);
        break;
      case Kind::ScrollBar:
        scrollBars_.push_back(t);
        break;
      default:
        break;
    }
    if (c.fullName() != "Command1") clickable_.push_back(t);  // "X" ends the session
  }
}

std::string SessionGenerator::next() {
  if (produced_ >= actions_) return {};
  ++produced_;
  if (produced_ == actions_ && endsWithX_) return "click Command1";
  // "Go" at its point, or as soon after it as no typing is left to finish.
  if (!goPressed_ && produced_ - 1 >= goAt_ && pending_.empty()) {
    goPressed_ = true;
    return "click Command2";
  }
  if (!pending_.empty()) {
    std::string line = std::move(pending_.front());
    pending_.pop_front();
    return line;
  }
  return action();
}

bool SessionGenerator::reachable(const Control& c) const {
  for (const Control* p = &c; p; p = p->container())
    if (!p->visible() || !p->enabled()) return false;
  return !(c.kind() == Kind::TextBox && c.locked());
}

const SessionGenerator::Target& SessionGenerator::anyOf(const std::vector<Target>& all,
                                                        bool reachableOnly, int sweep) {
  if (reachableOnly) {
    // A few tries for a control a user could reach now; else any.
    for (int k = 0; k < 8; ++k) {
      const Target& t = d_.pick(all);
      if (reachable(*t.control)) return t;
    }
  }
  // Half of the other picks sweep the pool in order, so every control is reached in a long
  // session, hidden ones included.
  if (d_.chance(0.5)) return all[sweeps_[sweep]++ % all.size()];
  return d_.pick(all);
}

std::string SessionGenerator::action() {
  const std::uint64_t r = d_.below(100);
  if (r < 8) return duringAction();
  if (rewinds_ && r >= 97) return rewindAction();
  return plainAction();
}

std::string SessionGenerator::plainAction() {
  const std::uint64_t r = d_.below(92);
  if (r < 28) return textAction();
  if (r < 42) return controlAction("leave");
  if (r < 58) return controlAction("click");
  if (r < 62) return controlAction("dblclick");
  if (r < 67) return scrollAction();
  if (r < 73) return fireAction();
  if (r < 81) return advanceAction();
  if (r < 86) return setAction();
  if (r < 87) return sizeAction();
  return printAction();
}

std::string SessionGenerator::textAction() {
  const Target& t = anyOf(textBoxes_, d_.chance(0.85), 0);
  // Most typing ends with the field losing the focus.
  if (d_.chance(0.5)) pending_.push_back("leave " + t.name);
  // Now and then the text the field started with, as a user putting a setting back.
  const std::string typed = d_.chance(0.12) ? t.startText : typedText(d_, hostileShare_);
  return "text " + t.name + " " + typed;
}

std::string SessionGenerator::controlAction(const char* command) {
  const bool reachableOnly = d_.chance(0.85);
  const std::string_view cmd = command;
  // Leaving is mostly about text fields; clicks go anywhere.
  const bool fields = cmd == "leave" && d_.chance(0.7);
  const std::vector<Target>& pool = fields ? textBoxes_ : clickable_;
  const int sweep = fields ? 1 : cmd == "leave" ? 2 : cmd == "click" ? 3 : 4;
  return std::string(command) + " " + anyOf(pool, reachableOnly, sweep).name;
}

std::string SessionGenerator::scrollAction() {
  const Target& t = anyOf(scrollBars_, d_.chance(0.85), 5);
  const Control& c = *t.control;
  const long long lo = std::min(c.min(), c.max()), hi = std::max(c.min(), c.max());
  long long v = 0;
  switch (d_.below(8)) {
    case 0:
      v = lo;
      break;
    case 1:
      v = hi;
      break;
    case 2:
      v = lo - 1 - static_cast<long long>(d_.below(3));
      break;
    case 3:
      v = hi + 1 + static_cast<long long>(d_.below(3));
      break;
    case 4:
      v = d_.chance(0.5) ? -32768 : 32767;
      break;
    case 5:
      v = c.value() + d_.between(-2, 2);
      break;
    default:
      v = d_.between(lo, hi);
      break;
  }
  v = std::clamp(v, -32768LL, 32767LL);
  return "scroll " + t.name + " " + std::to_string(v);
}

std::string SessionGenerator::fireAction() {
  // The tick most often.
  const Target& t = d_.chance(0.5) ? timers_.front() : d_.pick(timers_);
  std::string line = "fire " + t.name;
  const std::uint64_t r = d_.below(20);
  if (r == 0) return line + " 0";
  if (r == 1) return line + " " + std::to_string(d_.between(5, 20));
  if (r < 10) return line;
  return line + " " + std::to_string(d_.between(1, 4));
}

std::string SessionGenerator::advanceAction() {
  const std::uint64_t r = d_.below(50);
  long long ms = d_.between(0, 60);
  if (r == 0) ms = d_.between(500, 2000);
  if (r > 0 && r < 5) ms = d_.between(60, 500);
  return "advance " + std::to_string(ms);
}

int SessionGenerator::bodyNumber() {
  const int total = std::clamp<int>(sim_.world.TotalPlanets, 0, kMaxBody);
  const std::uint64_t r = d_.below(10);
  if (r < 6) return static_cast<int>(d_.between(0, total));
  if (r < 9) return static_cast<int>(d_.between(0, 10));
  return static_cast<int>(d_.between(0, kMaxBody));
}

std::string SessionGenerator::duringAction() {
  std::string inner;
  const std::uint64_t r = d_.below(20);
  if (r == 0) {
    inner = "click Command2";  // "Go" in the middle of a tick
  } else if (r == 1) {
    inner = "fire Ti";  // a tick inside a tick
  } else {
    inner = plainAction();
  }
  const std::string line = "during " + std::to_string(bodyNumber()) + " " + inner;
  // Queued commands run in the next tick: often one follows at once.
  if (d_.chance(0.6)) pending_.push_back(d_.chance(0.5) ? "fire Ti" : "advance 15");
  return line;
}

std::string SessionGenerator::setAction() {
  constexpr long long s16lo = -32768, s16hi = 32767;
  constexpr long long s32lo = -2147483648LL, s32hi = 2147483647LL;
  if (d_.chance(0.55)) {
    const std::string name(nameIn(d_, kBodyArrays));
    const std::string item = name + "(" + std::to_string(bodyNumber()) + ")";
    std::string value;
    if (name == "PlanetOff") {
      value = std::to_string(d_.below(2));
    } else if (name == "PlanetX" || name == "PlanetY") {
      value = doubleValue(d_, -2000, 18000);
    } else if (name == "MomentumX" || name == "MomentumY") {
      value = doubleValue(d_, -60, 60);
    } else if (name == "PlanetGravity") {
      value = doubleValue(d_, -10, 2500);
    } else {
      value = d_.chance(0.8) ? std::to_string(d_.below(5)) : doubleValue(d_, -1, 6);
    }
    return "set " + item + " " + value;
  }
  const std::string name(nameIn(d_, kWorldVariables));
  std::string value;
  if (name == "TotalPlanets") {
    value = std::to_string(d_.chance(0.8) ? d_.between(0, 250) : d_.between(0, kMaxBody));
  } else if (name == "SlomoDivisor") {
    value = std::to_string(d_.between(1, 2));
  } else if (name == "TagPlanet" || name == "InspectedPlanet") {
    value = wholeValue(d_, -1, 260, s16lo, s16hi);
  } else if (name == "StarIndex") {
    value = wholeValue(d_, 0, 1000, s16lo, s16hi);
  } else if (name == "SeedCounter") {
    value = wholeValue(d_, -32000, 32000, s16lo, s16hi);
  } else if (name == "TickCount") {
    value = wholeValue(d_, 0, 999999, s32lo, s32hi);
  } else if (name == "AphelionToggle" || name == "PerihelionToggle") {
    value = wholeValue(d_, -1, 0, s16lo, s16hi);
  } else if (name == "CrustSpan" || name == "MomentumSpan") {
    value = wholeValue(d_, -5, 200, s32lo, s32hi);
  } else if (name == "PlanetRadius" || name == "PlanetCore" || name == "CrustVolatility" ||
             name == "MomentumRange" || name == "MomentumQuarter") {
    value = wholeValue(d_, -5, 100, s16lo, s16hi);
  } else if (name == "GExponent") {
    value = doubleValue(d_, 0.4, 2.6);
  } else if (name == "GConstant") {
    value = doubleValue(d_, -100, 2000);
  } else {
    value = doubleValue(d_, -10, 20000);
  }
  return "set " + name + " " + value;
}

std::string SessionGenerator::sizeAction() {
  auto side = [this](long long everyday) -> long long {
    const std::uint64_t r = d_.below(20);
    if (r == 0) return 0LL;
    if (r < 3) return d_.between(1, 400);
    return everyday + d_.between(-6000, 6000);
  };
  if (d_.chance(0.01))
    return "size " + std::to_string(d_.between(0, 122880)) + " " +
           std::to_string(d_.between(0, 122880));
  return "size " + std::to_string(std::max(0LL, side(15360))) + " " +
         std::to_string(std::max(0LL, side(11520)));
}

std::string SessionGenerator::itemName() {
  const std::uint64_t r = d_.below(10);
  if (r < 4) return d_.pick(all_).name + "." + std::string(nameIn(d_, controlProperties()));
  if (r < 6) return std::string(nameIn(d_, kWorldVariables));
  if (r < 8) return std::string(nameIn(d_, kBodyArrays)) + "(" + std::to_string(bodyNumber()) + ")";
  if (r == 8)
    return std::string(pointItem()) + "(" + std::to_string(d_.between(-100, 20000)) + "," +
           std::to_string(d_.between(-100, 15000)) + ")";
  static const std::vector<ReadOnlyItem> others = plainReadOnly();
  return std::string(nameIn(d_, others));
}

std::string SessionGenerator::rewindAction() {
  const std::int64_t now = position_ ? *position_ : 0;
  const std::int64_t back = d_.between(0, d_.chance(0.85) ? 40 : kRewindReach);
  return "rewind " + std::to_string(std::max<std::int64_t>(0, now - back));
}

std::string SessionGenerator::printAction() {
  std::string line = "print";
  const int n = static_cast<int>(d_.between(1, 3));
  for (int k = 0; k < n; ++k) {
    line += ' ';
    line += itemName();
  }
  return line;
}

}  // namespace sw4::robust
