#include "macros/row_input.h"

#include <QApplication>
#include <QWheelEvent>

#include <algorithm>

#include "macros/row_scroll.h"

namespace tavro {

namespace {

constexpr int kWheelNotch = 120;

}  // namespace

std::optional<int> RowChosenByKey(int key, int current, int count, int clientHeight) {
    const int page = FullRowsIn(clientHeight);
    int target = 0;
    switch (key) {
        case Qt::Key_Up:
            target = current < 0 ? count - 1 : current - 1;
            break;
        case Qt::Key_Down:
            target = current + 1;
            break;
        case Qt::Key_PageUp:
            target = current < 0 ? 0 : current - page;
            break;
        case Qt::Key_PageDown:
            target = current + page;
            break;
        case Qt::Key_Home:
            target = 0;
            break;
        case Qt::Key_End:
            target = count - 1;
            break;
        default:
            return std::nullopt;
    }
    if (count == 0) {
        return std::nullopt;
    }
    return std::clamp(target, 0, count - 1);
}

int WheelRows::rowsFor(const QWheelEvent& event) {
    remainder_ += event.angleDelta().y();
    const int notches = remainder_ / kWheelNotch;
    remainder_ %= kWheelNotch;
    return -notches * QApplication::wheelScrollLines();
}

}  // namespace tavro
