#pragma once
#include <map>
#include <vector>

namespace sw4 {

class Control;
class FormControls;

// Captions added by the layout are named "Cap" + the name of the control they caption, with the
// same index ("CapTXg"(3) captions "TXg"(3)); a caption without an index over an array
// ("CapCDp") captions the whole array. A caption is shown while any control it captions is.
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
