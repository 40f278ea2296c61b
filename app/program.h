#pragma once

#include <memory>

#include "app/mouse_connection.h"
#include "app/program_options.h"
#include "app/tavro_dlg.h"
#include "buttons/pointer_settings_group.h"
#include "platform/address_opener.h"
#include "skin/skin_resources.h"

namespace tavro {

// The program as `tavro` runs it: the mouse, the desktop's services and the main window.
// Needs the QApplication.
class Program {
public:
    explicit Program(const ProgramOptions& options, SkinResources& skin = SkinResources::Shared());
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    CTavroDlg& window() { return *window_; }
    // False when a skin picture failed: the program has been asked to end.
    bool usable() const;

    // Shows the window, or with `hidden` leaves it in the tray; without a tray it starts
    // minimised, so that it can be found.
    void Show(bool hidden);

private:
    SkinResources& skin_;
    MouseConnection connection_;
    std::unique_ptr<PointerSettingsGroup> pointerSettings_;
    DesktopAddressOpener addressOpener_;
    std::unique_ptr<CTavroDlg> window_;
};

}  // namespace tavro
