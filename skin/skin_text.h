#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QRgb>
#include <QString>

namespace tavro {

// Draws `text` with a transparent background in the ARGB colour at the left and top of
// `box`, or centred in it along each axis whose flag is set (offsets rounded down). The
// painter's font is used when `font` is null.
void DrawSkinText(QPainter& painter, const QString& text, QRgb colour, bool centreHorizontally,
                  bool centreVertically, const QRect& box, const QFont* font = nullptr);

}  // namespace tavro
