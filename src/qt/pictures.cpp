#include "qt/pictures.h"

#include <QPainter>
#include <QRadialGradient>

namespace sw4 {

namespace {

QPixmap transparentSquare(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  return pm;
}

}  // namespace

QPixmap sunPicture(int size) {
  QPixmap pm = transparentSquare(size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(size / 2.0, size / 2.0);
  const double r = size / 2.0;
  // The glow: fades from orange to nothing at the edge of the square.
  QRadialGradient glow(c, r);
  glow.setColorAt(0.0, QColor(255, 200, 80, 255));
  glow.setColorAt(0.55, QColor(255, 140, 20, 200));
  glow.setColorAt(0.75, QColor(255, 90, 0, 70));
  glow.setColorAt(1.0, QColor(255, 60, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(c, r, r);
  // The disc: white-hot in the middle, yellow, then orange at the rim.
  QRadialGradient disc(c - QPointF(r * 0.12, r * 0.12), r * 0.6);
  disc.setColorAt(0.0, QColor(255, 255, 230));
  disc.setColorAt(0.45, QColor(255, 236, 110));
  disc.setColorAt(0.85, QColor(255, 176, 40));
  disc.setColorAt(1.0, QColor(240, 120, 20));
  p.setBrush(disc);
  p.drawEllipse(c, r * 0.56, r * 0.56);
  return pm;
}

QPixmap moonPicture(int size) {
  QPixmap pm = transparentSquare(size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const double r = size / 2.0 - 0.5;
  const QPointF c(size / 2.0, size / 2.0);
  QRadialGradient body(c - QPointF(r * 0.35, r * 0.35), r * 1.4);
  body.setColorAt(0.0, QColor(225, 225, 220));
  body.setColorAt(0.6, QColor(160, 160, 158));
  body.setColorAt(1.0, QColor(70, 70, 72));
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawEllipse(c, r, r);
  // Craters: a darker floor with a lighter lower rim, at fixed places on the disc.
  struct Crater {
    double x, y, radius;
  };
  const Crater craters[] = {{-0.35, -0.2, 0.2},  {0.25, -0.4, 0.13}, {0.3, 0.25, 0.24},
                            {-0.25, 0.45, 0.12}, {-0.55, 0.2, 0.09}, {0.05, 0.05, 0.08}};
  for (const Crater& k : craters) {
    const QPointF at = c + QPointF(k.x * r, k.y * r);
    const double kr = k.radius * r;
    p.setBrush(QColor(200, 200, 196, 160));
    p.drawEllipse(at + QPointF(kr * 0.12, kr * 0.12), kr, kr);
    p.setBrush(QColor(96, 96, 100, 200));
    p.drawEllipse(at, kr, kr);
  }
  return pm;
}

}  // namespace sw4
