#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace sw4 {

class Control;
class ScriptEngine;
class Sim;

// The model's time in the window. The form's timers keep their intervals in model time on the
// driver's virtual clock, which the window runs against the wall clock times a speed, or as fast
// as the ticks go; it wakes when the next timer is due, and at speeds above x1 at most once a
// display frame, so the picture is painted once for all the ticks of a wake. Hold stops model
// time; step runs one tick.
//
// Every event that reaches the model is kept on a timeline (the driver's, so a session saved
// from here replays in sw4-script). goTo() goes back to any earlier position; playing on from
// there runs the old future again as it happened, the user's inputs included, at the chosen
// speed, and carries on live at its end. A new input while in the past drops that future: the
// run branches there.
class TimeControl : public QObject {
 public:
  // x1/8 ... x16, then as fast as it goes.
  static constexpr int kSpeeds = 9;
  static constexpr int kNormal = 3;
  static double speedFactor(int index);  // 0: as fast as it goes
  static QString speedName(int index);

  // `afterBatch` runs after every run of timer events: the window paints what they drew.
  TimeControl(Sim& sim, std::function<void()> afterBatch);
  ~TimeControl() override;
  TimeControl(const TimeControl&) = delete;
  TimeControl& operator=(const TimeControl&) = delete;

  int speed() const { return speed_; }
  void setSpeed(int index);
  bool held() const { return held_; }
  void setHeld(bool held);
  // One tick: the timers due before the tick timer's next event run with it. None while the
  // tick timer does not run (in the past: the next tick of the old future).
  void step();

  // Ticks since the start-up or the last New; how far the run goes (beyond position() while in
  // the past); whether a future is kept to play again.
  std::int64_t position() const;
  std::int64_t end() const;
  bool inPast() const { return pendingAt_ < pending_.size() || repeat_ > 0; }
  // To position T in 0..end(); false for one out of reach or inside a tick.
  bool goTo(std::int64_t t);
  // Inside a run of timer events: the window gathers what they drew at the end.
  bool inBatch() const { return busy_; }

  // The current branch as a recording.
  std::string session();
  // A timer event from the host, as a wake raises it (tests).
  void fire(Control& timer);
  // The timer is scheduled on the clock.
  bool scheduled(const Control& timer) const;

  // Position, end, speed or hold changed.
  std::function<void()> changed;
  // Runs `go`, the rewind to position T: a recording writes where it goes back to and keeps
  // the replay out.
  std::function<void(std::int64_t t, const std::function<void()>& go)> aroundRewind;

 private:
  void wake();
  void runLive(qint64 budgetEnd);
  void runPast(qint64 budgetEnd);
  // Plays the kept future up to the next tick; live again at its end.
  void playTick();
  bool nextPendingLine(std::string& line);
  void goLive(bool atTheEnd);
  void branched();
  void schedule();
  void rebase();
  std::int64_t now() const;
  std::int64_t target(qint64 wallNs) const;
  std::int64_t nextDue() const;
  std::int64_t tickInterval() const;
  // Model time a wake may come late by before the missed events are dropped.
  std::int64_t allowedLag() const;
  void notify();

  Sim& sim_;
  std::function<void()> afterBatch_;
  std::ostringstream discard_;
  std::unique_ptr<ScriptEngine> engine_;
  Control& tickTimer_;
  QTimer waker_;
  QElapsedTimer wall_;
  int speed_ = kNormal;
  bool held_ = false;
  bool busy_ = false;
  bool replaying_ = false;  // lines of the kept future or a rewind: not the user's
  qint64 baseWall_ = 0;     // the wall clock's ns and the model's ms that go together
  std::int64_t baseModel_ = 0;
  qint64 lastWake_ = 0;
  std::string pending_;  // the kept future, line by line
  std::size_t pendingAt_ = 0;
  std::string repeatLine_;  // a timer's run of the future, one event at a time
  long repeat_ = 0;
  std::int64_t pastNow_ = 0;  // model time while playing the past
  std::int64_t end_ = 0;
  std::vector<std::int64_t> liveClock_;  // the clock at the end of the kept future
  std::vector<int> observers_;
  std::vector<Control*> observed_;
  int outside_ = 0, newRun_ = 0;
};

}  // namespace sw4
