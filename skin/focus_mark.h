#pragma once

#include <QPainter>
#include <QRect>
#include <QWidget>

namespace tavro {

// When a control shows its focus mark: while it has the focus and is being worked from
// the keyboard. Focus that arrives by Tab or Backtab, and a key the control takes, show
// the mark; a pointer press hides it, so someone using only the pointer never sees one.
// Focus coming back with its window keeps what it showed before.
class FocusCue {
public:
    void focusIn(Qt::FocusReason reason);
    void keyUsed() { fromKeyboard_ = true; }
    void pointerPressed() { fromKeyboard_ = false; }

    bool shown(const QWidget& control) const { return fromKeyboard_ && control.hasFocus(); }

private:
    bool fromKeyboard_ = false;
};

// The focus mark: a frame of accent and black dots just inside `area`.
void DrawFocusMark(QPainter& painter, const QRect& area);

}  // namespace tavro
