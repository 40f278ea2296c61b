#pragma once

#include <QRgb>

namespace tavro {

// The program's one highlight colour (ARGB): hovered and selected captions, menu frames
// and hovered entries, focus marks, and the accent of the skin pictures.
inline constexpr QRgb kAccentColour = 0xFFB3D335;

}  // namespace tavro
