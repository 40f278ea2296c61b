#include "app/control_placement.h"

#include "skin/place_control.h"

namespace tavro {

FourStateImages ControlLooks(SkinResources& skin, const PlacedControl& control, int states) {
    const auto look = [&](SkinState state) {
        return static_cast<int>(state) < states ? skin.element(control, state) : QImage();
    };
    return {look(SkinState::Normal), look(SkinState::Over), look(SkinState::Down),
            look(SkinState::Disable)};
}

CVokButton* PlaceButton(QWidget* owner, SkinResources& skin, const PlacedControl& control) {
    auto* button = CreatePlaced<CVokButton>(control, owner);
    button->setImages(ControlLooks(skin, control));
    return button;
}

}  // namespace tavro
