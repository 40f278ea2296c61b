#pragma once

#include <QRect>

#include <optional>

#include "macros/rect.h"

class QWheelEvent;

// What the macro list and the event editor share of their rows: keys that choose a
// row, the wheel that scrolls them, and their rectangles in Qt's terms.
namespace tavro {

// The row that Up, Down, Page Up, Page Down, Home or End chooses among `count` rows
// from `current` (-1 when none is chosen), in a client area `clientHeight` high.
// Nothing for other keys, and for any key when there are no rows.
std::optional<int> RowChosenByKey(int key, int current, int count, int clientHeight);

// Turns the wheel's turning into whole rows to scroll: the desktop's lines per notch
// (up is negative), keeping what is left of a notch for the next turn.
class WheelRows {
public:
    int rowsFor(const QWheelEvent& event);

private:
    int remainder_ = 0;
};

inline QRect ToQRect(const Rect& rect) {
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

}  // namespace tavro
