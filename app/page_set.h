#pragma once

#include <array>
#include <functional>
#include <vector>

#include "app/placeholder_page.h"
#include "app/support_dlg.h"
#include "device/mouse_actions.h"
#include "lighting/color_settings_dlg.h"
#include "macros/macro_model.h"
#include "macros/macro_page_host.h"
#include "macros/macro_settings_dlg.h"
#include "platform/address_opener.h"
#include "platform/keyboard_watcher.h"
#include "profile/profile_page.h"
#include "sensor/sensor_dlg.h"
#include "skin/message_box.h"
#include "skin/skin_resources.h"

namespace tavro {

// What the pages are built from. Pages never touch files or the device: the main window
// hands them the mouse's actions and the macro library it loaded.
struct PageContext {
    SkinResources& skin;
    MouseActions& mouse;
    AddressOpener& addressOpener;
    std::vector<CMacro>& macroLibrary;
    MessageSink showMessage;
    // The record the main window is editing.
    std::function<ProfileRecord*()> editedRecord;
    // Key capture and the macro recorder share it.
    KeyboardWatcher& keyboard;
    MacroPageHost& macroHost;
};

// The five pages of the main window, each a hidden child placed in its page area.
// A page whose own work has not landed yet is a PlaceholderPage.
struct PageSet {
    CSensorDlg* sensor = nullptr;
    CColorSettingsDlg* lighting = nullptr;
    CMacroSettingsDlg* macros = nullptr;
    CSupportDlg* support = nullptr;
    PlaceholderPage* mouseSettings = nullptr;

    // The pages that edit a profile, in the order they are loaded and stored: mouse
    // settings, sensor, lighting.
    std::array<ProfilePage*, 3> settingsPages{};
    // The pages in the order of their tabs: mouse settings, sensor, lighting, macros,
    // support.
    std::array<CVokImageDialog*, 5> tabPages{};
};

// Creates the pages in the order sensor, lighting, macros, support, mouse settings.
PageSet BuildPageSet(QWidget& mainWindow, const PageContext& context);

using PageSetBuilder = std::function<PageSet(QWidget& mainWindow, const PageContext& context)>;

}  // namespace tavro
