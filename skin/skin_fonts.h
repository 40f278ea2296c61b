#pragma once

#include <QFont>
#include <QString>

#include <filesystem>

namespace tavro {

// Face names the controls ask for. The skin's font answers to kSkinFontFace once
// registered; kControlFontFace falls back to a metric-compatible free face.
inline constexpr const char* kSkinFontFace = "NeoSansStd-Regular";
inline constexpr const char* kControlFontFace = "Arial";
inline constexpr const char* kControlFontFallback = "Liberation Sans";

// Adds NeoSansStd-Regular.otf of the skin folder to the program's fonts and makes the
// face name kSkinFontFace stand for its real family; makes "Arial" stand for
// kControlFontFallback when the system has no Arial. Registering again does nothing
// more; the registration is never removed. False when the font file could not be added:
// the face then falls back to a system font.
bool RegisterSkinFont(const std::filesystem::path& skinFolder);

// Fonts of the given pixel height in normal weight.
QFont SkinFont(int pixelHeight);
QFont ControlFont(int pixelHeight);

}  // namespace tavro
