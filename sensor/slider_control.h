#pragma once

#include <QPainter>
#include <QRect>
#include <QWidget>

#include "skin/focus_mark.h"

namespace tavro {

// The pointer and keyboard rules both skinned sliders share. Hover is followed through mouse
// tracking and Qt's implicit grab instead of an explicit capture; a move or release that arrives
// outside the control while it is not tracking is one the control would not see without
// that grab, and is ignored. That is what lets a drag that leaves the control pause
// there and go on when the pointer comes back with the button still down.
//
// Keyboard (not while disabled): Left and Right move the value one step, Page Down and
// Page Up a tenth of the range in whole steps (at least one: 700 on the DPI sliders,
// 50 … 7000 in steps of 50), Home and End to the ends. The value is kept in the range and
// on the step and reported as a drag reports it.
class SliderControl : public QWidget {
    Q_OBJECT

public:
    // Visual states.
    static constexpr int kNormal = 0;
    static constexpr int kHover = 1;
    static constexpr int kDragging = 2;
    // Ignores the pointer altogether.
    static constexpr int kDisabled = 3;

    // The owner disables a slider with kDisabled and enables it with kNormal; other
    // numbers (the pointer's states among them) are ignored.
    void setState(int state);
    int state() const { return state_; }

    // A step of 0 or less leaves dragged values unsnapped.
    void setRange(int minimum, int maximum, int step);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int step() const { return step_; }
    // Steps a Page Up or Page Down moves.
    int pageSteps() const;

protected:
    SliderControl(int id, QWidget* parent);

    // A left press at `point`, before the value is taken from it.
    virtual void grabAt(QPoint /*point*/) {}
    // Sets the value being dragged from a pointer at `x`.
    virtual void dragTo(int x) = 0;
    // The button went up after the last dragTo().
    virtual void releaseGrab() {}
    // The value the keys move and its setter, which reports a change as dragTo() does.
    virtual int keyboardValue() const = 0;
    virtual void setKeyboardValue(int value) = 0;

    // Draws the focus mark around the thumb the keys move, when it is to be shown.
    void drawFocusMark(QPainter& painter, const QRect& thumb) const;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void stopTracking();
    // `value` moved by `steps` steps, clamped into the range and snapped to the step.
    int stepped(int value, int steps) const;

    int minimum_ = 0;
    int maximum_ = 100;
    int step_ = 1;
    int state_ = kNormal;
    // The state to take when the pointer comes back with the button down.
    int restoreState_ = kNormal;
    bool tracking_ = false;
    FocusCue focusCue_;
};

}  // namespace tavro
