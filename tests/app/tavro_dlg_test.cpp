// The main window with the simulated mouse behind a state file, in temporary XDG folders.
// Controls are clicked at the centres of their rectangles in the layout table.
#include <QFontMetrics>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/caption_fit.h"
#include "app/main_window_layout.h"
#include "app/tavro_dlg.h"
#include "device/config_image.h"
#include "macros/macro_library.h"
#include "profile/profile_file.h"
#include "profile/storage_paths.h"
#include "sim/sim_backend.h"
#include "sim/sim_mouse.h"
#include "sim/sim_plug_events.h"
#include "sim/sim_state_file.h"
#include "skin/layout_qt.h"
#include "skin/owner_notification.h"
#include "tests/support/generated_skin.h"
#include "tests/support/recording_pointer_settings.h"
#include "tests/support/recording_sleeper.h"

namespace tavro {
namespace {

using namespace main_window_layout;
using testing::PlacedChild;

QPoint Centre(const LayoutRect& rect) {
    return {rect.centerX(), rect.centerY()};
}

// A click as the pointer gives it: to the control under the point.
void ClickAt(QWidget& window, const LayoutRect& rect) {
    const QPoint point = Centre(rect);
    QWidget* target = window.childAt(point);
    QVERIFY2(target != nullptr, "no control at the point");
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window, point));
}

void Drag(QWidget& widget, QPoint from, QPoint by) {
    QTest::mousePress(&widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(&widget, from + by);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, from + by);
}

void ChooseEntry(SkinnedMenu& menu, int code) {
    const MenuItem* entry = menu.findEntry(code);
    QVERIFY(entry != nullptr);
    QTest::mouseClick(&menu, Qt::LeftButton, {}, Centre(entry->rect));
}

// Stands in for a settings page: it holds a DPI value as its controls would, and logs
// every call the window makes.
class RecordingPage final : public ProfilePage {
public:
    RecordingPage(std::string name, std::vector<std::string>& log)
        : name_(std::move(name)), log_(log) {}

    void LoadRecord(const ProfileRecord& record) override {
        log_.push_back("load " + name_ + " " + std::to_string(record.slot));
        dpi = record.dpiX1;
    }
    void StoreRecord(ProfileRecord& record) override {
        log_.push_back("store " + name_ + " " + std::to_string(record.slot));
        if (editsDpi) {
            record.dpiX1 = dpi;
        }
    }
    void OnPagesLoaded() override { log_.push_back("loaded " + name_); }

    bool editsDpi = false;
    int16_t dpi = 0;  // what the page's control shows

private:
    std::string name_;
    std::vector<std::string>& log_;
};

// Everything a main window runs with, in temporary folders.
struct Harness {
    Harness() {
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        prepared = PrepareSimStateFile(stateFile).ok();
    }
    ~Harness() {
        window.reset();
        qunsetenv("XDG_DATA_HOME");
    }

    CTavroDlg& Start(DeviceEventSource* source) {
        if (!prepared) {
            qFatal("the simulated mouse's state file could not be made");
        }
        window = std::make_unique<CTavroDlg>(TavroServices{
            .skin = testing::GeneratedSkin(),
            .link = link,
            .deviceEvents = source,
            .pointerSettings = pointer,
            .addressOpener = opener,
            .showMessage =
                [this](QWidget*, const QString& text) {
                    messages.append(text);
                    busyDuringMessage.push_back(window && window->isBusy());
                },
            .trayAvailable = [this] { return trayAvailable; },
            .buildPages =
                [this](QWidget& mainWindow, const PageContext& context) {
                    PageSet set = BuildPageSet(mainWindow, context);
                    set.settingsPages = {&mousePage, &sensorPage, &lightingPage};
                    return set;
                },
            .arrivalDelay = std::chrono::milliseconds(0),
        });
        window->deviceWorker().WaitUntilIdle();
        return *window;
    }
    CTavroDlg& Start() { return Start(&events); }

    CTavroDlg& StartShown() {
        Start();
        window->show();
        return *window;
    }

    void WaitForDevice() { window->deviceWorker().WaitUntilIdle(); }

    // Another process changes the state file: unplugs or plugs in the mouse.
    void SetPluggedIn(bool plugged) { QVERIFY(other.SetPluggedIn(plugged)); }

    std::filesystem::path Path(const QString& name) const {
        return std::filesystem::path(data.filePath(name).toStdString());
    }

    QTemporaryDir data;
    std::filesystem::path stateFile = Path(QStringLiteral("mouse.state"));
    bool prepared = false;
    SimMouse mouse{stateFile};
    SimHidBackend backend{mouse};
    RecordingSleeper sleeper;
    DeviceLink link{backend, sleeper};
    SimMouse other{stateFile};  // another process sharing the mouse
    SimPlugEvents events{stateFile};
    RecordingPointerSettings pointer;
    RecordingAddressOpener opener;
    QStringList messages;
    std::vector<bool> busyDuringMessage;
    bool trayAvailable = true;
    std::vector<std::string> log;
    RecordingPage mousePage{"mouse", log};
    RecordingPage sensorPage{"sensor", log};
    RecordingPage lightingPage{"lighting", log};
    std::unique_ptr<CTavroDlg> window;
};

ConfigImage ImageOf(const ProfileRecord& record) {
    DeviceProfile profile;
    PackProfile(record, profile);
    ConfigImage image{};
    EncodeImage(profile, image);
    return image;
}

}  // namespace

class TavroDlgTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithDefaultsWhereThereAreNoFiles() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        for (int slot = 0; slot < kProfileCount; ++slot) {
            const ProfileRecord& record = window.profiles()[slot];
            QCOMPARE(int(record.slot), slot);
            QCOMPARE(record.name, DefaultProfileName(slot));
            QCOMPARE(record.filePath, ProfilePath(slot));
            auto* button = PlacedChild<CVokButton>(window, kProfileBar[slot].profile);
            QCOMPARE(button->text(), QStringLiteral("Profile%1").arg(slot + 1));
            QCOMPARE(button->isSelected(), slot == 0);
        }
        QCOMPARE(window.editedSlot(), 0);
        QVERIFY(harness.window->profiles()[0].filePath.string().starts_with(
            harness.data.path().toStdString()));
        // The three settings pages load in their order, then each hears that all did.
        const std::vector<std::string> loaded = {"load mouse 0",    "load sensor 0",
                                                 "load lighting 0", "loaded mouse",
                                                 "loaded sensor",   "loaded lighting"};
        QCOMPARE(harness.log, loaded);
        const PageSet& pages = window.pages();
        QVERIFY(!pages.mouseSettings->isHidden());
        for (CVokImageDialog* page : {static_cast<CVokImageDialog*>(pages.sensor),
                                      static_cast<CVokImageDialog*>(pages.lighting),
                                      static_cast<CVokImageDialog*>(pages.macros),
                                      static_cast<CVokImageDialog*>(pages.support)}) {
            QVERIFY(page->isHidden());
            QCOMPARE(page->geometry(), ToQRect(kPageArea));
        }
        for (const PlacedControl& tab : kTabs) {
            QVERIFY(!PlacedChild<CVokButton>(window, tab)->isSelected());
        }
        QCOMPARE(PlacedChild<CVokComboButton>(window, kLanguageButton)->caption(),
                 QStringLiteral("English"));
        QCOMPARE(PlacedChild<CVokStatic>(window, kVersionLabel)->text(), QStringLiteral("1.24"));
        QCOMPARE(pages.support->softwareVersion(), QStringLiteral("1.24"));
        QCOMPARE(pages.support->firmwareVersion(), QStringLiteral("1.24"));
        QCOMPARE(window.windowTitle(), QStringLiteral("TAVRO"));
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window.trayIcon()->toolTip(), QStringLiteral("TAVRO Optical Gaming Mouse"));
        QVERIFY(window.hotPlugActive());
        QVERIFY(window.macroLibrary().empty());
        QVERIFY(harness.messages.isEmpty());
        // Nothing is written before the first Apply.
        QVERIFY(!std::filesystem::exists(ProfilePath(0)));
    }

    void startsFromTheFilesThatAreThere() {
        Harness harness;
        ProfileRecord gaming;
        gaming.slot = 1;
        gaming.name = u"Gaming";
        gaming.dpiX1 = 3200;
        QVERIFY(SaveProfile(gaming, ProfilePath(1), ProfilePlace::kDataFolder).ok());
        ProfileRecord disabled;
        disabled.slot = 3;
        disabled.name = u"Work";
        disabled.enabled = 0;
        QVERIFY(SaveProfile(disabled, ProfilePath(3), ProfilePlace::kDataFolder).ok());
        std::filesystem::create_directories(ProfilePath(4).parent_path());
        std::ofstream(ProfilePath(4)) << "not a profile";
        std::vector<CMacro> library(1);
        library[0].id = 16;
        library[0].name = u"Reload";
        QVERIFY(SaveLibrary(MacroFolder(), library).ok());

        CTavroDlg& window = harness.Start();
        QCOMPARE(window.profiles()[1].name, std::u16string(u"Gaming"));
        QCOMPARE(window.profiles()[1].dpiX1, int16_t(3200));
        QCOMPARE(int(window.profiles()[1].slot), 1);
        QCOMPARE(PlacedChild<CVokButton>(window, kProfileBar[1].profile)->text(),
                 QStringLiteral("Gaming"));
        QVERIFY(!PlacedChild<CVokButton>(window, kProfileBar[3].profile)->isEnabled());
        QVERIFY(PlacedChild<CVokButton>(window, kProfileBar[2].profile)->isEnabled());
        // A file that is not a profile leaves the slot at its defaults.
        QCOMPARE(window.profiles()[4].name, DefaultProfileName(4));
        QCOMPARE(window.macroLibrary().size(), size_t(1));
        QCOMPARE(window.macroLibrary()[0].name, std::u16string(u"Reload"));
    }

    void theFirmwareLabelSaysWhatTheMouseSaidAtTheStart() {
        Harness withMouse;
        QCOMPARE(withMouse.Start().pages().support->firmwareVersion(), QStringLiteral("1.24"));

        Harness withoutMouse;
        withoutMouse.SetPluggedIn(false);
        QCOMPARE(withoutMouse.Start().pages().support->firmwareVersion(), QStringLiteral("-.--"));

        Harness silentMouse;  // found, but every request is refused
        silentMouse.mouse.RefuseSends(EPIPE, SimRefusal::kAlways);
        QCOMPARE(silentMouse.Start().pages().support->firmwareVersion(), QStringLiteral("0.00"));
    }

    void applyWritesTheFilesTheLibraryAndEveryImageAndSelectsTheEditedSlot() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        ClickAt(window, kProfileBar[2].profile.rect);
        QCOMPARE(window.editedSlot(), 2);
        harness.sensorPage.editsDpi = true;
        harness.sensorPage.dpi = 2400;  // an edit still on the page
        harness.log.clear();

        ClickAt(window, kApplyButton.rect);
        QVERIFY(window.isBusy());
        ClickAt(window, kApplyButton.rect);  // a second click while busy is ignored
        harness.WaitForDevice();
        QVERIFY(!window.isBusy());

        QCOMPARE(harness.log.front(), std::string("store mouse 2"));
        for (int slot = 0; slot < kProfileCount; ++slot) {
            ProfileRecord saved;
            QVERIFY(LoadProfile(ProfilePath(slot), saved).ok());
            QCOMPARE(saved.name, DefaultProfileName(slot));
            QCOMPARE(harness.mouse.Image(slot), ImageOf(window.profiles()[slot]));
        }
        ProfileRecord edited;
        QVERIFY(LoadProfile(ProfilePath(2), edited).ok());
        QCOMPARE(edited.dpiX1, int16_t(2400));
        QVERIFY(std::filesystem::exists(MacroFolder() / "macroList.dat"));
        QCOMPARE(int(harness.mouse.State().activeSlot), 2);
        // The firmware read at the start, then ten image halves and one select: one Apply.
        QCOMPARE(harness.sleeper.pauses.size(), size_t(1 + 11));
        QVERIFY(!harness.pointer.calls().empty());
        QVERIFY(harness.messages.isEmpty());
    }

    void applyWithoutTheMouseSavesTheFilesSaysSoAndClosesTheHandle() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        harness.SetPluggedIn(false);
        QTRY_COMPARE(window.pages().support->firmwareVersion(), QStringLiteral("-.--"));
        harness.WaitForDevice();

        ClickAt(window, kApplyButton.rect);
        harness.WaitForDevice();
        for (int slot = 0; slot < kProfileCount; ++slot) {
            QVERIFY(std::filesystem::exists(ProfilePath(slot)));
        }
        QVERIFY(std::filesystem::exists(MacroFolder() / "macroList.dat"));
        QCOMPARE(harness.messages, QStringList{QStringLiteral("TAVRO mouse not found")});
        // Still busy while the message is up.
        QCOMPARE(harness.busyDuringMessage, std::vector<bool>{true});
        QVERIFY(!window.isBusy());
        QVERIFY(!window.deviceWorker().linkState().open);
        QCOMPARE(harness.backend.OpenHandleCount(), 0);
    }

    void aFileThatCannotBeWrittenIsNamedInAMessage() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        // A file where the profiles' folder should be: no profile can be written.
        const std::filesystem::path folder = ProfilePath(0).parent_path();
        std::filesystem::create_directories(folder.parent_path());
        std::ofstream(folder) << "in the way";
        ClickAt(window, kApplyButton.rect);
        harness.WaitForDevice();
        QCOMPARE(harness.messages.size(), 1);
        for (int slot = 0; slot < kProfileCount; ++slot) {
            QVERIFY2(
                harness.messages[0].contains(QString::fromStdString(ProfilePath(slot).string())),
                qPrintable(harness.messages[0]));
        }
        // The library and the mouse are written all the same.
        QVERIFY(std::filesystem::exists(MacroFolder() / "macroList.dat"));
        QCOMPARE(harness.mouse.Image(0), ImageOf(window.profiles()[0]));
    }

    void applyRunsOffTheWindowsThreadAndKeepsEverythingElseOut() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Hold the device thread in the Apply's first pause.
        std::mutex mutex;
        std::condition_variable released;
        bool release = false;
        std::atomic<bool> held = false;
        harness.sleeper.onPause = [&](std::chrono::milliseconds) {
            if (held.exchange(true)) {
                return;
            }
            std::unique_lock<std::mutex> hold(mutex);
            released.wait(hold, [&] { return release; });
        };
        ClickAt(window, kApplyButton.rect);
        QTRY_VERIFY(held.load());

        // The window's loop goes on: a timer fires, and a page's exchange waits its turn.
        bool timerFired = false;
        QTimer::singleShot(0, [&] { timerFired = true; });
        QTRY_VERIFY(timerFired);
        QVERIFY(window.isBusy());
        window.PollActiveProfile();  // skipped while busy
        DeviceResult lift = DeviceResult::kFailed;
        QTimer::singleShot(0, [&] { lift = window.TestLiftDistance(12); });
        // A timer, not a posted call: a loop nested in a posted call waits for new ones.
        QTimer::singleShot(5, [&] {
            {
                const std::lock_guard<std::mutex> hold(mutex);
                release = true;
            }
            released.notify_one();
        });
        QTRY_COMPARE(lift, DeviceResult::kDone);
        harness.WaitForDevice();

        // The lift-off test went out after the Apply's select, and nothing else did.
        const auto& reports = harness.mouse.ReceivedReports();
        QCOMPARE(reports.back()[1], uint8_t(0x06));
        QCOMPARE(reports[reports.size() - 2][1], uint8_t(0x04));
        QCOMPARE(reports.size(), size_t(1 + 10 + 1 + 1));  // firmware, images, select, lift
    }

    void theVisiblePagesTabStoresNothing() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        harness.log.clear();
        ClickAt(window, kMouseSettingsTab.rect);
        QVERIFY(harness.log.empty());
        QVERIFY(!PlacedChild<CVokButton>(window, kMouseSettingsTab)->isSelected());

        ClickAt(window, kSensorTab.rect);
        const std::vector<std::string> stored = {"store mouse 0", "store sensor 0",
                                                 "store lighting 0"};
        QCOMPARE(harness.log, stored);
        QVERIFY(!window.pages().sensor->isHidden());
        QVERIFY(window.pages().mouseSettings->isHidden());
        QVERIFY(PlacedChild<CVokButton>(window, kSensorTab)->isSelected());
        ClickAt(window, kSensorTab.rect);
        QCOMPARE(harness.log, stored);

        ClickAt(window, kSupportTab.rect);
        QVERIFY(!window.pages().support->isHidden());
        QVERIFY(!PlacedChild<CVokButton>(window, kSensorTab)->isSelected());
    }

    void thePollFollowsTheMousesButtonOnlyWhileTheWindowIsActive() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        QProcess tavroctl;
        tavroctl.start(QStringLiteral(TAVROCTL_PATH),
                       {QStringLiteral("--simulate=%1")
                            .arg(QString::fromStdString(harness.stateFile.string())),
                        QStringLiteral("select"), QStringLiteral("3")});
        QVERIFY(tavroctl.waitForFinished(10000));
        QCOMPARE(tavroctl.exitCode(), 0);
        harness.log.clear();

        window.PollActiveProfile();  // hidden: nothing is asked
        harness.WaitForDevice();
        QCOMPARE(window.editedSlot(), 0);
        QVERIFY(harness.log.empty());

        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.PollActiveProfile();
        harness.WaitForDevice();
        QCOMPARE(window.editedSlot(), 3);
        QVERIFY(PlacedChild<CVokButton>(window, kProfileBar[3].profile)->isSelected());
        QVERIFY(!PlacedChild<CVokButton>(window, kProfileBar[0].profile)->isSelected());
        QCOMPARE(harness.log.front(), std::string("store mouse 0"));
        QVERIFY(std::find(harness.log.begin(), harness.log.end(), "load mouse 3") !=
                harness.log.end());
        const size_t pointerCalls = harness.pointer.calls().size();
        QVERIFY(pointerCalls > 0);

        // The same slot again changes nothing.
        harness.log.clear();
        window.PollActiveProfile();
        harness.WaitForDevice();
        QVERIFY(harness.log.empty());
        QCOMPARE(harness.pointer.calls().size(), pointerCalls);
        QCOMPARE(window.pollInterval(), 2000);
    }

    void unplugAndPlugInShowInTheFirmwareLabel() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        CSupportDlg& support = *window.pages().support;
        QCOMPARE(support.firmwareVersion(), QStringLiteral("1.24"));

        harness.SetPluggedIn(false);
        QTRY_COMPARE(support.firmwareVersion(), QStringLiteral("-.--"));
        harness.WaitForDevice();
        QVERIFY(!window.deviceFound());
        QVERIFY(!window.deviceWorker().linkState().open);

        SimMouseState state = harness.mouse.State();
        state.firmwareVersion = 131;
        harness.mouse.SetState(state);
        harness.SetPluggedIn(true);
        QTRY_COMPARE(support.firmwareVersion(), QStringLiteral("1.31"));
        harness.WaitForDevice();
        QVERIFY(window.deviceFound());
        QVERIFY(window.deviceWorker().linkState().open);
    }

    void anUnplugDuringAnApplyIsHandledAfterIt() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        bool unplugged = false;
        // Pulled out while the mouse takes the select: on the device thread, through the
        // mouse that holds the exchange lock.
        harness.sleeper.onPause = [&](std::chrono::milliseconds pause) {
            if (!unplugged && pause == std::chrono::milliseconds(1500)) {
                unplugged = true;
                QVERIFY(harness.mouse.SetPluggedIn(false));
            }
        };
        ClickAt(window, kApplyButton.rect);
        harness.WaitForDevice();
        QCOMPARE(harness.messages, QStringList{QStringLiteral("TAVRO mouse not found")});
        QVERIFY(!window.isBusy());
        QTRY_COMPARE(window.pages().support->firmwareVersion(), QStringLiteral("-.--"));
    }

    void choosingALanguageChangesOnlyItsCaption() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        window.show();
        harness.log.clear();
        const auto profiles = window.profiles();
        auto* language = PlacedChild<CVokComboButton>(window, kLanguageButton);
        ClickAt(window, kLanguageButton.rect);
        SkinnedMenu* menu = language->menu();
        QVERIFY(menu->isVisible());
        // Upward: the menu ends where the button begins.
        QCOMPARE(menu->geometry().bottom() + 1, language->mapToGlobal(QPoint(0, 0)).y());
        QCOMPARE(menu->entries().size(), kLanguages.size());
        QCOMPARE(menu->entries()[6].text, QStringLiteral("Korean"));

        ChooseEntry(*menu, 6);
        QCOMPARE(language->caption(), QStringLiteral("Korean"));
        QCOMPARE(language->accessibleName(), QStringLiteral("Korean"));
        QVERIFY(!menu->isVisible());
        QVERIFY(harness.log.empty());
        QVERIFY(window.profiles() == profiles);
        QVERIFY(!std::filesystem::exists(ProfilePath(0)));
        QVERIFY(harness.messages.isEmpty());
    }

    void okAppliesThenHidesAndCancelHides() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        window.show();
        ClickAt(window, kOkButton.rect);
        QVERIFY(window.isVisible());  // until the Apply is over
        harness.WaitForDevice();
        QVERIFY(!window.isVisible());
        QVERIFY(std::filesystem::exists(ProfilePath(0)));

        window.ShowWindow();
        QVERIFY(window.isVisible());
        ClickAt(window, kCancelButton.rect);
        QVERIFY(!window.isVisible());

        // Without a tray the window stays reachable: minimised, not hidden.
        harness.trayAvailable = false;
        window.ShowWindow();
        ClickAt(window, kCancelButton.rect);
        QVERIFY(window.isVisible());
        QVERIFY(window.isMinimized());
        window.ShowWindow();
        QVERIFY(!window.isMinimized());
    }

    void enterAndEscapeDoNothingAndTabMovesAlongTheButtons() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* firstTab = PlacedChild<CVokButton>(window, kMouseSettingsTab);
        firstTab->setFocus();
        QTest::keyClick(&window, Qt::Key_Return);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        QVERIFY(!window.isBusy());
        QVERIFY(!std::filesystem::exists(ProfilePath(0)));

        const std::vector<int> order = {1001, 1002, 1003, 1004, 1020, 1007, 1019, 1008};
        for (int id : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(ControlId(QApplication::focusWidget()), id);
        }
    }

    void everyControlIsNamedAndEveryCaptionFits() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        for (const PlacedControl& control : kControls) {
            QWidget* widget = PlacedChild<QWidget>(window, control);
            QVERIFY2(widget != nullptr, control.caption.data());
            QVERIFY2(!widget->accessibleName().isEmpty(), control.caption.data());
        }
        QCOMPARE(PlacedChild<QWidget>(window, kResetButton)->accessibleName(),
                 QStringLiteral("Reset to Default"));
        QCOMPARE(PlacedChild<QWidget>(window, kProfileBar[0].profile)->accessibleName(),
                 QStringLiteral("Profile1"));
        QCOMPARE(PlacedChild<QWidget>(window, kLanguageButton)->accessibleName(),
                 QStringLiteral("English"));
        QCOMPARE(PlacedChild<QWidget>(window, kProfileBar[4].menu)->accessibleName(),
                 QStringLiteral("5"));

        for (CVokButton* button : window.findChildren<CVokButton*>()) {
            if (!button->text().isEmpty()) {
                const LayoutRect rect{button->x(), button->y(), button->width(), button->height()};
                QVERIFY2(CaptionFits(button->font(), {button->text(), ButtonCaptionRoom(rect)}),
                         qPrintable(button->text()));
            }
        }
        auto* language = PlacedChild<CVokComboButton>(window, kLanguageButton);
        for (std::string_view choice : kLanguages) {
            QVERIFY2(CaptionFits(language->font(), {QString::fromUtf8(choice.data(), choice.size()),
                                                    DropDownCaptionRoom(kLanguageButton.rect)}),
                     choice.data());
        }
    }

    void theTopMostSwitchKeepsTheWindowWhereItIs() {
        Harness harness;
        CTavroDlg& window = harness.StartShown();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const WId native = window.winId();
        const QPoint position = window.pos();
        NotifyOwner(&window, kTopMostRequestId, 1);
        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(window.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
        QVERIFY(window.isVisible());
        QCOMPARE(window.winId(), native);
        NotifyOwner(&window, kTopMostRequestId, 0);
        QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());
        QCOMPARE(window.winId(), native);
        QCOMPARE(window.pos(), position);
    }

    void draggingTheBackgroundMovesTheWindow() {
        Harness harness;
        CTavroDlg& window = harness.StartShown();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint start = window.pos();
        // Without a window manager to ask, the window follows the pointer itself.
        const QPoint header(400, 60);
        QCOMPARE(window.childAt(header), nullptr);
        Drag(window, header, QPoint(30, 20));
        QCOMPARE(window.pos(), start + QPoint(30, 20));

        // A press on a page is the page's, not the window's.
        QWidget* page = window.pages().mouseSettings;
        const QPoint onPage(300, 100);
        Drag(*page, onPage, QPoint(30, 20));
        QCOMPARE(window.pos(), start + QPoint(30, 20));
    }

    void theTrayShowsTheWindowAndItsMenuEndsTheProgram() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        QSignalSpy ended(&window, &CTavroDlg::ended);
        emit window.trayIcon()->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window.isVisible());
        window.hide();

        QCursor::setPos(400, 500);
        emit window.trayIcon()->activated(QSystemTrayIcon::Context);
        CVokMenu* menu = window.trayMenu();
        QVERIFY(menu != nullptr && menu->isVisible());
        QCOMPARE(menu->width(), 105);
        QCOMPARE(menu->geometry().bottomRight() + QPoint(1, 1), QCursor::pos());
        QCOMPARE(menu->entries()[0].text, QStringLiteral("Config Mouse"));
        QCOMPARE(menu->entries()[1].text, QStringLiteral("Exit"));
        ChooseEntry(*menu, CTavroDlg::kConfigMouseItem);
        QVERIFY(window.isVisible());
        QCOMPARE(ended.count(), 0);

        emit window.trayIcon()->activated(QSystemTrayIcon::Context);
        ChooseEntry(*window.trayMenu(), CTavroDlg::kExitItem);
        QCOMPARE(ended.count(), 1);
    }

    void anExitWaitsForTheApplyAndTheLibraryIsSavedAtTheEnd() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        QSignalSpy ended(&window, &CTavroDlg::ended);
        ClickAt(window, kApplyButton.rect);
        window.RequestExit();
        QCOMPARE(ended.count(), 0);
        harness.WaitForDevice();
        QCOMPARE(ended.count(), 1);

        std::filesystem::remove_all(MacroFolder());
        harness.window.reset();
        QVERIFY(std::filesystem::exists(MacroFolder() / "macroList.dat"));
    }

    void withoutHotPlugTheProgramSaysSoAndGoesOn() {
        Harness withoutSource;
        withoutSource.Start(nullptr);
        QCOMPARE(withoutSource.messages,
                 QStringList{QStringLiteral("RegisterDeviceNotification Failed!")});
        QVERIFY(!withoutSource.window->hotPlugActive());

        Harness unwatchable;
        SimPlugEvents nowhere("/nonexistent-tavro-folder/mouse.state");
        unwatchable.Start(&nowhere);
        QCOMPARE(unwatchable.messages,
                 QStringList{QStringLiteral("RegisterDeviceNotification Failed!")});
        QCOMPARE(unwatchable.window->pages().support->firmwareVersion(), QStringLiteral("1.24"));
    }

    void pagesReachTheMouseThroughTheWindow() {
        Harness harness;
        CTavroDlg& window = harness.Start();
        QVERIFY(window.deviceFound());
        QCOMPARE(window.StartSurfaceAnalysis(), DeviceResult::kDone);
        uint8_t quality = 0;
        QCOMPARE(window.ReadSurfaceQuality(quality), DeviceResult::kDone);
        QCOMPARE(quality, harness.mouse.State().surfaceQuality);
        QCOMPARE(window.SaveLiftDistance(20), DeviceResult::kDone);
        QCOMPARE(int(harness.mouse.State().liftDistance), 20);
        window.CloseDevice();
        QVERIFY(!window.deviceWorker().linkState().open);
        QCOMPARE(window.TestLiftDistance(12), DeviceResult::kFailed);
        QVERIFY(window.FindDevice());
        QCOMPARE(window.TestLiftDistance(12), DeviceResult::kDone);
    }
};

}  // namespace tavro

QTEST_MAIN(tavro::TavroDlgTest)
#include "tavro_dlg_test.moc"
