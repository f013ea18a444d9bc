#pragma once
#include <QFont>
#include <QStaticText>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

namespace sw4 {

// A label's plain-text caption, drawn left-aligned and centred vertically. A new text asks for a
// repaint of the label and nothing more: the window places every control itself, so no layout
// is told (a QLabel posts a layout request to the window on every change, and the tick count
// changes every tick). Who repaints can be given; by default the label updates itself. It fills
// its own background rather than counting as opaque, so a repaint of the window's area under it
// paints it too.
class CaptionLabel : public QWidget {
  Q_OBJECT

 public:
  explicit CaptionLabel(QWidget* parent);

  const QString& text() const { return text_; }
  void setText(const QString& text);
  void setRepaint(std::function<void(QWidget&)> repaint) { repaint_ = std::move(repaint); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  static constexpr char kNumberChars[] = "0123456789-";
  static constexpr int kNumberCharCount = sizeof(kNumberChars) - 1;
  bool drawNumber(QPainter& p);
  // Where c is in kNumberChars, or -1.
  static int numberCharIndex(QChar c);

  QString text_;
  std::function<void(QWidget&)> repaint_;
  // Each character of a number, laid out once for the font it was laid out in.
  QFont numberFont_;
  std::array<QStaticText, kNumberCharCount> numberChars_;
  std::array<qreal, kNumberCharCount> numberAdvances_{};
};

}  // namespace sw4
