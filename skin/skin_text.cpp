#include "skin/skin_text.h"

#include <QColor>
#include <QFontMetrics>

namespace tavro {

void DrawSkinText(QPainter& painter, const QString& text, QRgb colour, bool centreHorizontally,
                  bool centreVertically, const QRect& box, const QFont* font) {
    painter.save();
    if (font != nullptr) {
        painter.setFont(*font);
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    const int height = metrics.height();
    int x = box.x();
    int y = box.y();
    if (centreHorizontally) {
        x += (box.width() - width) / 2;
    }
    if (centreVertically) {
        y += (box.height() - height) / 2;
    }
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(QColor::fromRgba(colour));
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
    painter.restore();
}

}  // namespace tavro
