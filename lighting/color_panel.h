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

    QWidget* swatch_;
    int identifier_;
    std::vector<CColorButton> cells_;
    QImage picture_;
    bool pressed_ = false;
    QTimer checkTimer_;
    PointerSource pointerSource_;
};

}  // namespace tavro
