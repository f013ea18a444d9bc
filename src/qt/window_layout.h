#pragma once
#include <QRect>
#include <QSize>
#include <functional>
#include <map>
#include <vector>

namespace sw4 {

class Control;
class FormControls;

// Where each control shows, in logical pixels, for the window's current size. The model keeps
// every control's design geometry (1024 x 768); this view of it:
// - anchors a control on the window to the edges its Anchor names, so the layout follows the
//   window, with three rules for a window smaller than design (down to the minimum size) under
//   which no two controls meet: the left column's frames continue in a further column rather
//   than run into the panels below them, the inspector's row of fields gives up width rather
//   than run into "X", and the "Orbits" frame keeps clear of the right column;
// - shows a button or box at least as wide as its caption;
// - keeps a field clear of the caption of the layout that stands before it.
class WindowLayout {
 public:
  // The width a control's current caption needs (the binding measures it on the widget).
  using Measure = std::function<int(const Control&)>;

  WindowLayout(const FormControls& form, Measure captionWidth);

  // The rectangle of c relative to its parent widget (the window or its frame).
  QRect place(const Control& c, QSize window) const;
  // Measures c's caption again; true when that changes where something shows.
  bool measure(const Control& c);

  static constexpr int kMinWidth = 800;
  static constexpr int kMinHeight = 600;

 private:
  QRect shown(const Control& c) const;
  QRect anchored(const Control& c, QSize window) const;
  QRect stacked(const Control& c, QSize window) const;
  QRect squeezed(const Control& c, QSize window) const;
  QRect clearOfRightColumn(QRect r, QSize window) const;
  int stackLimit(const QRect& r, QSize window) const;

  Measure captionWidth_;
  std::vector<const Control*> topRight_, bottomLeft_, shrinking_, afterShrinking_;
  std::vector<const Control*> stack_;                       // by design top
  std::map<const Control*, const Control*> captionBefore_;  // field -> its caption in the row
  std::map<const Control*, int> measured_;
};

}  // namespace sw4
