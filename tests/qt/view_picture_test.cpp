// The picture of a followed view as the window keeps it: what is on the screen, moved by the
// shift and painted again where catchUp() says, is the view rendered whole.
#include "qt/view_picture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

#include "model/fs4.h"
#include "program/program.h"
#include "qt_app.h"
#include "view/world_view.h"

namespace sw4 {
namespace {

// A window's own format is copied into row by row; another is painted by the painter.
class ViewPictureOn : public ::testing::TestWithParam<QImage::Format> {};

TEST_P(ViewPictureOn, TheMovedScreenPaintedWhereAskedIsTheViewNow) {
  testing::QtAppReady ready;
  Program sim;
  sim.form.Frame7.setVisible(false);
  sim.form.Command2.userClick();  // "Go"
  WorldView view(sim);
  view.follow(1, 3);
  ViewPicture picture(sim, view);
  const int w = sim.surface.widthPixels(), h = sim.surface.heightPixels();
  QImage screen(w, h, GetParam());
  const QRect away(-1000, -1000, 1, 1);  // no zoom figure
  const auto paint = [&](const QRegion& region) {
    QPainter p(&screen);
    picture.paint(p, region, away);
  };
  paint(QRect(0, 0, w, h));
  int moved = 0;
  for (int frame = 0; frame < 12; ++frame) {
    if (frame == 6) sim.surface.clear();
    for (int t = 0; t < 3; ++t) {
      tick(sim);
      picture.drawn();
      paint(QRect(10, 10, 20, 20));  // a control on the drawing painted again between frames
    }
    const ViewPicture::Catch c = picture.catchUp();
    moved += !c.shift.isNull();
    QImage before = screen.copy();
    screen.fill(Qt::magenta);  // what the move does not cover must be painted again
    QPainter(&screen).drawImage(c.shift, before);
    paint(c.area);
    const std::vector<std::uint32_t> whole = view.render(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        ASSERT_EQ(screen.pixel(x, y) | 0xFF000000u, whole[static_cast<std::size_t>(y) * w + x])
            << "frame " << frame << " at " << x << ", " << y;
  }
  EXPECT_GT(moved, 6);  // the body moved the picture
}

INSTANTIATE_TEST_SUITE_P(Formats, ViewPictureOn,
                         ::testing::Values(QImage::Format_ARGB32_Premultiplied,
                                           QImage::Format_ARGB32));

}  // namespace
}  // namespace sw4
