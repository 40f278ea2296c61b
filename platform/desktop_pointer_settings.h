#pragma once

#include <memory>

#include "buttons/pointer_settings_group.h"
#include "platform/desktop_session.h"

namespace tavro {

// The backends for a desktop: its own settings where the program knows them (GNOME only
// while its schema is installed), then always the program's own Qt settings.
std::unique_ptr<PointerSettingsGroup> CreatePointerSettings(DesktopKind desktop);

// The same for the session this program runs in; chosen once at start.
std::unique_ptr<PointerSettingsGroup> CreateDesktopPointerSettings();

}  // namespace tavro
