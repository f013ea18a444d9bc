#include "qt/caption_links.h"

#include <string_view>

#include "model/fs4.h"

namespace sw4 {

namespace {

constexpr std::string_view kPrefix = "Cap";

}  // namespace

CaptionLinks::CaptionLinks(FormControls& form) {
  for (Control& cap : form.all()) {
    const std::string_view name = cap.name();
    if (name.size() <= kPrefix.size() || name.substr(0, kPrefix.size()) != kPrefix) continue;
    const std::string_view targetName = name.substr(kPrefix.size());
    for (Control& t : form.all()) {
      if (t.name() != targetName) continue;
      if (t.index() == cap.index() || (cap.index() < 0 && t.index() >= 0)) {
        captions_[&t].push_back(&cap);
        targets_[&cap].push_back(&t);
      }
    }
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
