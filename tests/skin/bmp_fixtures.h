#pragma once

#include <QByteArray>
#include <QRgb>

namespace tavro::test {

// BMP pixel formats the skin reader must decode.
enum class BmpVariant { Palette1, Palette4, Palette8, Rle8, Rgb565, Rgb24, Argb32 };

// An 8 × 4 picture: left half red, right half blue, and the top-left pixel green
// (left red, right blue only for the two-colour 1-bit variant). Colours carry alpha
// 0x80 in the 32-bit variant.
QByteArray BmpFixture(BmpVariant variant);

inline constexpr int kFixtureWidth = 8;
inline constexpr int kFixtureHeight = 4;

}  // namespace tavro::test
