#pragma once
// How the world is shown: a zoom and a centre in the world's coordinates (twips), or the classic
// view, which is the drawing's own surface pixel for pixel. Never part of the world: nothing
// here changes the surface, WorldHash, png or recordings.
//
// Pixels here are device pixels of an output of width x height (the drawing area's own size in
// the window and for `shot`; any size for a clip). At zoom Z a twip is Z x ratio / 15 device
// pixels (ratio: the surface's device pixels a logical pixel), and the centre shows in the
// middle of the output. Zoom 1 centred on the middle of the drawing area is the classic view.
//
// While the view is not the classic one it listens to the surface's marks (MarkCanvas) and keeps
// them in the world, so trails stay where they were drawn as the view moves or follows a body;
// a mark keeps its size on screen. Leaving the classic view starts from the surface's picture.
// Outside the drawing area the picture goes on (bodies that left it), and the area's edge shows
// as a faint frame.
//
// For a window on top: setView/zoomAbout/panBy for the wheel and a drag, bodyAt and follow for
// a double-click, fit and setClassic for the buttons, worldX/screenX for the cursor, render()
// to paint, memoryBytes() for the bound.
#include <cstdint>
#include <memory>
#include <vector>

#include "view/mark_canvas.h"

namespace sw4 {

class Sim;

class WorldView {
 public:
  static constexpr double kMinZoom = 1.0 / 16;
  static constexpr double kMaxZoom = 64;

  explicit WorldView(Sim& sim);
  ~WorldView();
  WorldView(const WorldView&) = delete;
  WorldView& operator=(const WorldView&) = delete;

  // Zoom 1 centred on the middle of the drawing area, as it is now and after every resize.
  void setClassic();
  // Zoom `zoom` (held to kMinZoom..kMaxZoom) centred at x, y twips; stops following. Zoom 1
  // within half a twip of the middle of the drawing area is the classic view.
  void setView(double zoom, double x, double y);
  // The centre moves with body `body` at every tick (and stays where the body was last seen
  // when it is switched off or goes beyond the numbers); the zoom stays unless given.
  void follow(int body);
  void follow(int body, double zoom);
  // Zoom and centre so that every body that is on shows, with a margin; classic when none is.
  void fit();
  // Zooms by `factor` keeping the world point under output pixel px, py where it is (about the
  // centre while following).
  void zoomAbout(double factor, double px, double py, int width, int height);
  // Moves the picture by dx, dy output pixels (a drag); stops following.
  void panBy(double dx, double dy);
  // Marks are kept also while classic, so leaving it shows what was drawn beyond the drawing
  // area meanwhile (costs the listening in every tick; off by default).
  void keepWorld(bool on);

  bool classic() const { return classic_; }
  double zoom() const { return classic_ ? 1.0 : zoom_; }
  double centreX() const;
  double centreY() const;
  int followed() const { return followed_; }  // -1: none

  // The world point at output pixel px (its left edge) and the reverse, in twips and device
  // pixels.
  double worldX(double px, int width) const;
  double worldY(double py, int height) const;
  double screenX(double x, int width) const;
  double screenY(double y, int height) const;
  // The body that is on nearest output pixel px, py within `radius` pixels, -1 for none.
  int bodyAt(double px, double py, int width, int height, double radius) const;

  // The view into width x height pixels (0xFFRRGGBB words). Classic at the surface's own size:
  // the surface's pixels.
  void render(const PixelTarget& out);
  std::vector<std::uint32_t> render(int width, int height);
  // The part of a width x height output whose top left corner is partX, partY, as large as
  // `out`: the same pixels render(out) gives there (a window repaints what changed).
  void render(const PixelTarget& out, int partX, int partY, int width, int height);

  // The squares of kChangedSide output pixels (of a width x height output, each at its top left
  // corner) that new marks went into since the last call, with their pixels: kChangedSide rows
  // of as many words, 0 where what lies beneath shows. The view's newest marks are drawn over
  // everything else, so these put over the picture rendered before give the picture render()
  // gives now. False, handing nothing, when anything else may show otherwise (and always in the
  // classic view).
  static constexpr int kChangedSide = TileLayer::kSide;
  template <class F>
  bool takeChanged(int width, int height, F f) {
    if (classic_ || !canvas_) return false;
    canvas_->settle(cx_, cy_);
    const std::int64_t ox = origin(centreX(), width), oy = origin(centreY(), height);
    return canvas_->takeChanged([&](const TileLayer::Tile& t) {
      f((std::int64_t{t.tx} << TileLayer::kShift) - ox,
        (std::int64_t{t.ty} << TileLayer::kShift) - oy, static_cast<const std::uint32_t*>(t.px));
    });
  }

  std::size_t memoryBytes() const;
  long droppedMarks() const { return canvas_ ? canvas_->dropped() : 0; }

 private:
  bool following() const;  // the followed body is on and somewhere
  void listen(bool on);
  void update();  // after any change of zoom, centre or classic
  void tickDone();
  double pixelsPerTwip() const;
  std::int64_t origin(double centre, int size) const;

  Sim& sim_;
  bool classic_ = true;
  bool keepWorld_ = false;
  double zoom_ = 1.0;
  double cx_ = 0, cy_ = 0;
  int followed_ = -1;
  std::unique_ptr<MarkCanvas> canvas_;  // while listening
  int tickHook_ = 0;
};

}  // namespace sw4
