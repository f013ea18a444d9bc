#pragma once
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace sw4 {

class TimeControl;

// A slim strip along the bottom of the drawing: the speed, whether time is held, the position
// and how far the run goes, as a track with a handle. Dragging along it goes to that moment
// (the picture follows); while dragging, time stands still.
class TimelineBar : public QWidget {
 public:
  TimelineBar(TimeControl& time, QWidget& window);

  static constexpr int kHeight = 16;
  // Along the bottom of the window, full width.
  void place();
  // The position a point of the strip stands for, and back.
  std::int64_t positionAt(int x) const;
  int xOf(std::int64_t position) const;
  QRect track() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Repaints at most ten times a second: at x1 the run would have it every tick.
  void changed();
  void dragTo(int x);

  TimeControl& time_;
  QElapsedTimer sincePaint_;
  QTimer later_;
  bool dragging_ = false;
  bool heldBeforeDrag_ = false;
};

}  // namespace sw4
