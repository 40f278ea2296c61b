#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QWidget>

namespace tavro {

// A picture of one colour, as a stand-in for a skin look.
inline QImage Solid(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

inline QImage Solid(int width, int height, QRgb colour) {
    return Solid(QSize(width, height), colour);
}

// A small one for looks that are stretched over a control.
inline QImage Solid(QRgb colour) {
    return Solid(QSize(4, 4), colour);
}

// Only what `control` paints itself, over `behind`, so that what it leaves out shows.
inline QImage Rendered(QWidget& control, QRgb behind = 0x00000000) {
    QImage image(control.size(), QImage::Format_ARGB32);
    image.fill(behind);
    control.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

}  // namespace tavro
