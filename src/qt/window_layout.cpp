#include "qt/window_layout.h"

#include <algorithm>

#include "model/fs4.h"
#include "platform/surface.h"
#include "qt/control_widgets.h"

namespace sw4 {

namespace {

constexpr int kDesignWidth = kDesignWidthTwips / Surface::kTwipsPerLogicalPixel;
constexpr int kDesignHeight = kDesignHeightTwips / Surface::kTwipsPerLogicalPixel;
constexpr int kGap = 4;         // between a frame that gives way and what it gives way to
constexpr int kStackGap = 6;    // between the left column's frames, as designed
constexpr int kCaptionGap = 6;  // between a caption's text and its field

QRect design(const Control& c) {
  return QRect(twipsToPixels(c.left()), twipsToPixels(c.top()), twipsToPixels(c.width()),
               twipsToPixels(c.height()));
}

bool growsWithCaption(Kind k) {
  return k == Kind::CheckBox || k == Kind::OptionButton || k == Kind::CommandButton;
}

}  // namespace

WindowLayout::WindowLayout(const FormControls& form, Measure captionWidth)
    : captionWidth_(std::move(captionWidth)) {
  for (const Control& c : form.all()) {
    if (c.container() || c.kind() == Kind::Timer) continue;
    switch (c.anchor()) {
      case Anchor::TopRight:
        topRight_.push_back(&c);
        break;
      case Anchor::BottomLeft:
        bottomLeft_.push_back(&c);
        break;
      case Anchor::LeftStack:
        stack_.push_back(&c);
        break;
      case Anchor::Shrinking:
        shrinking_.push_back(&c);
        break;
      case Anchor::AfterShrinking:
        afterShrinking_.push_back(&c);
        break;
      default:
        break;
    }
  }
  std::stable_sort(stack_.begin(), stack_.end(),
                   [](const Control* a, const Control* b) { return a->top() < b->top(); });
  for (const auto& [cap, targets] : form.captionLinks()) {
    for (const Control* t : targets) {
      const QRect rc = design(*cap), rt = design(*t);
      const bool sameRow = rc.top() < rt.bottom() && rt.top() < rc.bottom();
      if (cap->container() == t->container() && sameRow && rc.left() < rt.left())
        captionBefore_[t] = cap;
    }
  }
  for (const Control& c : form.all()) measure(c);
}

bool WindowLayout::measure(const Control& c) {
  const bool caption = std::any_of(captionBefore_.begin(), captionBefore_.end(),
                                   [&c](const auto& link) { return link.second == &c; });
  if (!caption && !growsWithCaption(c.kind())) return false;
  const int w = captionWidth_(c);
  int& m = measured_[&c];
  const int before = m;
  m = w;
  if (caption) return w != before;
  const int designWidth = design(c).width();
  return std::max(designWidth, w) != std::max(designWidth, before);
}

QRect WindowLayout::shown(const Control& c) const {
  QRect r = design(c);
  if (growsWithCaption(c.kind())) {
    const auto it = measured_.find(&c);
    if (it != measured_.end()) r.setWidth(std::max(r.width(), it->second));
  }
  if (const auto cap = captionBefore_.find(&c); cap != captionBefore_.end()) {
    const auto m = measured_.find(cap->second);
    const int textEnd = design(*cap->second).left() + (m == measured_.end() ? 0 : m->second);
    if (textEnd + kCaptionGap > r.left()) r.setLeft(std::min(textEnd + kCaptionGap, r.right()));
  }
  return r;
}

QRect WindowLayout::place(const Control& c, QSize window) const {
  return c.container() ? shown(c) : anchored(c, window);
}

QRect WindowLayout::anchored(const Control& c, QSize window) const {
  const int dW = window.width() - kDesignWidth;
  const int dH = window.height() - kDesignHeight;
  const QRect r = shown(c);
  switch (c.anchor()) {
    case Anchor::TopLeft:
      return r;
    case Anchor::Top:
      return r.translated(dW / 2, 0);
    case Anchor::TopRight:
      return r.translated(dW, 0);
    case Anchor::BottomLeft:
      return r.translated(0, dH);
    case Anchor::BottomRight:
      return clearOfRightColumn(r.translated(dW, dH), window);
    case Anchor::LeftStack:
      return stacked(c, window);
    case Anchor::Shrinking:
    case Anchor::AfterShrinking:
      return squeezed(c, window);
  }
  return r;
}

// How far down a frame of the left column may reach: above the bottom-left panels it would
// meet, else to the window's bottom edge.
int WindowLayout::stackLimit(const QRect& r, QSize window) const {
  int limit = window.height() - 2;
  for (const Control* b : bottomLeft_) {
    const QRect rb = anchored(*b, window);
    if (rb.left() <= r.right() && r.left() <= rb.right()) limit = std::min(limit, rb.top() - kStackGap);
  }
  return limit;
}

QRect WindowLayout::stacked(const Control& c, QSize window) const {
  int step = 0;
  for (const Control* s : stack_) step = std::max(step, shown(*s).width() + kStackGap);
  const int top0 = shown(*stack_.front()).top();
  int column = 0, y = top0, designBottom = 0;
  for (const Control* s : stack_) {
    const QRect r = shown(*s);
    if (s != stack_.front()) y += r.top() - designBottom;
    QRect at = r.translated(column * step, y - r.top());
    if (y != top0 && at.top() + at.height() > stackLimit(at, window)) {
      ++column;
      y = top0;
      at = r.translated(column * step, y - r.top());
    }
    if (s == &c) return at;
    y += r.height();
    designBottom = r.top() + r.height();
  }
  return shown(c);
}

QRect WindowLayout::squeezed(const Control& c, QSize window) const {
  const QRect r = shown(c);
  if (shrinking_.empty()) return r;
  int a = shown(*shrinking_.front()).left(), b = a;
  for (const Control* s : shrinking_) {
    const QRect rs = shown(*s);
    a = std::min(a, rs.left());
    b = std::max(b, rs.left() + rs.width());
  }
  int designEnd = b, rowEnd = b;
  for (const Control* e : afterShrinking_) {
    const QRect d = design(*e);
    designEnd = std::max(designEnd, d.left() + d.width());
    rowEnd = std::max(rowEnd, d.left() + shown(*e).width());
  }
  const int limit = designEnd + window.width() - kDesignWidth;
  const int d = std::clamp(rowEnd - limit, 0, (b - a) / 2);
  if (c.anchor() == Anchor::AfterShrinking) return r.translated(-d, 0);
  const auto map = [a, b, d](int x) {
    if (x <= a) return x;
    if (x >= b) return x - d;
    return a + (x - a) * (b - a - d) / (b - a);
  };
  const int left = map(r.left()), right = map(r.left() + r.width());
  return QRect(left, r.top(), right - left, r.height());
}

QRect WindowLayout::clearOfRightColumn(QRect r, QSize window) const {
  int right = r.left() + r.width();
  for (const Control* t : topRight_) {
    const QRect rt = anchored(*t, window);
    if (rt.intersects(r)) right = std::min(right, rt.left() - kGap);
  }
  r.moveLeft(right - r.width());
  return r;
}

}  // namespace sw4
