#include "qt/help_overlay.h"

#include <QLabel>
#include <QVBoxLayout>

namespace sw4 {

namespace {

struct Swatch {
  int r, g, b;
  const char* meaning;
};

// Colours as the drawing makes them (a sample of each).
constexpr Swatch kColours[] = {
    {255, 191, 128, "the sun"},
    {255, 0, 0, "body 1, the first giant; with \"Color\" each trail is shaded by its number"},
    {191, 96, 96, "giant planets"},
    {96, 191, 255, "waterworlds"},
    {225, 128, 32, "lunar bodies"},
    {165, 165, 165, "asteroids (the inspector's ring shows a body's kind in these colours)"},
    {140, 60, 240, "crust sparks of a partial collision (yellow when the sun takes part)"},
    {230, 215, 20, "sparks at the sun"},
    {90, 140, 120, "bond marks: short marks where bodies cling together"},
    {255, 130, 0, "a merge burst"},
    {40, 180, 150, "dark matter; placed on the ring, it shows teal"},
    {140, 0, 180, "a moon attempt"},
    {220, 160, 100, "the halo round the tagged body"},
    {255, 250, 100, "the watched body while \"Min/Max Tag\" is ticked"},
};

QString escaped(const QString& s) {
  return s.toHtmlEscaped();
}

}  // namespace

HelpOverlay::HelpOverlay(QWidget& window) : QFrame(&window), text_(new QLabel(this)) {
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(16, 16, 22));
  p.setColor(QPalette::WindowText, QColor(220, 220, 220));
  setPalette(p);
  text_->setTextFormat(Qt::RichText);
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(16, 12, 16, 12);
  box->addWidget(text_);
  hide();
}

void HelpOverlay::toggle(const std::vector<Shortcuts::Entry>& keys) {
  if (isVisible()) {
    hide();
    return;
  }
  QString html = QStringLiteral("<p><b>Keys</b></p><table cellspacing=2>");
  const auto row = [&html](const QString& key, const QString& what) {
    html += QStringLiteral("<tr><td><b>%1</b>&nbsp;&nbsp;</td><td>%2</td></tr>")
                .arg(escaped(key), escaped(what));
  };
  for (const auto& k : keys) row(k.keys, k.what);
  html += QStringLiteral("</table><p><b>Colours on the drawing</b></p><table cellspacing=2>");
  for (const Swatch& s : kColours)
    html += QStringLiteral("<tr><td><span style=\"color:rgb(%1,%2,%3)\">&#9632;&#9632;</span>"
                           "&nbsp;</td><td>%4</td></tr>")
                .arg(s.r)
                .arg(s.g)
                .arg(s.b)
                .arg(escaped(QString::fromUtf8(s.meaning)));
  html += QStringLiteral("</table><p>A field outlined in red holds no number. "
                         "F1 or Escape closes this.</p>");
  text_->setText(html);
  adjustSize();
  centre();
  show();
  raise();
}

void HelpOverlay::centre() {
  const QWidget* w = parentWidget();
  move((w->width() - width()) / 2, (w->height() - height()) / 2);
}

void HelpOverlay::mousePressEvent(QMouseEvent*) {
  hide();
}

}  // namespace sw4
