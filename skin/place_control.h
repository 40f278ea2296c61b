#pragma once

#include <QWidget>

#include "skin/layout_rect.h"

namespace tavro {

// Puts a control of a page or dialog where its layout table says: its identifier, its
// rectangle, and its template caption as the name assistive tools read (a button that
// draws a caption of its own and has none in the template is read by that caption; a
// drop-down by the choice it shows). A control whose rectangle is empty has no place in
// that layout: it is hidden.
void PlaceControl(QWidget& control, const PlacedControl& placed);

// A new control of type Control, a child of `parent`, placed from `placed`.
template <typename Control>
Control* CreatePlaced(const PlacedControl& placed, QWidget* parent) {
    auto* control = new Control(placed.id, parent);
    PlaceControl(*control, placed);
    return control;
}

}  // namespace tavro
