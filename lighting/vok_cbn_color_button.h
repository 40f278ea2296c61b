#pragma once

#include <QAbstractButton>
#include <QImage>

#include <cstdint>

#include "skin/hover_tracker.h"
#include "skin/image_set.h"
#include "skin/owner_notification.h"
#include "skin/tick_count.h"

namespace tavro {

class CColorPanel;

// A colour swatch of the lighting page. A click opens its colour panel just below it or
// closes the open one; a colour chosen in the panel is kept and reported to the page as
// (the swatch's identifier, colour in record form). The swatch shows only its images,
// never its colour.
class CVokCbnColorButton : public QAbstractButton, public OwnerNotificationReceiver {
    Q_OBJECT

public:
    static constexpr uint32_t kInitialColour = 255;  // pure red in record form

    // The panel's identifier is read from `ticks` when the panel is made.
    explicit CVokCbnColorButton(int id, QWidget* parent = nullptr, TickSource ticks = TickCount);

    // Replaces the looks and the panel's picture; the first call makes the panel.
    void setImages(const QImage& normal, const QImage& over, const QImage& down,
                   const QImage& panelPicture);
    const FourStateImages& images() const { return images_; }

    // Null until the first setImages().
    CColorPanel* panel() const { return panel_; }
    uint32_t colour() const { return colour_; }
    // 0 normal, 1 hover, 2 pressed.
    int visualState() const { return visualState_; }
    bool isPressed() const { return pressed_; }

protected:
    bool event(QEvent* event) override;
    void onNotify(int id, int value) override;
    void onCommand(int /*id*/) override {}
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setVisualState(int state);
    void togglePanel();

    TickSource ticks_;
    FourStateImages images_;  // the disabled look stays empty
    CColorPanel* panel_ = nullptr;
    uint32_t colour_ = kInitialColour;
    bool pressed_ = false;
    HoverTracker hover_;
    int visualState_ = 0;
};

}  // namespace tavro
