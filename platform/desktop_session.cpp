#include "platform/desktop_session.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace tavro {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

DesktopKind DesktopKindFromSession(std::string_view currentDesktop) {
    while (!currentDesktop.empty()) {
        const size_t colon = currentDesktop.find(':');
        const std::string_view name = currentDesktop.substr(0, colon);
        // Unity keeps its pointer settings in GNOME's schemas.
        if (SameIgnoringCase(name, "GNOME") || SameIgnoringCase(name, "Unity")) {
            return DesktopKind::kGnome;
        }
        if (SameIgnoringCase(name, "KDE")) {
            return DesktopKind::kKdePlasma;
        }
        currentDesktop =
            colon == std::string_view::npos ? std::string_view{} : currentDesktop.substr(colon + 1);
    }
    return DesktopKind::kOther;
}

DesktopKind CurrentDesktopKind() {
    const char* value = std::getenv("XDG_CURRENT_DESKTOP");
    return DesktopKindFromSession(value != nullptr ? value : "");
}

}  // namespace tavro
