#pragma once

#include <QPoint>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "skin/layout_rect.h"

namespace tavro {

// Input as the desktop delivers it, through the window: to the control under the point
// or with the focus, and held back from windows a modal one blocks.

// A left click at the centre of a rectangle of a layout table.
inline void Click(QWidget& window, const LayoutRect& rect) {
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      QPoint(rect.centerX(), rect.centerY()));
}

inline void Press(QWidget& window, Qt::Key key) {
    QTest::keyClick(window.windowHandle(), key);
}

}  // namespace tavro
