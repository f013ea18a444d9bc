#include "qt/caption_links.h"

#include "model/fs4.h"

namespace sw4 {

CaptionLinks::CaptionLinks(FormControls& form) {
  for (const auto& [cap, targets] : form.captionLinks()) {
    for (Control* t : targets) captions_[t].push_back(cap);
    targets_[cap] = targets;
  }
}

const std::vector<Control*>& CaptionLinks::captionsOf(const Control& target) const {
  static const std::vector<Control*> kNone;
  const auto it = captions_.find(&target);
  return it == captions_.end() ? kNone : it->second;
}

void CaptionLinks::sync(Control& caption) const {
  bool shown = false;
  for (const Control* t : targets_.at(&caption)) shown = shown || t->visible();
  caption.setVisible(shown);
}

void CaptionLinks::follow(const Control& target) const {
  for (Control* cap : captionsOf(target)) sync(*cap);
}

void CaptionLinks::followAll() const {
  for (const auto& [cap, targets] : targets_) sync(*cap);
}

}  // namespace sw4
