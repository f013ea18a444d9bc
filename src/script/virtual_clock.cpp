#include "script/virtual_clock.h"

#include <algorithm>

namespace sw4 {

VirtualClock::VirtualClock(FormControls& form) {
  for (Control& c : form.all())
    if (c.kind() == Kind::Timer) slots_.push_back(Slot{&c});
  for (std::size_t i = 0; i < slots_.size(); ++i) {
    reschedule(slots_[i]);
    slots_[i].observer = slots_[i].timer->addObserver([this, i](Control&, Prop p) {
      if (p == Prop::Enabled || p == Prop::Interval) reschedule(slots_[i]);
    });
  }
}

VirtualClock::~VirtualClock() {
  for (Slot& s : slots_) s.timer->removeObserver(s.observer);
}

void VirtualClock::reschedule(Slot& s) {
  s.running = s.timer->enabled() && s.timer->interval() > 0;
  s.due = s.running ? now_ + s.timer->interval() : 0;
}

VirtualClock::Slot* VirtualClock::nextDue(std::int64_t until) {
  Slot* best = nullptr;
  for (Slot& s : slots_)
    if (s.running && s.due <= until && (!best || s.due < best->due)) best = &s;
  return best;
}

void VirtualClock::advance(std::int64_t ms, const std::function<bool()>& stop) {
  const std::int64_t until = now_ + std::max<std::int64_t>(ms, 0);
  while (Slot* s = nextDue(until)) {
    // A nested advance (from inside a handler) may already have gone past this event's time.
    now_ = std::max(now_, s->due);
    s->due = now_ + s->timer->interval();  // the handler may reschedule it again
    s->timer->fire();
    if (stop && stop()) return;
  }
  now_ = std::max(now_, until);
}

void VirtualClock::save(std::vector<std::int64_t>& into) const {
  into.push_back(now_);
  for (const Slot& s : slots_) into.push_back(s.running ? s.due : -1);
}

void VirtualClock::restore(const std::int64_t* from) {
  now_ = from[0];
  for (std::size_t i = 0; i < slots_.size(); ++i) {
    slots_[i].running = from[i + 1] >= 0;
    slots_[i].due = slots_[i].running ? from[i + 1] : 0;
  }
}

std::int64_t VirtualClock::dueTime(const Control& timer) const {
  for (const Slot& s : slots_)
    if (s.timer == &timer) return s.running ? s.due : -1;
  return -1;
}

}  // namespace sw4
