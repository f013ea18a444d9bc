#include "qt/help_overlay.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

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

HelpOverlay::HelpOverlay(QWidget& window)
    : QFrame(&window), text_(new QLabel), scroll_(new QScrollArea(this)) {
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(16, 16, 22));
  p.setColor(QPalette::WindowText, QColor(220, 220, 220));
  setPalette(p);
  text_->setTextFormat(Qt::RichText);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  scroll_->setWidget(text_);
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(16, 12, 16, 12);
  box->addWidget(scroll_);
  hide();
}

QString HelpOverlay::html(const std::vector<Shortcuts::Entry>& keys, bool sideBySide) {
  QString html = QStringLiteral(
      "<table cellspacing=0><tr><td valign=top>"
      "<p><b>Keys</b></p><table cellspacing=2>");
  for (const auto& k : keys)
    html += QStringLiteral("<tr><td><b>%1</b>&nbsp;&nbsp;</td><td>%2</td></tr>")
                .arg(escaped(k.keys), escaped(k.what));
  html += QStringLiteral("</table></td>");
  html += sideBySide ? QStringLiteral("<td>&nbsp;&nbsp;&nbsp;&nbsp;</td><td valign=top>")
                     : QStringLiteral("</tr><tr><td>");
  html += QStringLiteral("<p><b>Colours on the drawing</b></p><table cellspacing=2>");
  for (const Swatch& s : kColours)
    html += QStringLiteral(
                "<tr><td><span style=\"color:rgb(%1,%2,%3)\">&#9632;&#9632;</span>"
                "&nbsp;</td><td>%4</td></tr>")
                .arg(s.r)
                .arg(s.g)
                .arg(s.b)
                .arg(escaped(QString::fromUtf8(s.meaning)));
  html += QStringLiteral(
      "</table><p>A field outlined in red holds no number. "
      "F1 or Escape closes this.</p></td></tr></table>");
  return html;
}

void HelpOverlay::toggle(const std::vector<Shortcuts::Entry>& keys) {
  if (isVisible()) {
    hide();
    return;
  }
  const QSize room = parentWidget()->size() - QSize(16, 16);
  const QMargins m = layout()->contentsMargins() + contentsMargins();
  const int aside = m.left() + m.right(), above = m.top() + m.bottom();
  text_->setText(html(keys, true));
  QSize want = text_->sizeHint();
  if (want.width() + aside > room.width()) {
    text_->setText(html(keys, false));
    want = text_->sizeHint();
  }
  const bool scrolls = want.height() + above > room.height();
  const int bar = scrolls ? scroll_->verticalScrollBar()->sizeHint().width() : 0;
  resize(std::min(want.width() + aside + bar, room.width()),
         std::min(want.height() + above, room.height()));
  scroll_->verticalScrollBar()->setValue(0);
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
