#include "app_icon.h"

#include <QLinearGradient>
#include <QPainter>

#include "mouse_art.h"
#include "paint.h"

namespace tavro::skingen {

namespace {

using namespace colour;

constexpr qreal kMouseLength = 282;  // the mouse art's own units, front to back

}  // namespace

QImage PaintAppIcon(int size) {
    QImage icon = NewPicture(size, size);
    QPainter painter(&icon);
    BeginPainter(painter);
    // Small sizes keep a margin of a pixel, large ones a little more, as icon themes do.
    const qreal margin = size <= 24 ? 0.5 : size / 16.0;
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, Colour(0xFF2A2E34));
    fill.setColorAt(1, Colour(kInk0));
    painter.setPen(QPen(WithAlpha(kAccent, 150), size <= 24 ? 1 : size / 48.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(tile, tile.width() * 0.22, tile.width() * 0.22);
    DrawMouseTopView(painter, tile.center(), tile.height() * 0.8 / kMouseLength, -24,
                     MouseArtStyle::Hero);
    return icon;
}

}  // namespace tavro::skingen
