#pragma once

#include <QPoint>
#include <QSocketNotifier>
#include <QSystemTrayIcon>
#include <QTimer>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "app/device_worker.h"
#include "app/main_window_layout.h"
#include "app/page_set.h"
#include "buttons/pointer_settings.h"
#include "buttons/vok_combo_button.h"
#include "buttons/vok_menu.h"
#include "device/device_events.h"
#include "device/mouse_actions.h"
#include "device/profile_upload.h"
#include "macros/macro_model.h"
#include "platform/address_opener.h"
#include "profile/file_result.h"
#include "profile/profile_record.h"
#include "skin/message_box.h"
#include "skin/skin_resources.h"
#include "skin/vok_button.h"
#include "skin/vok_image_dialog.h"
#include "skin/vok_static.h"

namespace tavro {

// Everything the main window works with, so that a test can give its own.
struct TavroServices {
    SkinResources& skin;
    DeviceLink& link;
    // Arrival and removal of the mouse; none, or one that cannot start, leaves the
    // program without hot-plug ("RegisterDeviceNotification Failed!").
    DeviceEventSource* deviceEvents = nullptr;
    PointerSettingsBackend& pointerSettings;
    AddressOpener& addressOpener;
    MessageSink showMessage = ShowMessageBox;
    // Whether the desktop shows tray icons; without one OK and Cancel minimise the
    // window rather than hide it, so that it stays reachable.
    std::function<bool()> trayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    PageSetBuilder buildPages = BuildPageSet;
    // The process's one keyboard watcher, shared by key capture and the macro recorder;
    // none makes the window create it.
    KeyboardWatcher* keyboard = nullptr;
    std::chrono::milliseconds pollInterval{2000};
    std::chrono::milliseconds arrivalDelay{900};
};

// The program's main window: tabs, profile bar, Reset, Language, OK, Apply, Cancel and the
// five pages. It owns the five profiles and the macro library, runs Apply, lives in the
// tray while hidden, follows the mouse being plugged in and out and, every two seconds
// while it is the active window, the profile chosen with the mouse's own button.
//
// Device work runs on one device thread, so the window never freezes; the busy flag
// keeps everything else from reaching the mouse while an Apply runs, and device events
// that arrive meanwhile are handled after it, in order. The pages reach the mouse
// through the window's MouseActions, each call returning once its exchange is done.
class CTavroDlg : public CVokImageDialog, public MouseActions, public MacroPageHost {
    Q_OBJECT

public:
    static constexpr const char* kMouseNotFound = "TAVRO mouse not found";
    static constexpr const char* kRegistrationFailed = "RegisterDeviceNotification Failed!";
    static constexpr const char* kTrayToolTip = "TAVRO Optical Gaming Mouse";
    static constexpr int kTrayMenuWidth = 105;
    static constexpr int kConfigMouseItem = 100;
    static constexpr int kExitItem = 101;
    // How long an Apply, an arrival's firmware read and a page's exchange wait for another
    // program (tavroctl) to let go of the mouse; a full Apply of its own takes 2.1 s.
    static constexpr std::chrono::milliseconds kExchangeLockWait{5000};

    explicit CTavroDlg(TavroServices services, QWidget* parent = nullptr);
    ~CTavroDlg() override;

    // The tray's double click, "Config Mouse", and another copy of the program started.
    void ShowWindow();
    // "Exit" in the tray menu, `tavro --quit` and the session ending: ended() once no
    // Apply runs any more.
    void RequestExit();
    // The session is ending: saves what Exit saves.
    void SaveForSessionEnd();

    // Stores the pages, applies the pointer settings, saves the five profile files and
    // the macro library, then writes the mouse; `then` runs once the Apply is over
    // (after its messages). Ignored while an Apply runs.
    void ApplyProfiles(std::function<void()> then = {});
    // The 2000 ms timer.
    void PollActiveProfile();

    const std::array<ProfileRecord, kProfileCount>& profiles() const { return profiles_; }
    int editedSlot() const { return edited_; }
    bool isBusy() const { return busy_; }
    const PageSet& pages() const { return pages_; }
    std::vector<CMacro>& macroLibrary() { return library_; }
    DeviceWorker& deviceWorker() { return worker_; }
    QSystemTrayIcon* trayIcon() const { return tray_; }
    CVokMenu* trayMenu() const { return trayMenu_; }
    bool hotPlugActive() const { return deviceNotifier_ != nullptr; }
    int pollInterval() const { return pollTimer_.interval(); }

    // MouseActions, for the pages and pop-ups.
    bool deviceFound() const override;
    bool FindDevice() override;
    void CloseDevice() override;
    DeviceResult StartSurfaceAnalysis() override;
    DeviceResult ReadSurfaceQuality(uint8_t& quality) override;
    DeviceResult TestLiftDistance(uint8_t distance) override;
    DeviceResult SaveLiftDistance(uint8_t distance) override;

    // MacroPageHost: after a macro was deleted.
    void RefreshMouseSettingsPage() override;

signals:
    // The program's loop should end.
    void ended();

protected:
    void onNotify(int id, int value) override;
    void onCommand(int id) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void LoadProfiles();
    void BuildControls();
    void BuildProfileBar();
    void BuildBottomRow();
    void FitCaptions();
    void SetProfileCaption(int slot);
    void ReadFirmwareAtStart();
    void RegisterDeviceEvents();
    void AddTrayIcon();

    void SwitchTab(int index);
    void SwitchProfile(int slot);
    void StorePages(ProfileRecord& record);
    void LoadPages(const ProfileRecord& record);
    void ProfileMenu(int slot, int value);
    void ResetAllProfiles();
    void FinishApply(UploadOutcome outcome, const std::vector<FileResult>& failures,
                     const std::vector<std::string>& cutMacros);
    void HideWindow();
    void SetTopMost(bool topMost);
    void OnTrayActivated(QSystemTrayIcon::ActivationReason reason);
    void ShowTrayMenu();

    void OnDeviceEventsReadable();
    void OnDeviceEvent(const DeviceEvent& event);
    void ReadFirmwareAfterArrival();
    // Picks up what waited for the device thread and the busy flag: device events, an exit.
    void Resume();
    bool SaveMacroLibrary(std::vector<FileResult>* failures);
    // Runs one exchange under the exchange lock, as a page's call.
    DeviceResult RunExchange(const std::function<DeviceResult(DeviceLink&)>& exchange);

    ProfileRecord& edited() { return profiles_[edited_]; }

    TavroServices services_;
    std::unique_ptr<KeyboardWatcher> ownKeyboard_;
    DeviceWorker worker_;
    std::array<ProfileRecord, kProfileCount> profiles_;
    int edited_ = 0;
    bool busy_ = false;
    uint8_t lastActiveSlot_ = 0xFF;  // none reported yet
    std::vector<CMacro> library_;

    std::array<CVokButton*, main_window_layout::kTabs.size()> tabs_{};
    std::array<CVokButton*, kProfileCount> profileButtons_{};
    std::array<CVokComboButton*, kProfileCount> profileMenus_{};
    std::array<CVokButton*, main_window_layout::kBottomButtons.size()>
        bottomButtons_{};  // Reset, OK, Apply, Cancel
    CVokComboButton* language_ = nullptr;
    CVokStatic* versionLabel_ = nullptr;
    PageSet pages_;

    QSystemTrayIcon* tray_ = nullptr;
    CVokMenu* trayMenu_ = nullptr;
    QTimer pollTimer_;
    QTimer arrivalTimer_;
    std::unique_ptr<QSocketNotifier> deviceNotifier_;
    bool exitRequested_ = false;

    bool dragging_ = false;
    QPoint dragOffset_;
};

}  // namespace tavro
