#include "qt/caption_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>

namespace sw4 {

namespace {

// What a screen reader hears of a caption: static text named by what it shows.
class CaptionAccessible : public QAccessibleWidget {
 public:
  explicit CaptionAccessible(CaptionLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<const CaptionLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* accessibleCaption(const QString& className, QObject* object) {
  if (className != QLatin1String(CaptionLabel::staticMetaObject.className())) return nullptr;
  return new CaptionAccessible(static_cast<CaptionLabel*>(object));
}

}  // namespace

CaptionLabel::CaptionLabel(QWidget* parent) : QWidget(parent) {
  static const bool installed = (QAccessible::installFactory(accessibleCaption), true);
  (void)installed;
  setBackgroundRole(QPalette::Window);
  setForegroundRole(QPalette::WindowText);
}

void CaptionLabel::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  if (repaint_) {
    repaint_(*this);
  } else {
    update();
  }
  if (QAccessible::isActive()) {
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
  }
}

void CaptionLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().brush(backgroundRole()));
  style()->drawItemText(&p, rect(), Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), text_,
                        QPalette::WindowText);
}

}  // namespace sw4
