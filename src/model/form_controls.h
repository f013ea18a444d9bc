#pragma once
// The form as a whole: every control, found by name or by id, without naming any of them.
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control.h"

namespace sw4 {

enum class ControlId : std::uint8_t;  // model/control_id.h

// An indexed control array such as TXg(0..5). Indexing a number that has no control raises Fault.
class ControlArray {
 public:
  Control& operator()(int i) const {
    if (i < 0 || i >= static_cast<int>(members_.size()) || members_[i] == nullptr) outOfRange(i);
    return *members_[i];
  }
  Control& operator[](int i) const { return (*this)(i); }
  const std::vector<Control*>& members() const { return members_; }
  void add(Control* c);
  int lowest() const;
  int highest() const;

 private:
  [[noreturn]] static void outOfRange(int i);

  std::vector<Control*> members_;  // by index; gaps are null
};

// The window's design size in twips (1024 x 768 pixels): every control's place is given for it.
inline constexpr int kDesignWidthTwips = 15360;
inline constexpr int kDesignHeightTwips = 11520;

// The window "SW4" as a model: every control with its design-time state, created from the
// declaration table.
class FormControls {
 public:
  FormControls();
  FormControls(const FormControls&) = delete;
  FormControls& operator=(const FormControls&) = delete;

  // Lookup by name and index (-1 for a control that is not in an array); null when unknown.
  Control* find(std::string_view name, int index = -1) const;
  Control& get(std::string_view name, int index = -1) const;  // throws std::out_of_range
  ControlArray& array(std::string_view name);
  // Lookup by declared id; throws std::out_of_range for an index the array does not have.
  Control& control(ControlId id, int index = -1) const;
  ControlArray& array(ControlId id) const;
  const std::deque<Control>& all() const { return controls_; }
  std::deque<Control>& all() { return controls_; }
  // Every caption of the layout with the controls it captions.
  const std::vector<std::pair<Control*, std::vector<Control*>>>& captionLinks() const {
    return captionLinks_;
  }

  // Every control back at its design-time state; observers follow, no handler runs.
  void restoreDesign();

  std::string caption = "SW4";
  Color backColor = 0;

 private:
  std::deque<Control> controls_;
  std::vector<ControlState> design_;  // by position in controls_
  std::map<std::string, Control*, std::less<>> byName_;
  std::map<std::string, ControlArray, std::less<>> arrays_;
  std::vector<Control*> single_;        // by id
  std::vector<ControlArray*> arrayOf_;  // by id
  std::deque<std::vector<Control*>> groups_;
  std::vector<std::pair<Control*, std::vector<Control*>>> captionLinks_;
};

}  // namespace sw4
