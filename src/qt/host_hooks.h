#pragma once

#include <memory>

class QWidget;

namespace sw4 {

class Sim;
class EventPump;

// The simulation's host hooks for the running app, attached for the lifetime of this object:
// event processing inside the tick (EventPump), ending the program,
// opening a web address (never through a shell) and a critical message box.
class HostHooks {
 public:
  HostHooks(Sim& sim, QWidget& window);
  ~HostHooks();
  HostHooks(const HostHooks&) = delete;
  HostHooks& operator=(const HostHooks&) = delete;

 private:
  Sim& sim_;
  std::unique_ptr<EventPump> pump_;
  int processEvents_, tickDone_, endProgram_, openUrl_, criticalMessage_;
};

}  // namespace sw4
