#include "platform/desktop_pointer_settings.h"

#include <QStandardPaths>

#include "platform/gnome_pointer_settings.h"
#include "platform/kde_pointer_settings.h"
#include "platform/qt_pointer_settings.h"

namespace tavro {

std::unique_ptr<PointerSettingsGroup> CreatePointerSettings(DesktopKind desktop) {
    auto group = std::make_unique<PointerSettingsGroup>();
    switch (desktop) {
        case DesktopKind::kGnome:
            if (auto gnome = GnomePointerSettings::Create()) {
                group->Add(std::move(gnome));
            }
            break;
        case DesktopKind::kKdePlasma:
            group->Add(std::make_unique<KdePointerSettings>(
                QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                &KdePointerSettings::NotifyMouseSettingsChanged));
            break;
        case DesktopKind::kOther:
            break;
    }
    group->Add(std::make_unique<QtPointerSettings>());
    return group;
}

std::unique_ptr<PointerSettingsGroup> CreateDesktopPointerSettings() {
    return CreatePointerSettings(CurrentDesktopKind());
}

}  // namespace tavro
