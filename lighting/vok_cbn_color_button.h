#pragma once

#include <QImage>

#include <cstdint>

#include "skin/owner_notification.h"
#include "skin/pop_up_button.h"
#include "skin/tick_count.h"

namespace tavro {

class CColorPanel;

// A colour swatch of the lighting page. A click opens its colour panel just below it or
// closes the open one (PopUpButton's rule: a release acts wherever the pointer is, and
// Space, Enter and Alt+Down act too); a colour chosen in the panel is kept and reported
// to the page as (the swatch's identifier, colour in record form). The swatch shows only
// its images, never its colour. While the panel is open the swatch keeps the focus and
// hands the panel its keys.
class CVokCbnColorButton : public PopUpButton, public OwnerNotificationReceiver {
    Q_OBJECT

public:
    static constexpr uint32_t kInitialColour = 255;  // pure red in record form

    // The panel's identifier is read from `ticks` when the panel is made.
    explicit CVokCbnColorButton(int id, QWidget* parent = nullptr, TickSource ticks = TickCount);

    // Replaces the looks and the panel's picture; the first call makes the panel. The
    // disabled look stays empty.
    void setImages(const QImage& normal, const QImage& over, const QImage& down,
                   const QImage& panelPicture);

    // Null until the first setImages().
    CColorPanel* panel() const { return panel_; }
    uint32_t colour() const { return colour_; }

protected:
    bool event(QEvent* event) override;
    void onNotify(int id, int value) override;
    void onCommand(int /*id*/) override {}
    void onPopUpRequested(Request request) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TickSource ticks_;
    CColorPanel* panel_ = nullptr;
    uint32_t colour_ = kInitialColour;
};

}  // namespace tavro
