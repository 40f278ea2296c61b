#pragma once

#include <QRgb>

#include "skin/accent_colour.h"
#include "skin/four_state_button.h"

namespace tavro {

// A push button drawn from four skin looks. Its caption (the button text) is drawn only
// when not empty, in the widget's font (15-pixel Arial unless the owner sets another):
// the pages' buttons carry their words in the images.
//
// Reports to its parent: (id, 0) when the pointer enters; a click as the command id.
class CVokButton : public FourStateButton {
    Q_OBJECT

public:
    static constexpr QRgb kDefaultTextColour = 0xFFD2D2D2;
    static constexpr QRgb kDefaultSelectedTextColour = kAccentColour;
    static constexpr QRgb kHoverTextColour = 0xFFFFFFFF;
    static constexpr QRgb kDisabledTextColour = 0xFF787878;
    // The caption is centred in the button with its left edge moved right by this much.
    static constexpr int kCaptionIndent = 5;

    explicit CVokButton(int id, QWidget* parent = nullptr);

    void setTextColours(QRgb normal, QRgb selected);

protected:
    void paintContent(QPainter& painter) override;
    void onPointerEntered() override;

private:
    QRgb captionColour() const;

    QRgb textColour_ = kDefaultTextColour;
    QRgb selectedTextColour_ = kDefaultSelectedTextColour;
};

}  // namespace tavro
