#pragma once
#include <functional>

class QWidget;

namespace sw4 {

class Sim;

// Asked before New, Open setup or a new recording throws away a run that has ticked: "Discard
// this run?" with Discard and Cancel, and "Don't ask again", which the settings keep once the
// run is discarded with it ticked.
class DiscardQuestion {
 public:
  struct Answer {
    bool discard = false;
    bool dontAskAgain = false;
  };

  DiscardQuestion(Sim& sim, QWidget& window);
  ~DiscardQuestion();
  DiscardQuestion(const DiscardQuestion&) = delete;
  DiscardQuestion& operator=(const DiscardQuestion&) = delete;

  // True when the run may go: it has not ticked since start-up or New, the user said not to ask,
  // or answers Discard.
  bool confirm();

  // How the user is asked; a message box unless replaced.
  std::function<Answer()> ask;

 private:
  Sim& sim_;
  bool ticked_ = false;
  int tickDone_ = 0, newRunDone_ = 0;
};

}  // namespace sw4
