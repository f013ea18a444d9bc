#pragma once
// Counts the events of one type that reach an object, while it lives.
#include <QEvent>
#include <QObject>

namespace sw4::testing {

class EventCount : public QObject {
 public:
  EventCount(QObject& watched, QEvent::Type type) : watched_(watched), type_(type) {
    watched_.installEventFilter(this);
  }
  ~EventCount() override { watched_.removeEventFilter(this); }

  int n = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    n += e->type() == type_;
    return false;
  }

 private:
  QObject& watched_;
  QEvent::Type type_;
};

}  // namespace sw4::testing
