#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "sessions/draw.h"

namespace sw4 {
class Control;
class Sim;
}  // namespace sw4

namespace sw4::robust {

// Writes a random session of user actions as driver script lines, one action a line, from a
// seed. It walks every control of the form, so a control added to the form is exercised without
// touching this file. Each line is chosen looking at the program as it stands (which controls a
// user could reach now, the scroll bars' ranges, the body count), so the same seed against the
// same program gives the same session.
//
// The mix: typed texts (hostile ones among plausible numbers) often followed by leaving the
// field, clicks and double-clicks on every kind of control, losses of focus, scroll values in
// and out of range, timer events (fire, advance), commands injected into the middle of a tick
// (during), world values set within the driver's limits, drawing-area sizes and prints. "Go" is
// pressed at a random point; now and then the session ends with "X". One session in
// kRewindingShare also goes back in time now and then (`rewind` to a position before
// `position`, mostly one of the last 40, at most kRewindReach back); which ones follows from the
// seed alone, so the others draw what they drew before rewinds existed.
class SessionGenerator {
 public:
  SessionGenerator(std::uint64_t seed, int actions, const Sim& sim,
                   const std::int64_t* position = nullptr);
  static constexpr int kRewindingShare = 8;
  static constexpr std::int64_t kRewindReach = 200;

  // The next line; empty once the session has all its actions.
  std::string next();
  int produced() const { return produced_; }
  bool rewinds() const { return rewinds_; }

 private:
  struct Target {
    const Control* control;
    std::string name;
    std::string startText;
  };
  std::string action();
  std::string plainAction();  // anything but `during`
  const Target& anyOf(const std::vector<Target>& all, bool reachableOnly, int sweep);
  bool reachable(const Control& c) const;
  std::string textAction();
  std::string controlAction(const char* command);
  std::string scrollAction();
  std::string fireAction();
  std::string advanceAction();
  std::string duringAction();
  std::string setAction();
  std::string sizeAction();
  std::string printAction();
  std::string rewindAction();
  std::string itemName();
  int bodyNumber();

  Draw d_;
  const Sim& sim_;
  const std::int64_t* position_;
  bool rewinds_;
  int actions_;
  int produced_ = 0;
  int goAt_;
  bool endsWithX_;
  double hostileShare_;
  bool goPressed_ = false;
  std::size_t sweeps_[6] = {};
  std::deque<std::string> pending_;
  std::vector<Target> all_, textBoxes_, clickable_, scrollBars_, timers_;
};

}  // namespace sw4::robust
