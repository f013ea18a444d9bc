#include "qt/qt_theme.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

#include "model/theme.h"
#include "qt/indicator_style.h"

namespace sw4 {

QFont controlFont() {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(11);  // about 8 points at 96 dots an inch, independent of the screen's dpi
  f.setStyleHint(QFont::SansSerif);
  return f;
}

void applyTheme(QApplication& app) {
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
    app.setStyle(new IndicatorStyle(fusion));
  QPalette p;
  const QColor panel = toQColor(theme::kPanelBack);
  const QColor text = toQColor(theme::kText);
  const QColor dim = toQColor(rgb(110, 110, 116));
  p.setColor(QPalette::Window, panel);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, toQColor(theme::kFieldBack));
  p.setColor(QPalette::AlternateBase, panel);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, toQColor(theme::kButtonBack));
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::ToolTipBase, toQColor(rgb(40, 40, 48)));
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::PlaceholderText, dim);
  p.setColor(QPalette::Highlight, toQColor(rgb(48, 88, 160)));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Light, toQColor(rgb(90, 90, 100)));
  p.setColor(QPalette::Midlight, toQColor(rgb(70, 70, 80)));
  p.setColor(QPalette::Mid, toQColor(rgb(50, 50, 58)));
  p.setColor(QPalette::Dark, toQColor(rgb(16, 16, 20)));
  p.setColor(QPalette::Shadow, Qt::black);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, dim);
  app.setPalette(p);
  app.setFont(controlFont());
}

}  // namespace sw4
