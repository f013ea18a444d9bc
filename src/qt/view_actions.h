#pragma once
#include <QObject>
#include <QPointF>

class QAction;

namespace sw4 {

class MainWindow;
class Sim;
class WorldView;

// How the user moves the view on the drawing: the wheel zooms about the cursor, a drag with the
// left button pans (past the drag distance: a shorter one is a click), a double-click on a body
// follows it; keys and the drawing's menu zoom in and out about the middle, fit the bodies that
// are on, go back to the classic view and follow the inspector's body while it is open.
// Gestures count only on the drawing: on a control they are the control's, as before.
class ViewActions : public QObject {
 public:
  static constexpr double kZoomStep = 1.25;  // a wheel notch or a key
  static constexpr int kReach = 12;          // logical pixels from a body a double-click takes it

  ViewActions(Sim& sim, MainWindow& window);
  ~ViewActions() override;
  ViewActions(const ViewActions&) = delete;
  ViewActions& operator=(const ViewActions&) = delete;

  QAction* followInspected() const { return followInspected_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // `steps` zoom steps (negative: out) keeping the drawing's point `at` where it is.
  void zoomBy(double steps, QPointF at);
  void followInspectedBody();
  void changed();

  Sim& sim_;
  MainWindow& window_;
  WorldView& view_;
  QAction* followInspected_;
  int inspectorShown_ = 0;
  bool pressed_ = false, panning_ = false;
  QPointF pressAt_, last_;
};

}  // namespace sw4
