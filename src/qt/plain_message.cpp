#include "qt/plain_message.h"

#include <QMessageBox>

namespace sw4 {

void warnPlainly(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace sw4
