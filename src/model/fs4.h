#pragma once
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control.h"

namespace sw4 {

// An indexed control array such as TXg(0..5). Indexing a number that has no control raises Fault.
class ControlArray {
 public:
  Control& operator()(int i) const;
  Control& operator[](int i) const { return (*this)(i); }
  const std::vector<Control*>& members() const { return members_; }
  void add(Control* c);
  int lowest() const;
  int highest() const;

 private:
  std::vector<Control*> members_;  // by index; gaps are null
};

// The window "SW4" as a model: every control with its design-time state, created from the
// declaration tables, and named handles for the code that uses them.
class FormControls {
 public:
  FormControls();
  FormControls(const FormControls&) = delete;
  FormControls& operator=(const FormControls&) = delete;

  // Lookup by name and index (-1 for a control that is not in an array); null when unknown.
  Control* find(std::string_view name, int index = -1) const;
  Control& get(std::string_view name, int index = -1) const;  // throws std::out_of_range
  ControlArray& array(std::string_view name);
  const std::deque<Control>& all() const { return controls_; }
  std::deque<Control>& all() { return controls_; }

  // Every control back at its design-time state; observers follow, no handler runs.
  void restoreDesign();

  std::string caption = "SW4";
  Color backColor = 0;

 private:
  std::deque<Control> controls_;
  std::vector<ControlState> design_;  // by position in controls_
  std::map<std::string, Control*, std::less<>> byName_;
  std::map<std::string, ControlArray, std::less<>> arrays_;
  std::deque<std::vector<Control*>> groups_;
};

class Fs4 : public FormControls {
 public:
  Fs4();

  // General parameter fields
  ControlArray &TXg, &TXw;
  Control &TXn, &TxTconstant, &TXt, &TXran, &TXref, &TXspibi, &TXTdec;
  Control &Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9, &Text10, &Text11;
  // Inspector and records
  Control &TXTOden, &TxTyp;
  ControlArray &TXTp, &Hsp, &Label6, &La, &Opadd;
  Control &Qui, &Chon, &ChLim, &Label7, &Label8, &Label9, &LaVmax, &LaVmin, &LaVnow, &LavPer;
  // Check boxes
  Control &CHsol, &CHgod, &CHr, &CHran, &ChCol, &ChSpi, &ChGal, &Ch2, &ChCir, &Check1, &ChA;
  Control &Chperf, &CHall, &Chdark, &CHLun, &ChMoon;
  // Option groups
  ControlArray &Och, &OpCollide;
  // Buttons
  Control &Command1, &Command2, &Command4, &Command5, &CDstar, &CDwww;
  ControlArray& CDp;
  // Labels, frames, pictures, shape
  Control &Label11, &Label12, &Lapollo;
  Control &Frame2, &Frame6, &Frame7, &Frame8;
  Control &ImSun, &ImMoon, &Shark;
  // Timers
  Control &Ti, &Tr, &Tiball, &TiF;
};

}  // namespace sw4
