#pragma once

#include <QImage>
#include <QString>

namespace tavro::skingen {

// Writes `image` as a BMP: 24-bit when it is opaque, else 32-bit with an alpha mask in a
// BITMAPV5HEADER, the variant whose alpha Qt's reader honours.
bool WriteBmp(const QImage& image, const QString& path);

}  // namespace tavro::skingen
