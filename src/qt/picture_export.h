#pragma once
#include <QDateTime>
#include <QImage>
#include <QString>

namespace sw4 {

class Surface;

// The drawing as an image of its own at the screen's device pixels: each of the surface's
// pixels a block of devicePixelRatio device pixels a side, unsmoothed, as the window shows it.
QImage drawingPicture(const Surface& surface, qreal devicePixelRatio = 1.0);
// "sw4-YYYYMMDD-HHMMSS.png" for the moment given.
QString defaultPictureName(const QDateTime& when);
// Where a picture is saved unless the user chooses otherwise: the pictures folder, or home.
QString picturesFolder();
// Saves the picture as PNG, whole or not at all (writeWhole); `why` says why not.
bool savePicture(const QImage& picture, const QString& path, QString& why);
void copyPicture(const QImage& picture);

}  // namespace sw4
