#pragma once

#include <QWidget>

#include "skin/image_set.h"
#include "skin/layout_rect.h"
#include "skin/skin_resources.h"
#include "skin/vok_button.h"

namespace tavro {

// The looks of a control in its first `states` states (normal, over, down, disable),
// cut from its sheets at its own rectangle; the others stay empty.
FourStateImages ControlLooks(SkinResources& skin, const PlacedControl& control, int states = 4);

// A skinned push button at the control's place with its looks. The template caption is
// its accessible name; nothing is drawn over the picture, which carries the words.
CVokButton* PlaceButton(QWidget* owner, SkinResources& skin, const PlacedControl& control);

}  // namespace tavro
