#include "qt/picture_export.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QStandardPaths>
#include <cmath>

#include "platform/surface.h"
#include "qt/whole_file.h"

namespace sw4 {

QImage drawingPicture(const Surface& surface, qreal devicePixelRatio) {
  if (surface.widthPixels() <= 0 || surface.heightPixels() <= 0) return {};
  const QImage view(reinterpret_cast<const uchar*>(surface.data()), surface.widthPixels(),
                    surface.heightPixels(), surface.stride() * 4, QImage::Format_RGB32);
  const qreal scale = devicePixelRatio / surface.devicePixelRatio();
  QImage picture = std::fabs(scale - 1.0) < 1e-9
                       ? view.copy()
                       : view.scaled(qRound(view.width() * scale), qRound(view.height() * scale),
                                     Qt::IgnoreAspectRatio, Qt::FastTransformation);
  picture.setDevicePixelRatio(devicePixelRatio);
  return picture;
}

QString defaultPictureName(const QDateTime& when) {
  return when.toString(QStringLiteral("'sw4-'yyyyMMdd-HHmmss'.png'"));
}

QString picturesFolder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

bool savePicture(const QImage& picture, const QString& path, QString& why) {
  if (picture.isNull()) {
    why = QStringLiteral("cannot be written: the drawing is empty");
    return false;
  }
  QBuffer png;
  png.open(QIODevice::WriteOnly);
  // The format named: nothing is guessed from the name or from what is there.
  if (!QImageWriter(&png, "PNG").write(picture)) {
    why = QStringLiteral("cannot be written: the picture cannot be made");
    return false;
  }
  return writeWhole(path, png.data(), why);
}

void copyPicture(const QImage& picture) {
  QGuiApplication::clipboard()->setImage(picture);
}

}  // namespace sw4
