#pragma once
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>

class QPainter;

namespace sw4 {

class Sim;
class WorldView;

// The drawing as a view other than the classic one shows it: the whole view rendered into an
// image once for each change (a tick, a zoom, a pan), the asked rectangles drawn from it, and the
// zoom figure in a corner. The classic view never comes here: the window paints the surface.
class ViewPicture {
 public:
  ViewPicture(Sim& sim, WorldView& view) : sim_(sim), view_(view) {}

  // The world or the view changed: the next paint renders anew.
  void stale() { stale_ = true; }
  // Paints `region` of the drawing, the zoom figure in `figureAt`.
  void paint(QPainter& p, const QRegion& region, const QRect& figureAt);
  // Where the zoom figure shows: the bottom right corner above `bottom`, left of `right`.
  static QRect figureRect(int right, int bottom);
  // The figure's text: "x2.5", "x1/4", with the followed body.
  QString figure() const;

  qint64 lastRenderNs() const { return renderNs_; }

 private:
  void render();

  Sim& sim_;
  WorldView& view_;
  QImage image_;
  bool stale_ = true;
  qint64 renderNs_ = 0;
};

}  // namespace sw4
