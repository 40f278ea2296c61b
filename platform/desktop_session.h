#pragma once

#include <string_view>

namespace tavro {

// Desktops whose pointer settings the program knows how to write.
enum class DesktopKind { kGnome, kKdePlasma, kOther };

// From the value of XDG_CURRENT_DESKTOP, a colon-separated list such as "ubuntu:GNOME".
DesktopKind DesktopKindFromSession(std::string_view currentDesktop);

// The desktop of the session this program runs in.
DesktopKind CurrentDesktopKind();

}  // namespace tavro
