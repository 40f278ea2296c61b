#include "app/program.h"

#include <QSystemTrayIcon>

#include "platform/desktop_pointer_settings.h"

namespace tavro {

Program::Program(const ProgramOptions& options, SkinResources& skin)
    : skin_(skin), connection_(options), pointerSettings_(CreateDesktopPointerSettings()) {
    window_ = std::make_unique<CTavroDlg>(TavroServices{
        .skin = skin_,
        .link = connection_.link(),
        .deviceEvents = &connection_.events(),
        .pointerSettings = *pointerSettings_,
        .addressOpener = addressOpener_,
    });
}

Program::~Program() = default;

bool Program::usable() const {
    return !skin_.failed();
}

void Program::Show(bool hidden) {
    if (!hidden) {
        window_->show();
    } else if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        window_->showMinimized();
    }
}

}  // namespace tavro
