#pragma once
#include <map>
#include <vector>

namespace sw4 {

class Control;
class FormControls;

// The captions the layout adds (each declared with what it captions): a caption is shown while
// any control it captions is.
class CaptionLinks {
 public:
  explicit CaptionLinks(FormControls& form);

  // The captions of a control (empty for most).
  const std::vector<Control*>& captionsOf(const Control& target) const;
  // Shows or hides every caption of target to match it.
  void follow(const Control& target) const;
  // Makes every caption match its controls.
  void followAll() const;

 private:
  void sync(Control& caption) const;

  std::map<const Control*, std::vector<Control*>> captions_;  // target -> its captions
  std::map<Control*, std::vector<Control*>> targets_;         // caption -> what it captions
};

}  // namespace sw4
