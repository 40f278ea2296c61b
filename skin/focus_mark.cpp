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
    painter.setBrush(Qt::NoBrush);
    const QRect frame = area.adjusted(1, 1, -2, -2);
    // Accent dots between black ones, so that the mark shows on light looks as well.
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(frame);
    QPen dots(QColor::fromRgba(kAccentColour), 1, Qt::CustomDashLine);
    dots.setDashPattern({1, 1});
    painter.setPen(dots);
    painter.drawRect(frame);
    painter.restore();
}

}  // namespace tavro
