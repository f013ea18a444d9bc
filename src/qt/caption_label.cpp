#include "qt/caption_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <cstring>

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
  if (isEnabled() && drawNumber(p)) return;
  style()->drawItemText(&p, rect(), Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), text_,
                        QPalette::WindowText);
}

// The tick count is a new number every tick: its characters, laid out once each, are placed side
// by side where the style would put them, so the text is not shaped again each time.
bool CaptionLabel::drawNumber(QPainter& p) {
  if (text_.isEmpty() || text_.size() > 32) return false;
  for (QChar c : text_)
    if (numberCharIndex(c) < 0) return false;
  const QFontMetricsF metrics(font());
  if (numberFont_ != font() || numberChars_[0].text().isEmpty()) {
    numberFont_ = font();
    for (int i = 0; i < kNumberCharCount; ++i) {
      const QString c(QLatin1Char(kNumberChars[i]));
      numberChars_[i].setText(c);
      numberChars_[i].setTextFormat(Qt::PlainText);
      numberChars_[i].prepare(QTransform(), numberFont_);
      numberAdvances_[i] = metrics.horizontalAdvance(c);
    }
  }
  p.setFont(numberFont_);
  p.setPen(palette().color(QPalette::WindowText));
  QPointF at(0, (height() - metrics.height()) / 2);
  for (QChar c : text_) {
    const int i = numberCharIndex(c);
    p.drawStaticText(at, numberChars_[i]);
    at.rx() += numberAdvances_[i];
  }
  return true;
}

int CaptionLabel::numberCharIndex(QChar c) {
  const char* at =
      c.unicode() < 128
          ? static_cast<const char*>(std::memchr(kNumberChars, c.unicode(), kNumberCharCount))
          : nullptr;
  return at ? static_cast<int>(at - kNumberChars) : -1;
}

}  // namespace sw4
