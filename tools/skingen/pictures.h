#pragma once

#include <QImage>

#include <vector>

#include "sheets.h"

// Painters of the single pictures: slider thumbs, scroll bar, colour panel, the
// lighting preview's mouse, the surface-quality and motion pictures.
namespace tavro::skingen {

inline constexpr int kSliderThumbWidth = 12;
inline constexpr int kSliderThumbHeight = 15;
inline constexpr int kDpiThumbWidth = 13;
inline constexpr int kDpiThumbHeight = 15;

QImage PaintSliderThumb(bool enabled);
QImage PaintDpiThumb(int level);  // 1 … 3

QImage PaintScrollTrack();
QImage PaintScrollSheet(bool pressed);
std::vector<Outline> ScrollOutlines();

QImage PaintColorPanel();
std::vector<Outline> ColorPanelOutlines();

QImage PaintLightingMouse();
std::vector<Outline> LightingMouseOutlines();

QImage PaintSurfacePicture(int level);  // 0 … 10
QImage PaintMotionPicture(int index);   // 0 … 2

}  // namespace tavro::skingen
