#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/drawing_memo.h"
#include "platform/hook.h"
#include "platform/rnd.h"
#include "platform/surface.h"

namespace sw4 {

class Fs4;
struct World;

// Everything one running program holds: the window's controls, the world, the random generator,
// the drawing surface and what the drawing remembers between ticks. Every subsystem works on it;
// the program layer (program/program.h) attaches the handlers and starts it up.
class Sim {
 public:
  Sim();
  ~Sim();
  Sim(const Sim&) = delete;
  Sim& operator=(const Sim&) = delete;

 private:
  // Held apart, so that only the code that reads them includes them.
  std::unique_ptr<Fs4> form_;
  std::unique_ptr<World> world_;

 public:
  Fs4& form;     // model/fs4.h
  World& world;  // model/world.h
  Rnd rnd;
  Surface surface;
  PaletteMemo palette;
  DotMemo dots;

  // The drawing area's scale width and height in twips, read as Single.
  float W() const { return static_cast<float>(widthTwips_); }
  float H() const { return static_cast<float>(heightTwips_); }
  int widthTwips() const { return widthTwips_; }
  int heightTwips() const { return heightTwips_; }
  // The world, the generator, the drawing and the drawing's memo as they start.
  void resetState();

  // The drawing area changed size; what is drawn stays where it is (Surface::resize).
  void resizeDrawingArea(int widthTwips, int heightTwips, double devicePixelRatio = 1.0);

  // Puts back the drawing area's size as a kept state had it, without resizing the surface or
  // telling anyone (the surface is put back by the same caller).
  void restoreDrawingArea(int widthTwips, int heightTwips) {
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
  }

  // The tick's event processing after body `body`'s inner loop: the hosts deliver what is
  // pending, and those events count as coming from outside.
  void processPendingEvents(int body);
  // The body whose event processing is running, -1 outside it.
  int eventsAfterBody() const { return eventsAfterBody_; }

  // What the hosts (the window, the driver, tests) listen to or answer, side by side.
  Hook<void(int)> processEvents;  // the event processing after each pulled body (its number)
  Hook<void()> endProgram;        // "X" was pressed
  Hook<bool(const std::string&)> openUrl;  // true once a listener opened the address
  Hook<void(const std::string& title, const std::string& text)> criticalMessage;
  Hook<void()> tickDone;  // the end of every tick, so a view can repaint
  Hook<void()> newRunDone;  // New has put everything back to the start-up state
  Hook<void()> drawingResized;  // after every resizeDrawingArea

  bool inTick = false;  // a tick is running (its event processing included)
  // Every tick begun, also one a fault cut short.
  unsigned long ticksRun = 0;
  // Bumped by whatever writes the world without running a handler (the script driver's hooks),
  // so caches of the gravity pass know to refresh.
  unsigned long outsideEdits = 0;
  bool ended = false;  // "X" was pressed
  int editorBody = -1;  // the body the inspector's fields were last loaded from
  // What was asked for inside a tick (from its event processing) and waits for it to end.
  std::vector<std::function<void()>> afterTick;

 private:
  int widthTwips_ = 15360;
  int heightTwips_ = 11520;
  int eventsAfterBody_ = -1;
};

}  // namespace sw4
