#include "macros/event_row_painter.h"

#include <QColor>
#include <QFontMetrics>
#include <QPolygon>

#include <algorithm>

#include "skin/skin_fonts.h"
#include "skin/skin_text.h"

namespace tavro {

namespace {

using namespace event_row;

void DrawMark(QPainter& painter, EventRowLabel::Mark mark, const QRect& row) {
    const int left = row.left() + kMarkLeft;
    const int middle = row.left() + (kMarkLeft + kMarkRight) / 2;
    const int right = row.left() + kMarkRight;
    // Right and bottom are exclusive, as in the row rectangles.
    const int top = row.top() + 6;
    const int bottom = row.top() + row.height() - 6;
    painter.setPen(QPen(QColor::fromRgba(kLineColour), 1));
    painter.setRenderHint(QPainter::Antialiasing);
    switch (mark) {
        case EventRowLabel::Mark::Line: {
            // Aliased: a horizontal line stays one crisp pixel.
            painter.setRenderHint(QPainter::Antialiasing, false);
            const int y = row.top() + row.height() / 2;
            painter.drawLine(left, y, right, y);
            break;
        }
        case EventRowLabel::Mark::DownArrow:
            painter.drawPolyline(QPolygon{{left, top}, {middle, bottom}, {right, top}});
            break;
        case EventRowLabel::Mark::UpArrow:
            painter.drawPolyline(QPolygon{{left, bottom}, {middle, top}, {right, bottom}});
            break;
        case EventRowLabel::Mark::None:
            break;
    }
}

// The largest font from kFontHeight down in which `text` fits `width`.
QFont FittingFont(const QString& text, int width) {
    int height = kFontHeight;
    while (height > kSmallestFontHeight &&
           QFontMetrics(ControlFont(height)).horizontalAdvance(text) > width) {
        --height;
    }
    return ControlFont(height);
}

}  // namespace

void PaintEventRow(QPainter& painter, const EventRowLabel& label, const QRect& row,
                   int visibleRight, bool selected) {
    painter.save();
    const QRgb colour = selected ? kSelectedTextColour : kTextColour;
    const QFont font = ControlFont(kFontHeight);
    const QString delay = QString::fromStdString(label.delay);
    const int L = row.left();
    if (label.text.empty()) {
        DrawSkinText(
            painter, delay, colour, false, true,
            QRect(L + kLoneDelayLeft, row.top(), kLoneDelayRight - kLoneDelayLeft, row.height()),
            &font);
        painter.restore();
        return;
    }
    DrawMark(painter, label.mark, row);

    const int delayRight = std::min(L + kDelayRight, visibleRight);
    const int delayWidth = QFontMetrics(font).horizontalAdvance(delay);
    const int delayLeft = delayRight - delayWidth;
    DrawSkinText(painter, delay, colour, false, true,
                 QRect(delayLeft, row.top(), delayWidth, row.height()), &font);

    const int textLeft = L + kTextLeft;
    const int room = std::max(0, delayLeft - kGap - textLeft);
    const QString text = QString::fromStdString(label.text);
    const QFont textFont = FittingFont(text, room);
    const QString shown = QFontMetrics(textFont).elidedText(text, Qt::ElideRight, room);
    DrawSkinText(painter, shown, colour, false, true,
                 QRect(textLeft, row.top(), room, row.height()), &textFont);
    painter.restore();
}

}  // namespace tavro
