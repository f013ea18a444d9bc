#pragma once
#include <QString>
#include <QWidget>

namespace sw4 {

// A label's plain-text caption, drawn left-aligned and centred vertically. A new text repaints
// the label and asks nothing more: the window places every control itself, so no layout is
// told (a QLabel posts a layout request to the window on every change, and the tick count
// changes every tick).
class CaptionLabel : public QWidget {
  Q_OBJECT

 public:
  explicit CaptionLabel(QWidget* parent);

  const QString& text() const { return text_; }
  void setText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

}  // namespace sw4
