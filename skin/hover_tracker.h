#pragma once

#include <QPoint>
#include <QWidget>

namespace tavro {

// Follows the pointer over a control as a captured pointer would: the first move over it
// starts tracking; a move outside it (seen while a button is held) or leaving it ends
// tracking. Once tracking has ended, moves outside that still arrive through Qt's
// implicit grab are ones a released capture would not see, and change nothing. The
// control turns mouse tracking on so that moves arrive without a button.
class HoverTracker {
public:
    enum class Change { None, Entered, Left };

    Change onMove(const QWidget& control, QPoint position) {
        const bool inside = control.rect().contains(position);
        if (!tracking_) {
            tracking_ = inside;
            return inside ? Change::Entered : Change::None;
        }
        return inside ? Change::None : stop();
    }

    Change onLeave() { return tracking_ ? stop() : Change::None; }

    bool tracking() const { return tracking_; }

private:
    Change stop() {
        tracking_ = false;
        return Change::Left;
    }

    bool tracking_ = false;
};

}  // namespace tavro
