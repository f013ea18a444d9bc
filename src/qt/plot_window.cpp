#include "qt/plot_window.h"

#include <QChart>
#include <QChartView>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "galaxy/galaxy.h"
#include "model/fs4.h"
#include "model/sim.h"
#include "observation/watched_orbit.h"
#include "qt/key_table.h"
#include "qt/plain_message.h"
#include "qt/remembered.h"
#include "qt/whole_file.h"

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

// The range of a value over the log, padded so the curve does not touch the frame. A value that
// changes by less than a part in 10^4 of its size shows as the flat line it is, not as its
// rounding magnified.
void fitAxis(QValueAxis& axis, double lo, double hi) {
  if (!(lo <= hi)) lo = hi = 0;
  const double size = std::max(std::fabs(lo), std::fabs(hi));
  const double pad = hi - lo > size * 1e-4 ? (hi - lo) * 0.05 : std::max(size * 0.05, 1.0);
  axis.setRange(lo - pad, hi + pad);
}

// What the orbit panel says, beside the numbers.
const char* const kConservedHelp =
    "About the sun (body 0), for the exponent in TXg(2); a, e and the period for the "
    "exponent 2 and a closed orbit only. While the sun is fixed and is the only pull on the "
    "body, its angular momentum holds from tick to tick and its energy wobbles within each "
    "orbit without drifting; the other bodies' pulls, contacts, borders and edits change both. "
    "A pull does not depend on the pulled body's own gravity, so two bodies of unequal gravity "
    "pull each other unequally: the system as a whole keeps no total energy or momentum, and "
    "none is shown.";

const char* const kOrbitCaptions[PlotWindow::kOrbitNumbers] = {
    "Distance (twips)",        "Speed (twips a tick)",
    "Energy (twips²/tick²)",   "Angular momentum (twips²/tick)",
    "Semi-major axis (twips)", "Eccentricity",
    "Period (ticks)",
};

// A number of the orbit in the panel and the CSV: the driver's word where it is not defined.
QString orbitText(double v, int digits) {
  return std::isfinite(v) ? QString::number(v, 'g', digits) : QStringLiteral("undefined");
}

// One value of the samples, thinned to at most kShownPoints points; samples where the value is
// not a finite number are left out.
template <class Value>
QList<QPointF> thinned(const WatchLog& log, Value value) {
  QList<QPointF> points;
  const std::size_t n = log.size();
  if (n <= kShownPoints) {
    points.reserve(static_cast<qsizetype>(n));
    for (std::size_t i = 0; i < n; ++i)
      if (std::isfinite(value(log[i]))) points.append(QPointF(log[i].tick, value(log[i])));
    return points;
  }
  const std::size_t buckets = kShownPoints / 2;
  points.reserve(static_cast<qsizetype>(kShownPoints));
  for (std::size_t b = 0; b < buckets; ++b) {
    const std::size_t from = b * n / buckets, to = (b + 1) * n / buckets;
    std::size_t lo = to, hi = to;
    for (std::size_t i = from; i < to; ++i) {
      const double v = value(log[i]);
      if (!std::isfinite(v)) continue;
      if (lo == to || v < value(log[lo])) lo = i;
      if (hi == to || v > value(log[hi])) hi = i;
    }
    if (lo == to) continue;
    const std::size_t first = std::min(lo, hi), second = std::max(lo, hi);
    points.append(QPointF(log[first].tick, value(log[first])));
    if (second != first) points.append(QPointF(log[second].tick, value(log[second])));
  }
  return points;
}

// The smallest and largest finite value of the samples; false when there is none.
template <class Value>
bool finiteRange(const WatchLog& log, Value value, double& lo, double& hi) {
  bool any = false;
  for (std::size_t i = 0; i < log.size(); ++i) {
    const double v = value(log[i]);
    if (!std::isfinite(v)) continue;
    lo = any ? std::min(lo, v) : v;
    hi = any ? std::max(hi, v) : v;
    any = true;
  }
  return any;
}

}  // namespace

PlotWindow::PlotWindow(Sim& sim, QWidget* parent) : QWidget(parent, Qt::Window), sim_(sim) {
  setWindowTitle(tr("SW4: watched body"));
  if (!restorePlace(WindowPlace::Plot, *this)) resize(980, 760);
  bindKeys(keyRow(KeyAction::ClosePlot), *this, *this, [this] { close(); });
  askFile = [this](const FileQuestion& q) { return askForFile(this, q); };
  warn = [this](const QString& title, const QString& text) { warnPlainly(this, title, text); };

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

  energy_ = lineSeries(tr("energy"), QColor(255, 200, 90), Qt::SolidLine);
  angularMomentum_ = lineSeries(tr("angular momentum"), QColor(140, 220, 200), Qt::SolidLine);
  auto* orbit = new QChart;
  orbit->setTheme(QChart::ChartThemeDark);
  orbit->setTitle(tr("Orbit about the sun"));
  orbit->addSeries(energy_);
  orbit->addSeries(angularMomentum_);
  orbitTickAxis_ = valueAxis(tr("tick"));
  orbitTickAxis_->setLabelFormat("%d");
  energyAxis_ = valueAxis(tr("energy (twips²/tick²)"));
  momentumAxis_ = valueAxis(tr("angular momentum (twips²/tick)"));
  orbit->addAxis(orbitTickAxis_, Qt::AlignBottom);
  orbit->addAxis(energyAxis_, Qt::AlignLeft);
  orbit->addAxis(momentumAxis_, Qt::AlignRight);
  for (QLineSeries* s : {energy_, angularMomentum_}) {
    s->attachAxis(orbitTickAxis_);
    s->attachAxis(s == energy_ ? energyAxis_ : momentumAxis_);
  }
  orbitView_ = new QChartView(orbit);
  orbitView_->setRenderHint(QPainter::Antialiasing);

  tabs_ = new QTabWidget;
  tabs_->addTab(watchView_, tr("Distance and speed"));
  tabs_->addTab(orbitView_, tr("Energy and angular momentum"));

  auto* numbers = new QGroupBox(tr("Orbit now"));
  auto* form = new QFormLayout(numbers);
  for (int i = 0; i < kOrbitNumbers; ++i) {
    orbitNumbers_[i] = new QLabel;
    orbitNumbers_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(tr(kOrbitCaptions[i]), orbitNumbers_[i]);
  }
  auto* help = new QLabel(tr(kConservedHelp));
  help->setWordWrap(true);
  form->addRow(help);
  numbers->setFixedWidth(300);
  auto* top = new QHBoxLayout;
  top->addWidget(tabs_, 1);
  top->addWidget(numbers);

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
  layout->addLayout(top, 1);
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
      log_.record(sim_.world, watchedOrbit(sim_));
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
  rememberPlace(WindowPlace::Plot, *this);
}

void PlotWindow::redraw() {
  const Control& box = sim_.form.Chdark;
  const bool curveShown = box.value() == 1;
  const bool appears = curveShown && !curveView_->isVisibleTo(this);
  if (curveView_->isVisibleTo(this) != curveShown) curveView_->setVisible(curveShown);
  if (log_.version() != drawnVersion_) redrawWatch();
  if (curveShown && (appears || ticksSeen_ != curveDrawnAt_)) redrawCurve();
  redrawOrbitNumbers();
}

void PlotWindow::redrawOrbitNumbers() {
  const OrbitNumbers o = watchedOrbit(sim_);
  const std::optional<double> OrbitNumbers::*shown[kOrbitNumbers] = {
      &OrbitNumbers::distance,        &OrbitNumbers::speed,         &OrbitNumbers::energy,
      &OrbitNumbers::angularMomentum, &OrbitNumbers::semiMajorAxis, &OrbitNumbers::eccentricity,
      &OrbitNumbers::period};
  for (int i = 0; i < kOrbitNumbers; ++i)
    orbitNumbers_[i]->setText(
        orbitText((o.*shown[i]).value_or(std::numeric_limits<double>::quiet_NaN()), 8));
}

QString PlotWindow::orbitNumber(int i) const {
  return orbitNumbers_.at(static_cast<std::size_t>(i))->text();
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
  const auto energy = [](const WatchSample& s) { return s.energy; };
  const auto momentum = [](const WatchSample& s) { return s.angularMomentum; };
  energy_->replace(thinned(log_, energy));
  angularMomentum_->replace(thinned(log_, momentum));
  if (log_.size() == 0) return;
  double lo = 0, hi = 0;
  if (finiteRange(log_, energy, lo, hi)) fitAxis(*energyAxis_, lo, hi);
  if (finiteRange(log_, momentum, lo, hi)) fitAxis(*momentumAxis_, lo, hi);
  double dLo = log_[0].distance, dHi = dLo, vLo = log_[0].speed, vHi = vLo;
  for (std::size_t i = 0; i < log_.size(); ++i) {
    const WatchSample& s = log_[i];
    dLo = std::min({dLo, s.distance, s.perihelion});
    dHi = std::max({dHi, s.distance, s.aphelion});
    vLo = std::min(vLo, s.speed);
    vHi = std::max(vHi, s.speed);
  }
  tickAxis_->setRange(log_[0].tick, std::max(log_[log_.size() - 1].tick, log_[0].tick + 1));
  orbitTickAxis_->setRange(tickAxis_->min(), tickAxis_->max());
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
  QString s = QStringLiteral("tick,distance,speed,aphelion,perihelion,energy,angular_momentum\n");
  for (std::size_t i = 0; i < log_.size(); ++i) {
    const WatchSample& w = log_[i];
    s += QString::number(w.tick) + ',' + QString::number(w.distance, 'g', 17) + ',' +
         QString::number(w.speed, 'g', 17) + ',' + QString::number(w.aphelion, 'g', 17) + ',' +
         QString::number(w.perihelion, 'g', 17) + ',' + orbitText(w.energy, 17) + ',' +
         orbitText(w.angularMomentum, 17) + '\n';
  }
  return s;
}

bool PlotWindow::exportCsv(const QString& path, QString& why) const {
  return writeWhole(path, csv().toUtf8(), why);
}

void PlotWindow::chooseCsvFile() {
  const QString folder = lastFolder(
      FileKind::Csv, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  const QString name = QStringLiteral("sw4-body-%1.csv").arg(log_.body() < 0 ? 0 : log_.body());
  const QString path = askFile({FileQuestion::Mode::Save, tr("Export CSV"),
                                folder.isEmpty() ? name : folder + '/' + name,
                                tr("CSV files (*.csv);;All files (*)")});
  if (path.isEmpty()) return;
  rememberFolder(FileKind::Csv, path);
  QString why;
  if (!exportCsv(path, why)) warn(tr("Export CSV"), notSaved(tr("The CSV file"), path, why));
}

}  // namespace sw4
