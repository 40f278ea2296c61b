#pragma once

#include <QString>

#include <filesystem>

namespace tavro::skingen {

// Reads the pictures of a skin folder and writes one PNG with every sheet family in a
// row, each control rectangle outlined and numbered. `only`, when not empty, keeps the
// families whose title contains it.
bool WriteContactSheet(const std::filesystem::path& skinFolder, const QString& pngPath,
                       const QString& only);

}  // namespace tavro::skingen
