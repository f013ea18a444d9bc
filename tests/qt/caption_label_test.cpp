// A label's caption: a number is drawn from characters laid out once, pixel for pixel as the
// style draws any text.
#include "qt/caption_label.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStyle>

#include "qt_app.h"

namespace sw4 {
namespace {

QImage styled(const CaptionLabel& label) {
  QImage image(label.size(), QImage::Format_ARGB32_Premultiplied);
  QPainter p(&image);
  p.fillRect(image.rect(), label.palette().brush(QPalette::Window));
  p.setFont(label.font());
  label.style()->drawItemText(&p, image.rect(), Qt::AlignLeft | Qt::AlignVCenter, label.palette(),
                              true, label.text(), QPalette::WindowText);
  return image;
}

TEST(CaptionLabelTest, ANumberLooksAsTheStyleDrawsIt) {
  testing::QtAppReady ready;
  for (const QSize size : {QSize(80, 14), QSize(60, 21)}) {
    CaptionLabel label(nullptr);
    label.resize(size);
    for (const char* text : {"0", "7", "203", "999999", "-32768", "1234567890", "Ticks"}) {
      label.setText(QString::fromLatin1(text));
      const QImage shown =
          label.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
      EXPECT_EQ(shown, styled(label)) << text << " in " << size.width() << "x" << size.height();
    }
  }
}

}  // namespace
}  // namespace sw4
