#pragma once

#include <QImage>

#include <array>

// The program's icon: the TAVRO seen from above on a graphite tile, for the desktop
// entry, the window and the tray.
namespace tavro::skingen {

// The sizes desktops ask an icon theme for.
inline constexpr std::array kAppIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

QImage PaintAppIcon(int size);

}  // namespace tavro::skingen
