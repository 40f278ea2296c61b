#pragma once

#include <QAbstractButton>

#include "skin/hover_tracker.h"
#include "skin/image_set.h"

namespace tavro {

// What the skinned push button and check box share: four looks, the visual state that
// follows the pointer (0 idle, 1 hover, 2 pressed) and clicks sent to the parent as the
// command with the control's identifier.
class FourStateButton : public QAbstractButton {
    Q_OBJECT

public:
    void setImages(FourStateImages images);
    const FourStateImages& images() const { return images_; }

    int visualState() const { return visualState_; }

protected:
    FourStateButton(int id, QWidget* parent);

    // The look to draw: disabled when disabled and there is one, else pressed when
    // `pressedLook` and there is one, else the visual state's (null draws nothing).
    const QImage& currentLook(bool pressedLook) const;

    virtual void onPointerEntered() {}

    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setVisualState(int state);

    FourStateImages images_;
    int visualState_ = 0;
    HoverTracker hover_;
};

}  // namespace tavro
