#pragma once
#include <QAbstractNativeEventFilter>

class QWidget;

namespace sw4 {

// A window destroyed by another X client (a window tool, a killed session manager) is closed
// as if the user had closed it, so the program ends instead of ticking on with no window.
class OutsideDestroy : public QAbstractNativeEventFilter {
 public:
  explicit OutsideDestroy(QWidget& window);
  ~OutsideDestroy() override;
  OutsideDestroy(const OutsideDestroy&) = delete;
  OutsideDestroy& operator=(const OutsideDestroy&) = delete;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  QWidget& window_;
};

}  // namespace sw4
