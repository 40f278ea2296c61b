#include "app/tavro_dlg.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

#include <cstdio>
#include <optional>
#include <utility>

#include "app/app_icon.h"
#include "app/caption_fit.h"
#include "app/control_placement.h"
#include "device/device_commands.h"
#include "device/macro_fit.h"
#include "macros/macro_library.h"
#include "platform/create_keyboard_watcher.h"
#include "profile/profile_file.h"
#include "profile/storage_paths.h"
#include "skin/layout_qt.h"
#include "skin/place_control.h"
#include "skin/skin_fonts.h"
#include "skin/tick_count.h"

namespace tavro {

namespace {

using namespace main_window_layout;

constexpr const char* kMouseBusy =
    "The TAVRO mouse is in use by another program. The settings are saved; "
    "apply them again in a moment.";
constexpr int kVersionFontHeight = 13;
constexpr QRgb kVersionTextColour = 0xFFAAAAAA;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString SaveFailureText(const std::vector<FileResult>& failures) {
    QString text = QStringLiteral("These files could not be saved:");
    for (const FileResult& failure : failures) {
        text += QStringLiteral("\n") + QString::fromStdString(Describe(failure));
    }
    return text;
}

// Results of a job are shared with it: a call that stops waiting (the program ending)
// must not leave the job writing into a finished stack frame.
template <typename Result>
Result RunOnDevice(DeviceWorker& worker, Result fallback,
                   std::function<Result(DeviceLink&)> exchange) {
    auto result = std::make_shared<Result>(fallback);
    const bool finished = worker.Run(
        [result, exchange = std::move(exchange)](DeviceLink& link) { *result = exchange(link); });
    return finished ? *result : fallback;
}

struct FirmwareRead {
    bool found = false;  // a handle is open, or a search found the mouse
    bool read = false;
    uint16_t version = 0;
};

FirmwareRead ReadFirmware(DeviceLink& link, std::chrono::milliseconds lockWait) {
    FirmwareRead firmware;
    // Searching whenever no handle is open, not only while the mouse was never found: a
    // page's failed search closes the handle and keeps the flag.
    firmware.found = link.IsOpen() || link.FindDevice();
    if (firmware.found) {
        const ExchangeLock lock = link.LockExchanges(lockWait);
        firmware.read = lock && ReadFirmwareVersion(link, firmware.version) == DeviceResult::kDone;
    }
    return firmware;
}

}  // namespace

CTavroDlg::CTavroDlg(TavroServices services, QWidget* parent)
    : CVokImageDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      services_(std::move(services)),
      ownKeyboard_(services_.keyboard != nullptr ? nullptr : CreateKeyboardWatcher()),
      worker_(services_.link) {
    setWindowTitle(QStringLiteral("TAVRO"));
    setWindowIcon(ProgramIcon());
    RegisterSkinFont(services_.skin.folder());
    LoadProfiles();
    const LibraryLoadReport library = LoadLibrary(MacroFolder(), library_);
    for (const SkippedMacro& skipped : library.skipped) {
        std::fprintf(stderr, "tavro: macro not loaded: %s\n", Describe(skipped.result).c_str());
    }

    BuildControls();
    // A skin picture that failed has asked the program to end; build no page on it.
    if (services_.skin.failed()) {
        return;
    }
    pages_ = services_.buildPages(
        *this,
        PageContext{services_.skin, *this, services_.addressOpener, library_, services_.showMessage,
                    [this] { return &edited(); },
                    services_.keyboard != nullptr ? *services_.keyboard : *ownKeyboard_, *this});
    pages_.mouseSettings->show();
    ReadFirmwareAtStart();

    LoadPages(edited());
    AddTrayIcon();
    RegisterDeviceEvents();
    connect(&worker_, &DeviceWorker::becameIdle, this, &CTavroDlg::Resume);
    arrivalTimer_.setSingleShot(true);
    arrivalTimer_.setInterval(services_.arrivalDelay);
    connect(&arrivalTimer_, &QTimer::timeout, this, &CTavroDlg::ReadFirmwareAfterArrival);
    pollTimer_.setInterval(services_.pollInterval);
    connect(&pollTimer_, &QTimer::timeout, this, &CTavroDlg::PollActiveProfile);
    pollTimer_.start();
}

CTavroDlg::~CTavroDlg() {
    pollTimer_.stop();
    arrivalTimer_.stop();
    deviceNotifier_.reset();
    // The pages may ask the mouse while they go; they go while the window is whole.
    for (CVokImageDialog* page : pages_.tabPages) {
        delete page;
    }
    delete tray_;
    SaveMacroLibrary(nullptr);
}

void CTavroDlg::LoadProfiles() {
    for (int slot = 0; slot < kProfileCount; ++slot) {
        ProfileRecord& record = profiles_[slot];
        record.slot = static_cast<uint8_t>(slot);
        record.name = DefaultProfileName(slot);
        record.filePath = ProfilePath(slot);
        const FileResult loaded = LoadProfile(record.filePath, record);
        if (!loaded && loaded.status != FileStatus::kMissing) {
            std::fprintf(stderr, "tavro: %s; profile %d keeps its defaults\n",
                         Describe(loaded).c_str(), slot + 1);
        }
    }
}

void CTavroDlg::BuildControls() {
    SkinResources& skin = services_.skin;
    setBackground(skin.element(0, SkinState::Normal));
    setFixedSize(kWindow.width, kWindow.height);
    for (size_t i = 0; i < kTabs.size(); ++i) {
        tabs_[i] = PlaceButton(this, skin, kTabs[i]);
        tabs_[i]->setText(Text(kTabs[i].caption));
    }
    BuildProfileBar();
    BuildBottomRow();

    versionLabel_ = new CVokStatic(kVersionLabel.id, this);
    versionLabel_->setGeometry(ToQRect(kVersionLabel.rect));
    versionLabel_->setFontHeight(kVersionFontHeight);
    versionLabel_->setTextColour(kVersionTextColour);
    versionLabel_->setText(QStringLiteral(TAVRO_VERSION));
    // The template calls it "FirmwareVer", but it shows the program's version.
    versionLabel_->setAccessibleName(QStringLiteral("Version"));
    versionLabel_->setAccessibleDescription(QStringLiteral(TAVRO_VERSION));
    FitCaptions();
}

void CTavroDlg::BuildProfileBar() {
    SkinResources& skin = services_.skin;
    for (int slot = 0; slot < kProfileCount; ++slot) {
        const ProfileSlotControls& place = kProfileBar[slot];
        auto* menu = CreatePlaced<CVokComboButton>(place.menu, this);
        const FourStateImages looks = ControlLooks(skin, place.menu);
        menu->setImages(looks[SkinState::Normal], looks[SkinState::Over], looks[SkinState::Down],
                        looks[SkinState::Disable]);
        menu->setDrawCaption(false);
        for (size_t item = 0; item < kProfileMenuItems.size(); ++item) {
            menu->addEntry(static_cast<int>(item) + 1, Text(kProfileMenuItems[item]));
        }
        menu->setAccessibleDescription(QStringLiteral("Menu of profile %1").arg(slot + 1));
        profileMenus_[slot] = menu;

        CVokButton* button = PlaceButton(this, skin, place.profile);
        button->setEnabled(profiles_[slot].enabled != 0);
        button->setSelected(slot == edited_);
        profileButtons_[slot] = button;
    }
}

void CTavroDlg::BuildBottomRow() {
    SkinResources& skin = services_.skin;
    // Created in the template's order, which is the order Tab moves in.
    const auto place = [&](const PlacedControl& control) {
        CVokButton* button = PlaceButton(this, skin, control);
        button->setText(Text(control.caption));
        return button;
    };
    CVokButton* reset = place(kResetButton);

    language_ = CreatePlaced<CVokComboButton>(kLanguageButton, this);
    const FourStateImages looks = ControlLooks(skin, kLanguageButton);
    language_->setImages(looks[SkinState::Normal], looks[SkinState::Over], looks[SkinState::Down],
                         looks[SkinState::Disable]);
    for (size_t value = 0; value < kLanguages.size(); ++value) {
        language_->addEntry(static_cast<int>(value), Text(kLanguages[value]));
    }
    language_->setOpenUpward(true);
    language_->setAssignment(Text(kLanguages[0]), 0, -1);

    bottomButtons_ = {reset, place(kOkButton), place(kApplyButton), place(kCancelButton)};
}

void CTavroDlg::FitCaptions() {
    std::vector<CaptionBox> tabs;
    for (const PlacedControl& tab : kTabs) {
        tabs.push_back({Text(tab.caption), ButtonCaptionRoom(tab.rect)});
    }
    const QFont tabFont = FitCaptionFont(tabs);
    for (CVokButton* tab : tabs_) {
        tab->setFont(tabFont);
    }

    // The bottom row shares one font, chosen so that each of the Language button's
    // choices fits as well as the buttons' captions.
    std::vector<CaptionBox> bottom;
    for (const PlacedControl& button : kBottomButtons) {
        bottom.push_back({Text(button.caption), ButtonCaptionRoom(button.rect)});
    }
    for (std::string_view language : kLanguages) {
        bottom.push_back({Text(language), DropDownCaptionRoom(kLanguageButton.rect)});
    }
    const QFont bottomFont = FitCaptionFont(bottom);
    for (CVokButton* button : bottomButtons_) {
        button->setFont(bottomFont);
    }
    language_->setFont(bottomFont);

    for (int slot = 0; slot < kProfileCount; ++slot) {
        SetProfileCaption(slot);
    }
}

void CTavroDlg::SetProfileCaption(int slot) {
    const std::u16string& name = profiles_[slot].name;
    const CaptionBox box{QString::fromStdU16String(name),
                         ButtonCaptionRoom(kProfileBar[slot].profile.rect)};
    const QFont font = FitCaptionFont({box});
    CVokButton* button = profileButtons_[slot];
    button->setFont(font);
    button->setText(FittedCaption(font, box));
    button->setAccessibleName(box.text);
}

void CTavroDlg::ReadFirmwareAtStart() {
    auto firmware = std::make_shared<FirmwareRead>();
    worker_.Post(
        [firmware](DeviceLink& link) { *firmware = ReadFirmware(link, kExchangeLockWait); },
        [this, firmware] {
            // Found, but the read failed: the version counts as 0.
            pages_.support->setFirmwareVersion(
                firmware->found
                    ? CSupportDlg::FirmwareVersionText(firmware->read ? firmware->version : 0)
                    : QString::fromLatin1(CSupportDlg::kNoFirmwareVersion));
        });
}

void CTavroDlg::RegisterDeviceEvents() {
    DeviceEventSource* source = services_.deviceEvents;
    if (source == nullptr) {
        services_.showMessage(this, QString::fromLatin1(kRegistrationFailed));
        return;
    }
    // Starting a source may set up the backend (the simulated mouse's plug state), which
    // the device thread owns.
    auto fd = std::make_shared<int>(-1);
    worker_.Post(
        [this, source, fd](DeviceLink& link) {
            if (link.RegisterDeviceEvents(
                    *source, [this](const DeviceEvent& event) { OnDeviceEvent(event); })) {
                *fd = link.DeviceEventFd();
            }
        },
        [this, fd] {
            if (*fd < 0) {
                services_.showMessage(this, QString::fromLatin1(kRegistrationFailed));
                return;
            }
            deviceNotifier_ = std::make_unique<QSocketNotifier>(*fd, QSocketNotifier::Read);
            connect(deviceNotifier_.get(), &QSocketNotifier::activated, this,
                    &CTavroDlg::OnDeviceEventsReadable);
        });
}

void CTavroDlg::AddTrayIcon() {
    tray_ = new QSystemTrayIcon(windowIcon(), this);
    tray_->setToolTip(QString::fromLatin1(kTrayToolTip));
    connect(tray_, &QSystemTrayIcon::activated, this, &CTavroDlg::OnTrayActivated);
    tray_->show();
}

void CTavroDlg::ShowWindow() {
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
}

void CTavroDlg::RequestExit() {
    exitRequested_ = true;
    Resume();
}

void CTavroDlg::SaveForSessionEnd() {
    SaveMacroLibrary(nullptr);
}

void CTavroDlg::HideWindow() {
    if (services_.trayAvailable()) {
        hide();
    } else {
        showMinimized();
    }
}

void CTavroDlg::onNotify(int id, int value) {
    if (trayMenu_ != nullptr && id == trayMenu_->identifier()) {
        if (value == kConfigMouseItem) {
            ShowWindow();
        } else if (value == kExitItem) {
            RequestExit();
        }
        return;
    }
    if (id == kTopMostRequestId) {
        SetTopMost(value == 1);
        return;
    }
    if (id == kLanguageButton.id) {
        // Nothing changes but the caption, which the button sets itself.
        if (value >= 0 && value < static_cast<int>(kLanguages.size())) {
            language_->setAccessibleName(Text(kLanguages[value]));
        }
        return;
    }
    for (int slot = 0; slot < kProfileCount; ++slot) {
        if (id == kProfileBar[slot].menu.id) {
            ProfileMenu(slot, value);
            return;
        }
    }
}

void CTavroDlg::onCommand(int id) {
    for (size_t i = 0; i < kTabs.size(); ++i) {
        if (id == kTabs[i].id) {
            SwitchTab(static_cast<int>(i));
            return;
        }
    }
    for (int slot = 0; slot < kProfileCount; ++slot) {
        if (id == kProfileBar[slot].profile.id) {
            SwitchProfile(slot);
            return;
        }
    }
    if (id == kResetButton.id) {
        ResetAllProfiles();
    } else if (id == kOkButton.id) {
        ApplyProfiles([this] { HideWindow(); });
    } else if (id == kApplyButton.id) {
        ApplyProfiles();
    } else if (id == kCancelButton.id) {
        HideWindow();
    }
}

void CTavroDlg::SwitchTab(int index) {
    CVokImageDialog* page = pages_.tabPages[index];
    if (!page->isHidden()) {
        return;
    }
    for (size_t i = 0; i < tabs_.size(); ++i) {
        tabs_[i]->setSelected(static_cast<int>(i) == index);
    }
    for (CVokImageDialog* other : pages_.tabPages) {
        other->hide();
    }
    StorePages(edited());
    page->show();
}

void CTavroDlg::SwitchProfile(int slot) {
    StorePages(edited());
    for (int i = 0; i < kProfileCount; ++i) {
        profileButtons_[i]->setSelected(i == slot);
    }
    edited_ = slot;
    LoadPages(edited());
}

void CTavroDlg::StorePages(ProfileRecord& record) {
    for (ProfilePage* page : pages_.settingsPages) {
        page->StoreRecord(record);
    }
}

void CTavroDlg::LoadPages(const ProfileRecord& record) {
    for (ProfilePage* page : pages_.settingsPages) {
        page->LoadRecord(record);
    }
    for (ProfilePage* page : pages_.settingsPages) {
        page->OnPagesLoaded();
    }
}

void CTavroDlg::ProfileMenu(int /*slot*/, int /*value*/) {
    // Rename, save, export, import and disable come with the profile management.
}

void CTavroDlg::ResetAllProfiles() {
    // "Reset to Default" asks first, in the reset pop-up; it comes with that pop-up.
}

void CTavroDlg::ApplyProfiles(std::function<void()> then) {
    if (busy_) {
        return;
    }
    busy_ = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    StorePages(edited());
    ApplyPointerSettings(edited(), services_.pointerSettings);
    std::vector<FileResult> failures;
    for (const ProfileRecord& record : profiles_) {
        FileResult saved = SaveProfile(record, record.filePath, ProfilePlace::kDataFolder);
        if (!saved) {
            failures.push_back(std::move(saved));
        }
    }
    SaveMacroLibrary(&failures);

    auto devices = std::make_shared<std::array<DeviceProfile, kProfileCount>>();
    // The files keep every macro event; the mouse may not: the user is told after the
    // Apply what it was given.
    std::vector<std::string> cutMacros;
    for (int slot = 0; slot < kProfileCount; ++slot) {
        PackProfile(profiles_[slot], (*devices)[slot]);
        for (std::string& line : DescribeMacroFit(CheckMacroFit(profiles_[slot], (*devices)[slot]),
                                                  profiles_[slot].name)) {
            cutMacros.push_back(std::move(line));
        }
    }
    const uint8_t slot = edited().slot;
    auto outcome = std::make_shared<UploadOutcome>(UploadOutcome::kNoMouse);
    worker_.Post(
        [devices, slot, outcome](DeviceLink& link) {
            *outcome = UploadProfiles(link, *devices, slot, kExchangeLockWait);
        },
        [this, outcome, failures = std::move(failures), cutMacros = std::move(cutMacros),
         then = std::move(then)] {
            FinishApply(*outcome, failures, cutMacros);
            if (then) {
                then();
            }
        });
}

void CTavroDlg::FinishApply(UploadOutcome outcome, const std::vector<FileResult>& failures,
                            const std::vector<std::string>& cutMacros) {
    QGuiApplication::restoreOverrideCursor();
    const bool imagesSent =
        outcome == UploadOutcome::kSelected || outcome == UploadOutcome::kSelectFailed;
    if (imagesSent && !cutMacros.empty()) {
        QStringList lines;
        for (const std::string& line : cutMacros) {
            lines.append(QString::fromStdString(line));
        }
        services_.showMessage(this, lines.join(u'\n'));
    }
    switch (outcome) {
        case UploadOutcome::kSelected:
            break;
        case UploadOutcome::kNoMouse:
        case UploadOutcome::kSelectFailed:
            services_.showMessage(this, QString::fromLatin1(kMouseNotFound));
            break;
        case UploadOutcome::kMouseBusy:
            services_.showMessage(this, QString::fromLatin1(kMouseBusy));
            break;
    }
    if (!failures.empty()) {
        services_.showMessage(this, SaveFailureText(failures));
    }
    // Only now: the poll stays away while a message of the Apply is open.
    busy_ = false;
    Resume();
}

bool CTavroDlg::SaveMacroLibrary(std::vector<FileResult>* failures) {
    FileResult saved = SaveLibrary(MacroFolder(), library_);
    if (saved) {
        return true;
    }
    if (failures != nullptr) {
        failures->push_back(std::move(saved));
    } else {
        std::fprintf(stderr, "tavro: %s\n", Describe(saved).c_str());
    }
    return false;
}

void CTavroDlg::RefreshMouseSettingsPage() {
    ProfilePage* mouseSettings = pages_.settingsPages[0];
    mouseSettings->StoreRecord(edited());
    mouseSettings->LoadRecord(edited());
}

void CTavroDlg::PollActiveProfile() {
    if (busy_ || !worker_.idle() || !worker_.linkState().open || !isActiveWindow()) {
        return;
    }
    auto reported = std::make_shared<std::optional<uint8_t>>();
    worker_.Post(
        [reported](DeviceLink& link) {
            // Another program holding the mouse makes this round skip.
            const ExchangeLock lock = link.LockExchanges(std::chrono::milliseconds(0));
            uint8_t slot = 0;
            if (lock && ReadActiveProfile(link, slot) == DeviceResult::kDone) {
                *reported = slot;
            }
        },
        [this, reported] {
            // An Apply that started meanwhile decides the profile.
            if (busy_ || !reported->has_value() || **reported == lastActiveSlot_) {
                return;
            }
            lastActiveSlot_ = **reported;
            SwitchProfile(lastActiveSlot_);
            ApplyPointerSettings(edited(), services_.pointerSettings);
        });
}

void CTavroDlg::OnDeviceEventsReadable() {
    if (busy_ || !worker_.idle()) {
        // Resume() takes them once the device thread is free: an Apply first.
        deviceNotifier_->setEnabled(false);
        return;
    }
    services_.link.DispatchDeviceEvents();
}

void CTavroDlg::OnDeviceEvent(const DeviceEvent& event) {
    if (!DeviceLink::IsMouseDevicePath(event.path)) {
        return;
    }
    if (event.kind == DeviceEventKind::kArrival) {
        // The mouse's nodes arrive together; one read after the last of them.
        arrivalTimer_.start();
        return;
    }
    worker_.Post(
        [](DeviceLink& link) {
            link.ClearDeviceFound();
            link.CloseDevice();
        },
        [this] {
            pages_.support->setFirmwareVersion(
                QString::fromLatin1(CSupportDlg::kNoFirmwareVersion));
        });
}

void CTavroDlg::ReadFirmwareAfterArrival() {
    auto firmware = std::make_shared<FirmwareRead>();
    worker_.Post(
        [firmware](DeviceLink& link) { *firmware = ReadFirmware(link, kExchangeLockWait); },
        [this, firmware] {
            if (!firmware->found) {
                return;  // no mouse after all: nothing changes
            }
            pages_.support->setFirmwareVersion(
                firmware->read ? CSupportDlg::FirmwareVersionText(firmware->version)
                               : QString::fromLatin1(CSupportDlg::kNoFirmwareVersion));
        });
}

void CTavroDlg::Resume() {
    if (busy_ || !worker_.idle()) {
        return;
    }
    if (deviceNotifier_ && !deviceNotifier_->isEnabled()) {
        deviceNotifier_->setEnabled(true);
    }
    if (exitRequested_) {
        emit ended();
    }
}

void CTavroDlg::SetTopMost(bool topMost) {
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topMost);
    if (flags == windowFlags()) {
        return;
    }
    // QWidget::setWindowFlags would destroy and re-create the native window, which hides
    // a shown one on X11; the platform window takes the flag in place.
    overrideWindowFlags(flags);
    if (QWindow* window = windowHandle()) {
        window->setFlags(flags);
    }
}

void CTavroDlg::OnTrayActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::DoubleClick:
        // Trays of the freedesktop kind report a plain click where Windows saw a double one.
        case QSystemTrayIcon::Trigger:
            ShowWindow();
            break;
        case QSystemTrayIcon::Context:
            ShowTrayMenu();
            break;
        case QSystemTrayIcon::Unknown:
        case QSystemTrayIcon::MiddleClick:
            break;
    }
}

void CTavroDlg::ShowTrayMenu() {
    if (trayMenu_ == nullptr) {
        trayMenu_ =
            new CVokMenu(this, static_cast<int>(TickCount()), QRect(0, 0, kTrayMenuWidth, 10));
        trayMenu_->addEntry(kConfigMouseItem, QStringLiteral("Config Mouse"));
        trayMenu_->addEntry(kExitItem, QStringLiteral("Exit"));
    }
    const QPoint pointer = QCursor::pos();
    trayMenu_->showMenu(SkinnedMenu::kBottomRight, pointer.x(), pointer.y());
}

void CTavroDlg::mousePressEvent(QMouseEvent* event) {
    QWidget* child = childAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || (child != nullptr && child != versionLabel_)) {
        CVokImageDialog::mousePressEvent(event);
        return;
    }
    // The window manager or the compositor moves the window where it can; elsewhere the
    // window follows the pointer itself.
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) {
        return;
    }
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - pos();
}

void CTavroDlg::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
        return;
    }
    CVokImageDialog::mouseMoveEvent(event);
}

void CTavroDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
    }
    CVokImageDialog::mouseReleaseEvent(event);
}

void CTavroDlg::closeEvent(QCloseEvent* event) {
    // The window manager's close (Alt+F4, a task bar's menu) hides the window like
    // Cancel; where no tray could bring it back, it ends the program like Exit.
    event->ignore();
    if (services_.trayAvailable()) {
        hide();
    } else {
        RequestExit();
    }
}

bool CTavroDlg::deviceFound() const {
    return worker_.linkState().deviceFound;
}

bool CTavroDlg::FindDevice() {
    return RunOnDevice<bool>(worker_, false, [](DeviceLink& link) { return link.FindDevice(); });
}

void CTavroDlg::CloseDevice() {
    worker_.Run([](DeviceLink& link) { link.CloseDevice(); });
}

DeviceResult CTavroDlg::RunExchange(const std::function<DeviceResult(DeviceLink&)>& exchange) {
    return RunOnDevice<DeviceResult>(worker_, DeviceResult::kFailed, [exchange](DeviceLink& link) {
        const ExchangeLock lock = link.LockExchanges(kExchangeLockWait);
        return lock ? exchange(link) : DeviceResult::kFailed;
    });
}

DeviceResult CTavroDlg::StartSurfaceAnalysis() {
    return RunExchange([](DeviceLink& link) { return tavro::StartSurfaceAnalysis(link); });
}

DeviceResult CTavroDlg::ReadSurfaceQuality(uint8_t& quality) {
    auto measured = std::make_shared<uint8_t>(quality);
    const DeviceResult result = RunExchange(
        [measured](DeviceLink& link) { return tavro::ReadSurfaceQuality(link, *measured); });
    if (result == DeviceResult::kDone) {
        quality = *measured;
    }
    return result;
}

DeviceResult CTavroDlg::TestLiftDistance(uint8_t distance) {
    return RunExchange(
        [distance](DeviceLink& link) { return tavro::TestLiftDistance(link, distance); });
}

DeviceResult CTavroDlg::SaveLiftDistance(uint8_t distance) {
    return RunExchange(
        [distance](DeviceLink& link) { return tavro::SaveLiftDistance(link, distance); });
}

}  // namespace tavro
