#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/color.h"
#include "platform/hook.h"

namespace sw4 {

enum class Kind {
  TextBox,
  CheckBox,
  OptionButton,
  CommandButton,
  ScrollBar,
  Label,
  Frame,
  Picture,
  Shape,
  Timer
};
enum class Event { Click, Change, DblClick, LostFocus, Timer };
inline constexpr int kEventCount = 5;

// The edges of the window a control placed on it keeps its design distance to, when the window
// is not at its design size. Only the window's view moves it: its geometry here stays as
// designed. Controls inside a frame move with the frame.
enum class Anchor : std::uint8_t {
  TopLeft,
  Top,  // the top edge, and centred as at design
  TopRight,
  BottomLeft,
  BottomRight,
  LeftStack,       // top-left, one of the frames stacked down the left edge: in a window too low
                   // for them, the lower ones continue in a further column
  Shrinking,       // top-left; in a window narrower than design these share the missing width
  AfterShrinking,  // top-left; moves left by the width the shrinking ones give up
};

// Which property a model change touched; the Qt binding mirrors exactly that.
enum class Prop { Text, Value, Visible, Enabled, Colors, Geometry, Range, Interval, Locked };

// Every property that handlers and the user can change, as one value.
struct ControlState {
  std::string text;
  int value = 0;
  int min = 0, max = 32767;
  int interval = 0;
  bool visible = true, enabled = true, locked = false;
  Color fore = 0, back = 0, border = 0, fill = 0;
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const ControlState&) const = default;
};

// One control of the form: a plain object with the properties of a classic form control and an
// event hook per event. Setting Value (check box, option button, button, scroll bar) or Text from
// code raises the control's event exactly as a user's action would.
class Control {
 public:
  using Handler = std::function<void()>;
  using Observers = Hook<void(Control&, Prop)>;

  Control(std::string name, int index, Kind kind)
      : name_(std::move(name)), index_(index), kind_(kind) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  int index() const { return index_; }  // -1 when the control is not part of an array
  Kind kind() const { return kind_; }
  std::string fullName() const;  // "TXg(2)" or "TXn"

  // Text of a text box, caption of every other kind.
  const std::string& text() const { return text_; }
  void setText(std::string_view t);
  const std::string& caption() const { return text_; }
  void setCaption(std::string_view t) { setText(t); }

  // Cached readings of the text, refreshed whenever the text changes.
  double lenient() const { return lenient_; }
  bool strictOk() const { return strictOk_; }
  double strict() const;  // raises Fault when the text is not a number as a whole

  // Check box 0/1/2, option button 0/1, scroll bar position, button 0.
  int value() const { return value_; }
  void setValue(int v);
  bool selected() const { return value_ != 0; }

  // What a user's click does: a button is pressed, a check box goes 0->1, 1->0, 2->0, an option
  // button is selected.
  void userClick();

  int min() const { return min_; }
  int max() const { return max_; }
  void setMin(int v);
  void setMax(int v);

  int interval() const { return interval_; }
  void setInterval(int ms);

  bool visible() const { return visible_; }
  void setVisible(bool v);
  bool enabled() const { return enabled_; }
  void setEnabled(bool v);
  bool locked() const { return locked_; }  // a text box the user cannot type into
  void setLocked(bool v);

  Color foreColor() const { return fore_; }
  Color backColor() const { return back_; }
  Color borderColor() const { return border_; }
  Color fillColor() const { return fill_; }
  void setForeColor(Color c);
  void setBackColor(Color c);
  void setBorderColor(Color c);
  void setFillColor(Color c);

  // Geometry in twips, relative to the container.
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void setLeft(int v);
  void setTop(int v);
  void setWidth(int v);
  void setHeight(int v);
  void move(int left, int top, int width, int height);

  const std::string& toolTip() const { return toolTip_; }
  void setToolTip(std::string_view t) { toolTip_ = t; }
  Anchor anchor() const { return anchor_; }
  void setAnchor(Anchor a) { anchor_ = a; }
  Control* container() const { return container_; }
  void setContainer(Control* c) { container_ = c; }
  std::vector<Control*>* group() const { return group_; }
  void setGroup(std::vector<Control*>* g) { group_ = g; }

  void on(Event e, Handler h) { handlers_[static_cast<int>(e)] = std::move(h); }
  bool hasHandler(Event e) const { return static_cast<bool>(handlers_[static_cast<int>(e)]); }
  // Runs the event's handler through the dispatcher (a Fault skips the rest of the handler).
  void raise(Event e);
  // A timer event, only while the timer is enabled.
  void fire() {
    if (enabled_) raise(Event::Timer);
  }

  ControlState state() const;
  // Puts every property back at once, as when the form was loaded: the observers hear of each
  // property that changes, and no handler runs.
  void restore(const ControlState& s);

  // Listeners told of every property change (the binding, the driver's clock, tests).
  Observers::Handle addObserver(Observers::Listener o) { return observers_.add(std::move(o)); }
  void removeObserver(Observers::Handle h) { observers_.remove(h); }

 private:
  void changed(Prop p) { observers_(*this, p); }
  void storeText(std::string_view t);
  void holdValueToRange();

  std::string name_;
  int index_;
  Kind kind_;
  std::string text_;
  double lenient_ = 0;
  double strictValue_ = 0;
  bool strictOk_ = false;
  std::string toolTip_;
  int value_ = 0;
  int min_ = 0, max_ = 32767;
  int interval_ = 0;
  bool visible_ = true, enabled_ = true, locked_ = false;
  Color fore_ = 0, back_ = 0, border_ = 0, fill_ = 0;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  Anchor anchor_ = Anchor::TopLeft;
  Control* container_ = nullptr;
  std::vector<Control*>* group_ = nullptr;
  std::array<Handler, kEventCount> handlers_;
  Observers observers_;
};

// Told of every event that enters the model from outside the handlers (a user's action, a timer
// event from the host) before its handler runs; events raised by handlers are not told.
Hook<void(Control&, Event)>& outsideEvents();

// While alive, events raised count as coming from outside even though a handler is running: the
// events a host delivers in the middle of a handler (the tick's event processing, a modal box).
class OutsideEventScope {
 public:
  OutsideEventScope();
  ~OutsideEventScope();
  OutsideEventScope(const OutsideEventScope&) = delete;
  OutsideEventScope& operator=(const OutsideEventScope&) = delete;

 private:
  int saved_;
};

// While alive, events raised count as raised by a handler: what the program does by itself
// outside any event (New's start-up).
class HandlerScope {
 public:
  HandlerScope();
  ~HandlerScope();
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;
};

// How many handler faults the dispatcher has swallowed (tests read it).
long dispatchedFaults();
// The control whose text the last swallowed fault could not read (null when it was no text).
const Control* lastFaultSource();
// How many exceptions other than Fault the dispatcher (or a host's guard) has caught.
long unexpectedExceptions();
// Counts an exception that no one expected; the first one is told on standard error.
void noteUnexpected(const std::string& where, const char* what);
// How many events have been raised: a change tells that state may have changed.
unsigned long dispatchedEvents();

}  // namespace sw4
