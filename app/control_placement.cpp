#include "app/control_placement.h"

#include "skin/layout_qt.h"

namespace tavro {

FourStateImages ControlLooks(SkinResources& skin, const PlacedControl& control, int states) {
    const auto look = [&](SkinState state) {
        return static_cast<int>(state) < states ? skin.element(control, state) : QImage();
    };
    return {look(SkinState::Normal), look(SkinState::Over), look(SkinState::Down),
            look(SkinState::Disable)};
}

CVokButton* PlaceButton(QWidget* owner, SkinResources& skin, const PlacedControl& control) {
    auto* button = new CVokButton(control.id, owner);
    button->setGeometry(ToQRect(control.rect));
    button->setImages(ControlLooks(skin, control));
    button->setAccessibleName(QString::fromUtf8(control.caption));
    return button;
}

}  // namespace tavro
