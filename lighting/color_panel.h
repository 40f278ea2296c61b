#pragma once

#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

#include "lighting/color_button.h"

namespace tavro {

// The pop-up below a colour swatch: ColorPanel.bmp with twenty colour cells. A click on
// a cell reports (identifier, colour in record form) to the swatch and closes the panel;
// the check timer closes it once the pointer has left both the panel and the swatch.
//
// Opened from the keyboard it shows a focus mark on one cell, which the arrow keys move
// through the grid; Enter chooses that cell as a click does and Escape closes. It then
// runs no check timer (the pointer is not in use); the swatch closes it when it loses
// the focus.
class CColorPanel : public QWidget {
    Q_OBJECT

public:
    using PointerSource = std::function<QPoint()>;

    static constexpr int kCheckIntervalMs = 2000;

    // A hidden pop-up owned by `swatch`, which receives its reports.
    CColorPanel(QWidget* swatch, int identifier);

    int identifier() const { return identifier_; }
    const std::vector<CColorButton>& cells() const { return cells_; }

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // Where the pointer is on the screen; QCursor::pos() unless a test sets it.
    void setPointerSource(PointerSource source);

    // Shows the panel with its top-left corner at `topLeft` (screen coordinates), sized
    // to its picture, and starts the checks.
    void popUp(const QPoint& topLeft);
    // The same from the keyboard: no checks, the mark on the cell of `colour` (or the
    // first cell).
    void popUpForKeys(const QPoint& topLeft, uint32_t colour);
    // The cell with the keyboard's mark, −1 when opened by the pointer.
    int keyboardCell() const { return keyboardCell_; }
    // A key while the panel is open; false when it is not one of the panel's.
    bool handleKey(int key);

    // Set between a left press and the next left release.
    bool isPressed() const { return pressed_; }

    bool isChecking() const { return checkTimer_.isActive(); }
    // The check timer's handler.
    void checkPointer();

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect swatchScreenRect() const;
    void show(const QPoint& topLeft);
    void choose(const CColorButton& cell);

    QWidget* swatch_;
    int identifier_;
    std::vector<CColorButton> cells_;
    QImage picture_;
    bool pressed_ = false;
    int keyboardCell_ = -1;
    QTimer checkTimer_;
    PointerSource pointerSource_;
};

}  // namespace tavro
