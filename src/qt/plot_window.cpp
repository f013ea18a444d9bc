#include "qt/plot_window.h"

#include <QChart>
#include <QChartView>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QScatterSeries>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "galaxy/galaxy.h"
#include "model/fs4.h"
#include "model/sim.h"

namespace sw4 {

namespace {

// At most this many points a series: the log is thinned to the smallest and largest value of
// each stretch of ticks, which keeps every peak on screen.
constexpr std::size_t kShownPoints = 2000;
// The rotation curve: the median speed in this many stretches of distance, each of at least
// this many bodies.
constexpr int kCurveBins = 16;
constexpr std::size_t kCurveBodiesAtLeast = 3;

QLineSeries* lineSeries(const QString& name, const QColor& color, Qt::PenStyle style) {
  auto* s = new QLineSeries;
  s->setName(name);
  QPen pen(color);
  pen.setWidthF(1.5);
  pen.setStyle(style);
  s->setPen(pen);
  return s;
}

QValueAxis* valueAxis(const QString& title) {
  auto* a = new QValueAxis;
  a->setTitleText(title);
  a->setLabelFormat("%.6g");
  return a;
}

// The range of a value over the log, padded so the curve does not touch the frame.
void fitAxis(QValueAxis& axis, double lo, double hi) {
  if (!(lo <= hi)) lo = hi = 0;
  const double pad = hi > lo ? (hi - lo) * 0.05 : std::max(std::fabs(hi) * 0.05, 1.0);
  axis.setRange(lo - pad, hi + pad);
}

// One value of the samples, thinned to at most kShownPoints points.
template <class Value>
QList<QPointF> thinned(const WatchLog& log, Value value) {
  QList<QPointF> points;
  const std::size_t n = log.size();
  if (n <= kShownPoints) {
    points.reserve(static_cast<qsizetype>(n));
    for (std::size_t i = 0; i < n; ++i) points.append(QPointF(log[i].tick, value(log[i])));
    return points;
  }
  const std::size_t buckets = kShownPoints / 2;
  points.reserve(static_cast<qsizetype>(kShownPoints));
  for (std::size_t b = 0; b < buckets; ++b) {
    const std::size_t from = b * n / buckets, to = (b + 1) * n / buckets;
    std::size_t lo = from, hi = from;
    for (std::size_t i = from; i < to; ++i) {
      if (value(log[i]) < value(log[lo])) lo = i;
      if (value(log[i]) > value(log[hi])) hi = i;
    }
    const std::size_t first = std::min(lo, hi), second = std::max(lo, hi);
    points.append(QPointF(log[first].tick, value(log[first])));
    if (second != first) points.append(QPointF(log[second].tick, value(log[second])));
  }
  return points;
}

}  // namespace

PlotWindow::PlotWindow(Sim& sim, QWidget* parent) : QWidget(parent, Qt::Window), sim_(sim) {
  setWindowTitle(tr("SW4: watched body"));
  resize(760, 720);

  distance_ = lineSeries(tr("distance from the sun"), QColor(110, 190, 255), Qt::SolidLine);
  aphelion_ = lineSeries(tr("aphelion record"), QColor(255, 191, 128), Qt::DashLine);
  perihelion_ = lineSeries(tr("perihelion record"), QColor(191, 255, 128), Qt::DashLine);
  speed_ = lineSeries(tr("speed"), QColor(255, 128, 191), Qt::SolidLine);
  auto* watch = new QChart;
  watch->setTheme(QChart::ChartThemeDark);
  watch->setTitle(tr("Watched body"));
  for (QLineSeries* s : {distance_, aphelion_, perihelion_, speed_}) watch->addSeries(s);
  tickAxis_ = valueAxis(tr("tick"));
  tickAxis_->setLabelFormat("%d");
  distanceAxis_ = valueAxis(tr("distance (twips)"));
  speedAxis_ = valueAxis(tr("speed (twips a tick)"));
  watch->addAxis(tickAxis_, Qt::AlignBottom);
  watch->addAxis(distanceAxis_, Qt::AlignLeft);
  watch->addAxis(speedAxis_, Qt::AlignRight);
  for (QLineSeries* s : {distance_, aphelion_, perihelion_, speed_}) {
    s->attachAxis(tickAxis_);
    s->attachAxis(s == speed_ ? speedAxis_ : distanceAxis_);
  }
  watchView_ = new QChartView(watch);
  watchView_->setRenderHint(QPainter::Antialiasing);

  bodies_ = new QScatterSeries;
  bodies_->setName(tr("bodies"));
  bodies_->setMarkerSize(5);
  bodies_->setColor(QColor(110, 190, 255));
  bodies_->setBorderColor(Qt::transparent);
  darkMatter_ = new QScatterSeries;
  darkMatter_->setName(tr("dark-matter ring"));
  darkMatter_->setMarkerSize(6);
  darkMatter_->setColor(QColor(170, 170, 170));
  darkMatter_->setBorderColor(Qt::transparent);
  medianSpeed_ = lineSeries(tr("median speed"), QColor(255, 230, 110), Qt::SolidLine);
  auto* curve = new QChart;
  curve->setTheme(QChart::ChartThemeDark);
  curve->setTitle(tr("Rotation curve: speed against distance from the sun"));
  curve->addSeries(bodies_);
  curve->addSeries(darkMatter_);
  curve->addSeries(medianSpeed_);
  curveDistanceAxis_ = valueAxis(tr("distance from the sun (twips)"));
  curveSpeedAxis_ = valueAxis(tr("speed (twips a tick)"));
  curve->addAxis(curveDistanceAxis_, Qt::AlignBottom);
  curve->addAxis(curveSpeedAxis_, Qt::AlignLeft);
  for (QXYSeries* s : std::initializer_list<QXYSeries*>{bodies_, darkMatter_, medianSpeed_}) {
    s->attachAxis(curveDistanceAxis_);
    s->attachAxis(curveSpeedAxis_);
  }
  curveView_ = new QChartView(curve);
  curveView_->setRenderHint(QPainter::Antialiasing);
  curveView_->setVisible(false);

  title_ = new QLabel;
  auto* exportButton = new QPushButton(tr("Export CSV..."));
  connect(exportButton, &QPushButton::clicked, this, [this] { chooseCsvFile(); });
  auto* bar = new QHBoxLayout;
  bar->addWidget(title_, 1);
  bar->addWidget(exportButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(watchView_, 1);
  layout->addWidget(curveView_, 1);
  layout->addLayout(bar);

  redrawTimer_.setInterval(kRedrawMs);
  connect(&redrawTimer_, &QTimer::timeout, this, [this] { redraw(); });
}

PlotWindow::~PlotWindow() {
  listen(false);
}

void PlotWindow::listen(bool on) {
  if (on && !tickDone_) {
    tickDone_ = sim_.tickDone.add([this] {
      log_.record(sim_.world);
      ++ticksSeen_;
    });
    newRunDone_ = sim_.newRunDone.add([this] { log_.clear(); });
    redrawTimer_.start();
  } else if (!on && tickDone_) {
    sim_.tickDone.remove(tickDone_);
    sim_.newRunDone.remove(newRunDone_);
    tickDone_ = newRunDone_ = 0;
    redrawTimer_.stop();
  }
}

void PlotWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  listen(true);
  redraw();
}

void PlotWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  listen(false);
}

void PlotWindow::redraw() {
  const Control& box = sim_.form.Chdark;
  const bool curveShown = box.value() == 1;
  const bool appears = curveShown && !curveView_->isVisibleTo(this);
  if (curveView_->isVisibleTo(this) != curveShown) curveView_->setVisible(curveShown);
  if (log_.version() != drawnVersion_) redrawWatch();
  if (curveShown && (appears || ticksSeen_ != curveDrawnAt_)) redrawCurve();
}

void PlotWindow::redrawWatch() {
  drawnVersion_ = log_.version();
  title_->setText(log_.size() == 0
                      ? tr("No ticks of a watched body yet (the number in the "
                           "inspector's body field).")
                      : tr("Body %1: the last %2 ticks.").arg(log_.body()).arg(log_.size()));
  distance_->replace(thinned(log_, [](const WatchSample& s) { return s.distance; }));
  aphelion_->replace(thinned(log_, [](const WatchSample& s) { return s.aphelion; }));
  perihelion_->replace(thinned(log_, [](const WatchSample& s) { return s.perihelion; }));
  speed_->replace(thinned(log_, [](const WatchSample& s) { return s.speed; }));
  if (log_.size() == 0) return;
  double dLo = log_[0].distance, dHi = dLo, vLo = log_[0].speed, vHi = vLo;
  for (std::size_t i = 0; i < log_.size(); ++i) {
    const WatchSample& s = log_[i];
    dLo = std::min({dLo, s.distance, s.perihelion});
    dHi = std::max({dHi, s.distance, s.aphelion});
    vLo = std::min(vLo, s.speed);
    vHi = std::max(vHi, s.speed);
  }
  tickAxis_->setRange(log_[0].tick, std::max(log_[log_.size() - 1].tick, log_[0].tick + 1));
  fitAxis(*distanceAxis_, dLo, dHi);
  fitAxis(*speedAxis_, vLo, vHi);
}

void PlotWindow::redrawCurve() {
  curveDrawnAt_ = ticksSeen_;
  DarkRange dark{1, 0};
  darkMatterRange(sim_.form, dark);
  QList<QPointF> bodies, ring, median;
  std::vector<double> speeds;
  double dHi = 0, vHi = 0;
  const std::vector<CurvePoint> points = rotationCurve(sim_.world, dark.first, dark.last);
  for (const CurvePoint& p : points) {
    (p.dark ? ring : bodies).append(QPointF(p.distance, p.speed));
    dHi = std::max(dHi, p.distance);
    speeds.push_back(p.speed);
  }
  for (const CurvePoint& p : medianSpeedCurve(points, kCurveBins, kCurveBodiesAtLeast)) {
    median.append(QPointF(p.distance, p.speed));
    vHi = std::max(vHi, p.speed);
  }
  // The speed axis reaches a little over nine bodies in ten: the few flung off by a close pass
  // would squash the curve to the floor.
  if (!speeds.empty()) {
    const auto at = speeds.begin() + static_cast<std::ptrdiff_t>(speeds.size() * 9 / 10);
    std::nth_element(speeds.begin(), at, speeds.end());
    vHi = std::max(vHi, *at);
  }
  bodies_->replace(bodies);
  darkMatter_->replace(ring);
  medianSpeed_->replace(median);
  curveDistanceAxis_->setRange(0, dHi > 0 ? dHi * 1.05 : 1);
  curveSpeedAxis_->setRange(0, vHi > 0 ? vHi * 1.25 : 1);
}

QString PlotWindow::csv() const {
  QString s = QStringLiteral("tick,distance,speed,aphelion,perihelion\n");
  for (std::size_t i = 0; i < log_.size(); ++i) {
    const WatchSample& w = log_[i];
    s += QString::number(w.tick) + ',' + QString::number(w.distance, 'g', 17) + ',' +
         QString::number(w.speed, 'g', 17) + ',' + QString::number(w.aphelion, 'g', 17) + ',' +
         QString::number(w.perihelion, 'g', 17) + '\n';
  }
  return s;
}

bool PlotWindow::exportCsv(const QString& path) const {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray bytes = csv().toUtf8();
  return file.write(bytes) == bytes.size() && file.flush();
}

void PlotWindow::chooseCsvFile() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString name = QStringLiteral("sw4-body-%1.csv").arg(log_.body() < 0 ? 0 : log_.body());
  const QString path = QFileDialog::getSaveFileName(this, tr("Export CSV"),
                                                    folder.isEmpty() ? name : folder + '/' + name,
                                                    tr("CSV files (*.csv);;All files (*)"));
  if (path.isEmpty()) return;
  if (!exportCsv(path))
    QMessageBox::warning(this, tr("Export CSV"), tr("Cannot write %1.").arg(path));
}

}  // namespace sw4
