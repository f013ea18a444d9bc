#include "platform/control.h"

#include <algorithm>
#include <cstdio>
#include <exception>

#include "platform/fault.h"
#include "platform/readings.h"

namespace sw4 {

namespace {
long gFaults = 0;
long gUnexpected = 0;
unsigned long gEvents = 0;
int gHandlerDepth = 0;  // handlers running, counted from the last outside event
const Control* gFaultSource = nullptr;

const char* eventName(Event e) {
  static constexpr const char* kNames[kEventCount] = {"Click", "Change", "DblClick", "LostFocus",
                                                      "Timer"};
  return kNames[static_cast<int>(e)];
}
}  // namespace

Hook<void(Control&, Event)>& outsideEvents() {
  static Hook<void(Control&, Event)> hook;
  return hook;
}

OutsideEventScope::OutsideEventScope() : saved_(gHandlerDepth) { gHandlerDepth = 0; }
OutsideEventScope::~OutsideEventScope() { gHandlerDepth = saved_; }

HandlerScope::HandlerScope() { ++gHandlerDepth; }
HandlerScope::~HandlerScope() { --gHandlerDepth; }

long dispatchedFaults() { return gFaults; }
const Control* lastFaultSource() { return gFaultSource; }
long unexpectedExceptions() { return gUnexpected; }
unsigned long dispatchedEvents() { return gEvents; }

void noteUnexpected(const std::string& where, const char* what) {
  // Told once: a handler that throws on every tick would otherwise flood standard error.
  if (gUnexpected++ == 0)
    std::fprintf(stderr, "sw4: unexpected exception in %s: %s (the handler was cut short)\n",
                 where.c_str(), what);
}

std::string Control::fullName() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::storeText(std::string_view t) {
  text_ = t;
  lenient_ = readLenient(text_);
  const auto s = readStrict(text_);
  strictOk_ = s.has_value();
  strictValue_ = s.value_or(0.0);
}

void Control::setText(std::string_view t) {
  if (t == text_) return;
  storeText(t);
  changed(Prop::Text);
  if (kind_ == Kind::TextBox) raise(Event::Change);
}

double Control::strict() const {
  if (!strictOk_) throw Fault("type mismatch: " + fullName() + " holds \"" + text_ + "\"", this);
  return strictValue_;
}

void Control::setValue(int v) {
  switch (kind_) {
    case Kind::CommandButton:
      // Pressing a button from code runs its click; the button itself springs back.
      if (v != 0) raise(Event::Click);
      return;
    case Kind::OptionButton: {
      const int nv = v != 0 ? 1 : 0;
      if (nv == value_) return;
      if (nv == 1 && group_) {
        for (Control* other : *group_) {
          if (other != this && other->value_ != 0) {
            other->value_ = 0;
            other->changed(Prop::Value);
          }
        }
      }
      value_ = nv;
      changed(Prop::Value);
      if (nv == 1) raise(Event::Click);
      return;
    }
    case Kind::CheckBox: {
      const int nv = std::clamp(v, 0, 2);
      if (nv == value_) return;
      value_ = nv;
      changed(Prop::Value);
      raise(Event::Click);
      return;
    }
    case Kind::ScrollBar: {
      const int nv = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
      if (nv == value_) return;
      value_ = nv;
      changed(Prop::Value);
      raise(Event::Change);
      return;
    }
    default:
      value_ = v;
      changed(Prop::Value);
      return;
  }
}

void Control::userClick() {
  switch (kind_) {
    case Kind::CheckBox:
      setValue(value_ == 0 ? 1 : 0);
      return;
    case Kind::OptionButton:
      if (value_ != 0) {
        raise(Event::Click);
      } else {
        setValue(1);
      }
      return;
    case Kind::CommandButton:
      setValue(1);
      return;
    default:
      raise(Event::Click);
      return;
  }
}

void Control::setMin(int v) {
  if (v == min_) return;
  min_ = v;
  changed(Prop::Range);
  holdValueToRange();
}

void Control::setMax(int v) {
  if (v == max_) return;
  max_ = v;
  changed(Prop::Range);
  holdValueToRange();
}

// A scroll bar's value follows its range as the bar itself would, without a change event: a
// range is set by code that is about to set the value it wants.
void Control::holdValueToRange() {
  if (kind_ != Kind::ScrollBar) return;
  const int nv = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
  if (nv == value_) return;
  value_ = nv;
  changed(Prop::Value);
}

void Control::setInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  changed(Prop::Interval);
}

void Control::setVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  changed(Prop::Visible);
}

void Control::setEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  changed(Prop::Enabled);
}

void Control::setLocked(bool v) {
  if (v == locked_) return;
  locked_ = v;
  changed(Prop::Locked);
}

void Control::setForeColor(Color c) {
  if (c == fore_) return;
  fore_ = c;
  changed(Prop::Colors);
}

void Control::setBackColor(Color c) {
  if (c == back_) return;
  back_ = c;
  changed(Prop::Colors);
}

void Control::setBorderColor(Color c) {
  if (c == border_) return;
  border_ = c;
  changed(Prop::Colors);
}

void Control::setFillColor(Color c) {
  if (c == fill_) return;
  fill_ = c;
  changed(Prop::Colors);
}

void Control::setLeft(int v) { move(v, top_, width_, height_); }
void Control::setTop(int v) { move(left_, v, width_, height_); }
void Control::setWidth(int v) { move(left_, top_, v, height_); }
void Control::setHeight(int v) { move(left_, top_, width_, v); }

void Control::move(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  changed(Prop::Geometry);
}

ControlState Control::state() const {
  return ControlState{.text = text_,
                      .value = value_,
                      .min = min_,
                      .max = max_,
                      .interval = interval_,
                      .visible = visible_,
                      .enabled = enabled_,
                      .locked = locked_,
                      .fore = fore_,
                      .back = back_,
                      .border = border_,
                      .fill = fill_,
                      .left = left_,
                      .top = top_,
                      .width = width_,
                      .height = height_};
}

void Control::restore(const ControlState& s) {
  if (s.text != text_) {
    storeText(s.text);
    changed(Prop::Text);
  }
  // The range before the value, so a bound widget takes the value within it.
  if (s.min != min_ || s.max != max_) {
    min_ = s.min;
    max_ = s.max;
    changed(Prop::Range);
  }
  if (s.value != value_) {
    value_ = s.value;
    changed(Prop::Value);
  }
  if (s.interval != interval_) {
    interval_ = s.interval;
    changed(Prop::Interval);
  }
  if (s.visible != visible_) {
    visible_ = s.visible;
    changed(Prop::Visible);
  }
  if (s.enabled != enabled_) {
    enabled_ = s.enabled;
    changed(Prop::Enabled);
  }
  if (s.locked != locked_) {
    locked_ = s.locked;
    changed(Prop::Locked);
  }
  if (s.fore != fore_ || s.back != back_ || s.border != border_ || s.fill != fill_) {
    fore_ = s.fore;
    back_ = s.back;
    border_ = s.border;
    fill_ = s.fill;
    changed(Prop::Colors);
  }
  move(s.left, s.top, s.width, s.height);
}

void Control::raise(Event e) {
  ++gEvents;  // counted with or without a handler: the event itself tells of a change
  if (gHandlerDepth == 0) outsideEvents()(*this, e);
  const Handler& h = handlers_[static_cast<int>(e)];
  if (!h) return;
  const HandlerScope depth;
  try {
    h();
  } catch (const Fault& f) {
    ++gFaults;
    gFaultSource = f.source;
  } catch (const std::exception& x) {
    noteUnexpected(fullName() + "." + eventName(e), x.what());
  } catch (...) {
    noteUnexpected(fullName() + "." + eventName(e), "not a std::exception");
  }
}

}  // namespace sw4
