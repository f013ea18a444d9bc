#pragma once
#include <functional>
#include <string>

#include "collisions/dot_styles.h"
#include "collisions/palette_cache.h"
#include "core/world.h"
#include "platform/rnd.h"
#include "platform/surface.h"
#include "window/fs4.h"

namespace sw4 {

// Everything one running program holds: the window's controls, the world, the random generator
// and the drawing surface. The subsystems attach their handlers to the controls when it is built.
class Sim {
 public:
  Sim();
  Sim(const Sim&) = delete;
  Sim& operator=(const Sim&) = delete;

  Fs4 form;
  World world;
  Rnd rnd;
  Surface surface;
  PaletteCache palette;
  DotStyles dots;

  // The drawing area's scale width and height in twips, read as Single.
  float W() const { return static_cast<float>(widthTwips_); }
  float H() const { return static_cast<float>(heightTwips_); }
  int widthTwips() const { return widthTwips_; }
  int heightTwips() const { return heightTwips_; }
  // The drawing area changed size: the surface is reallocated (and so cleared).
  void resizeDrawingArea(int widthTwips, int heightTwips, double devicePixelRatio = 1.0);

  // Hooks the host fills in: the event processing after each pulled body (body number given),
  // ending the program, opening a web address and showing a critical message box.
  std::function<void(int)> processEvents;
  std::function<void()> endProgram;
  std::function<bool(const std::string&)> openUrl;
  std::function<void(const std::string& title, const std::string& text)> criticalMessage;
  // Called once at the end of every tick, so a view can repaint.
  std::function<void()> tickDone;

  bool inTick = false;   // a tick is running (its event processing included)
  // Bumped by whatever writes the world without running a handler (the script driver's hooks),
  // so caches of the gravity pass know to refresh.
  unsigned long outsideEdits = 0;
  bool ended = false;    // "X" was pressed

 private:
  int widthTwips_ = 15360;
  int heightTwips_ = 11520;
};

}  // namespace sw4
