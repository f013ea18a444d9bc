#pragma once
#include <QElapsedTimer>
#include <QRegion>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/surface.h"
#include "qt/frame_pacing.h"

namespace sw4 {

class Sim;
class Control;
class ControlBinding;
class TimeControl;
class TimelineBar;
class Shortcuts;
class HelpOverlay;
class WorldView;
class ViewPicture;

// The window "SW4": its client area is the drawing area (the simulation's pixel surface, shown
// without copying, one dot a logical pixel at every scale) with every control of the form as a
// child widget on top. The drawing shows through a view of the world: the classic one paints the
// surface as it is; any other is rendered whole, at most once a display frame.
class MainWindow : public QWidget {
 public:
  explicit MainWindow(Sim& sim, QWidget* parent = nullptr);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  ControlBinding& controls() { return *controls_; }
  TimeControl& time() { return *time_; }
  TimelineBar& timelineBar() { return *bar_; }
  Shortcuts& shortcuts() { return *shortcuts_; }
  HelpOverlay& help() { return *help_; }
  WorldView& view() { return *view_; }
  const ViewPicture& viewPicture() const { return *picture_; }

  // The view's zoom or centre changed: the drawing is painted anew.
  void viewChanged();

  // Shows the window where it was last time (fitted to the screen), else at its design size, or
  // maximised where the screen has less room.
  void open();
  void toggleFullScreen();
  // The timeline bar along the drawing's bottom edge shows, or the drawing where it was.
  void toggleTimelineBar();

  // The surface may have new pixels: repaint what changed where no control covers it.
  void drawingChanged();
  // What a tick changes is painted once, after it: inside a tick the areas are gathered.
  void repaintWithTick(const QRegion& area);

  // A recording to the file of that name runs (none when empty): the title says so and a red
  // mark shows in the drawing's bottom right corner, painted over the picture.
  void showRecording(const QString& fileName);
  QRect recordingMark() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void hideEvent(QHideEvent* event) override;  // keeps where the window was

 private:
  void afterTimer();
  void gatherDrawing();
  bool holding() const;
  void letGo(bool now);
  void resizeDrawingArea();
  bool holdToMaximum();
  const QRegion& uncoveredRegion();
  QRect viewFigure() const;
  void catchUpView();
  QRect placeOnDrawing(const Control& c, const QRect& r) const;
  void placeDrawingMarks();

  Sim& sim_;
  std::unique_ptr<ControlBinding> controls_;
  std::unique_ptr<TimeControl> time_;
  TimelineBar* bar_ = nullptr;
  Shortcuts* shortcuts_;
  HelpOverlay* help_;
  int tickDone_ = 0;
  std::vector<PixelRect> changes_;
  QRegion uncovered_;
  QRegion held_;
  QRegion scrolled_;  // what a followed body moves on the window, and its pieces
  std::vector<QRect> scrollPieces_;
  bool uncoveredStale_ = true;
  bool maximisedBeforeFullScreen_ = false;
  bool inPast_ = false;  // at the end of the last run of timer events
  QString recordingFile_;
  std::unique_ptr<WorldView> view_;
  std::unique_ptr<ViewPicture> picture_;
  QElapsedTimer sinceViewPaint_;
  QTimer nextFrame_;        // a view's paint that came too soon after the last
  bool viewDrawn_ = false;  // ticks drew into a view that is not yet painted
  bool ticked_ = false;     // a tick ended since the last letGo()
  FramePacer pacer_;
  QElapsedTimer awake_;  // the pacer's clock
};

}  // namespace sw4
