#include "qt/outside_destroy.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <QWidget>

namespace sw4 {

OutsideDestroy::OutsideDestroy(QWidget& window) : window_(window) {
  QCoreApplication::instance()->installNativeEventFilter(this);
}

OutsideDestroy::~OutsideDestroy() {
  QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool OutsideDestroy::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY) return false;
  const auto* destroyed = reinterpret_cast<const xcb_destroy_notify_event_t*>(event);
  // Qt destroys its own windows only after hiding them (or when it recreates one, under a new id).
  if (!window_.isVisible() || destroyed->window != window_.internalWinId()) return false;
  // Queued: the close runs outside the native event's delivery, like a window manager's close.
  QMetaObject::invokeMethod(&window_, &QWidget::close, Qt::QueuedConnection);
  return false;
}

}  // namespace sw4
