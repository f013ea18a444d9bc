#pragma once
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

class QPainter;

namespace sw4 {

class Sim;
class WorldView;

// The drawing as a view other than the classic one shows it: the view rendered into an image
// kept between paints, wholly when the view changed and where it came into sight when it moved,
// the view's new marks drawn onto it as they come, the asked rectangles drawn from it, and the zoom
// figure in a corner. The classic view never comes here: the window paints the surface.
class ViewPicture {
 public:
  ViewPicture(Sim& sim, WorldView& view);

  // The view changed: the next paint renders it whole, and the next catchUp() asks for all of it.
  void stale() { whole_ = showAll_ = true; }
  bool isStale() const { return whole_; }
  // After ticks that drew: the view's new marks are drawn onto the image.
  void drawn();
  // Before a paint: the image brought to where the view is now. A view that only moved (a
  // followed body) scrolls the image by `shift` output pixels, and the window scrolls the same;
  // `area` is what must be painted then: the new marks and what came into sight.
  struct Catch {
    QPoint shift;
    QRegion area;
  };
  Catch catchUp();
  // Paints `region` of the drawing, the zoom figure in `figureAt`.
  void paint(QPainter& p, const QRegion& region, const QRect& figureAt);
  // Where the zoom figure shows: the bottom right corner above `bottom`, left of `right`.
  static QRect figureRect(int right, int bottom);
  // The figure's text: "x2.5", "x1/4", with the followed body.
  QString figure() const;

  qint64 lastRenderNs() const { return renderNs_; }

 private:
  QSize outputSize() const;
  QPoint origin() const;  // the view's pixel at the output's top left corner
  void render(const QRect& part);
  // `part` of the output cut where the image wraps round: each piece with its place on the image.
  template <class F>
  void onImage(const QRect& part, F f) const;

  Sim& sim_;
  WorldView& view_;
  // Kept as a ring: output pixel P is image pixel P + wrap_, taken round its sides, so a moving
  // view scrolls it without moving a pixel.
  QImage image_;
  QPoint wrap_;
  bool whole_ = true;     // the image is to be rendered whole
  bool showAll_ = true;   // and all of it shown: a paint of a part renders it, showing only that
  QRegion dirty_;  // on the image, to render before it is shown
  QRegion shown_;  // on the image, new marks drawn onto it, not yet handed out to show
  QPoint origin_;  // the image's

  double zoom_ = 0;
  qint64 renderNs_ = 0;
  // The figure as last drawn, and what it was drawn for.
  QImage figureImage_;
  QString figureText_;
  QFont figureFont_;
  int figureHeight_ = 0;
};

}  // namespace sw4
