#pragma once

class QWidget;

namespace sw4 {

class Sim;

// The simulation's host hooks for the running app, attached for the lifetime of this object:
// event processing inside the tick, ending the program, opening a web address (never through a
// shell) and a critical message box.
class HostHooks {
 public:
  HostHooks(Sim& sim, QWidget& window);
  ~HostHooks();
  HostHooks(const HostHooks&) = delete;
  HostHooks& operator=(const HostHooks&) = delete;

 private:
  Sim& sim_;
  int processEvents_, endProgram_, openUrl_, criticalMessage_;
};

}  // namespace sw4
