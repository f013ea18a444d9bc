#pragma once

class QWidget;

namespace sw4 {

class Sim;

// Fills in the simulation's host hooks for the running app: event processing inside the tick,
// ending the program, opening a web address (never through a shell) and a critical message box.
void installHostHooks(Sim& sim, QWidget& window);

}  // namespace sw4
