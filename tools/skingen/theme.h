#pragma once

#include <QColor>
#include <QFont>
#include <QRgb>
#include <QString>

#include <filesystem>

#include "skin/accent_colour.h"

// The look of the whole skin: one dark graphite theme with a lime accent.
namespace tavro::skingen {

namespace colour {
inline constexpr QRgb kInk0 = 0xFF0A0B0D;        // window edges, deepest wells
inline constexpr QRgb kInk1 = 0xFF101215;        // page background
inline constexpr QRgb kLine = 0xFF23262B;        // card borders and dividers
inline constexpr QRgb kLineStrong = 0xFF383D44;  // control borders
inline constexpr QRgb kText = 0xFFBEBEBE;
inline constexpr QRgb kTextMuted = 0xFF82888F;
inline constexpr QRgb kTextDim = 0xFF50555B;
inline constexpr QRgb kWhite = 0xFFFFFFFF;
inline constexpr QRgb kAccent = kAccentColour;
inline constexpr QRgb kAccentDeep = 0xFF6F8A17;
inline constexpr QRgb kAccentInk = 0xFF0E1204;  // text on an accent fill
inline constexpr QRgb kDisabledSurface = 0xFF16181B;
inline constexpr QRgb kDisabledLine = 0xFF2A2D32;
inline constexpr QRgb kDisabledText = 0xFF4A4E54;
}  // namespace colour

QColor Colour(QRgb argb);
QColor WithAlpha(QRgb argb, int alpha);

enum class Weight { Regular, Medium, SemiBold, Bold };

// Registers the Inter faces the pictures are drawn with; false when a face is missing.
bool LoadThemeFonts(const std::filesystem::path& fontFolder);

QFont ThemeFont(int pixelSize, Weight weight = Weight::Regular, qreal letterSpacing = 0);

}  // namespace tavro::skingen
