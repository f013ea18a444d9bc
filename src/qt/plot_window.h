#pragma once
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

#include "qt/file_dialog.h"
#include "qt/watch_log.h"

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QTabWidget;
class QValueAxis;

namespace sw4 {

class Sim;

// A window of its own that plots the watched body (the number in TXTOden) against the tick
// count: its distance from the sun with the aphelion and perihelion records, and its speed; on
// a second tab its orbital energy and angular momentum about the sun. Beside them the orbit in
// numbers now, as the driver's Orbit items give them. While "DarkM" is ticked it also shows the
// rotation curve: every planet's speed against its distance from the sun, the dark-matter ring
// apart. It reads the world and never changes it; it listens to the ticks only while it is
// shown, and redraws at most ten times a second. It
// opens where it was last closed; Escape or Ctrl+W closes it.
class PlotWindow : public QWidget {
 public:
  static constexpr int kRedrawMs = 100;

  explicit PlotWindow(Sim& sim, QWidget* parent = nullptr);
  ~PlotWindow() override;
  PlotWindow(const PlotWindow&) = delete;
  PlotWindow& operator=(const PlotWindow&) = delete;

  const WatchLog& log() const { return log_; }
  bool listening() const { return tickDone_ != 0; }
  // The log as CSV: a header line, then one line a tick, oldest first.
  QString csv() const;
  // Writes it whole or not at all (writeWhole); `why` says why not.
  bool exportCsv(const QString& path, QString& why) const;
  // How "Export CSV..." asks for the file and tells a failure: a file dialog and a message box
  // showing the text as it stands, unless replaced.
  std::function<QString(const FileQuestion&)> askFile;
  std::function<void(const QString& title, const QString& text)> warn;
  // Brings the charts up to date with the log and the world now.
  void redraw();
  QChartView* watchView() const { return watchView_; }
  QChartView* curveView() const { return curveView_; }
  QChartView* orbitView() const { return orbitView_; }
  // The orbit's numbers as shown: distance, speed, energy, angular momentum, semi-major axis,
  // eccentricity, period.
  static constexpr int kOrbitNumbers = 7;
  QString orbitNumber(int i) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void listen(bool on);
  void redrawWatch();
  void redrawCurve();
  void redrawOrbitNumbers();
  void chooseCsvFile();

  Sim& sim_;
  WatchLog log_;
  int tickDone_ = 0, newRunDone_ = 0;
  unsigned long drawnVersion_ = ~0ul;
  unsigned long ticksSeen_ = 0, curveDrawnAt_ = ~0ul;
  QTimer redrawTimer_;
  QLabel* title_ = nullptr;
  QChartView* watchView_ = nullptr;
  QChartView* curveView_ = nullptr;
  QChartView* orbitView_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  std::array<QLabel*, kOrbitNumbers> orbitNumbers_{};
  QLineSeries *energy_ = nullptr, *angularMomentum_ = nullptr;
  QValueAxis *orbitTickAxis_ = nullptr, *energyAxis_ = nullptr, *momentumAxis_ = nullptr;
  QLineSeries *distance_ = nullptr, *speed_ = nullptr, *aphelion_ = nullptr, *perihelion_ = nullptr;
  QValueAxis *tickAxis_ = nullptr, *distanceAxis_ = nullptr, *speedAxis_ = nullptr;
  QScatterSeries *bodies_ = nullptr, *darkMatter_ = nullptr;
  QLineSeries* medianSpeed_ = nullptr;
  QValueAxis *curveDistanceAxis_ = nullptr, *curveSpeedAxis_ = nullptr;
};

}  // namespace sw4
