#include "skin/focus_mark.h"

#include <QColor>
#include <QPen>

#include "skin/accent_colour.h"

namespace tavro {

void FocusCue::focusIn(Qt::FocusReason reason) {
    switch (reason) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            fromKeyboard_ = true;
            break;
        case Qt::MouseFocusReason:
            fromKeyboard_ = false;
            break;
        default:
            break;
    }
}

void DrawFocusMark(QPainter& painter, const QRect& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor::fromRgba(kAccentColour), 1, Qt::CustomDashLine);
    pen.setDashPattern({1, 1});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(1, 1, -2, -2));
    painter.restore();
}

}  // namespace tavro
