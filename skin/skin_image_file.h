#pragma once

#include <QImage>

#include <filesystem>

namespace tavro {

// Reads an image file whole into memory, closes it and decodes it from there, so no
// skin file stays open. BMP in any pixel format and PNG with alpha decode in their own
// format. A missing, empty or undecodable file gives a null image.
QImage LoadImageFile(const std::filesystem::path& path);

}  // namespace tavro
