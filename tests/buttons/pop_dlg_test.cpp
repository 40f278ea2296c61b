// The pop-up in each of its modes: placement, results, the surface analysis chain with
// its countdown, and key capture.
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "buttons/pop_dlg.h"
#include "buttons/popup_layout.h"
#include "buttons/vok_combo_button.h"
#include "buttons/vok_menu.h"
#include "device/mouse_actions.h"
#include "platform/application_keyboard_watcher.h"
#include "skin/layout_qt.h"
#include "skin/owner_notification.h"
#include "skin/vok_button.h"
#include "skin/vok_static.h"
#include "tests/support/fake_keyboard_watcher.h"
#include "tests/support/find_control.h"
#include "tests/support/manual_clock.h"
#include "tests/support/modal_steps.h"
#include "tests/support/recording_owner.h"
#include "tests/support/window_input.h"

namespace tavro {

// What the watcher reports, in order: virtual-key code, released.
using KeyEvents = std::vector<std::pair<uint8_t, bool>>;

}  // namespace tavro

Q_DECLARE_METATYPE(tavro::KeyEvents)

namespace tavro {

namespace {

using namespace std::chrono_literals;
namespace layout = popup_layout;

class FakeMouse : public MouseActions {
public:
    bool found = true;
    DeviceResult startResult = DeviceResult::kDone;
    int finds = 0;
    int closes = 0;
    int starts = 0;

    bool deviceFound() const override { return found; }
    bool FindDevice() override {
        ++finds;
        return found;
    }
    void CloseDevice() override { ++closes; }
    DeviceResult StartSurfaceAnalysis() override {
        ++starts;
        return startResult;
    }
    DeviceResult ReadSurfaceQuality(uint8_t&) override { return DeviceResult::kFailed; }
    DeviceResult TestLiftDistance(uint8_t) override { return DeviceResult::kFailed; }
    DeviceResult SaveLiftDistance(uint8_t) override { return DeviceResult::kFailed; }
};

struct Message {
    QWidget* parent;
    QString text;
};

// Keys as the watcher reports them, delivered before the step goes on.
void Inject(FakeKeyboardWatcher& watcher, CPopDlg& popup,
            std::initializer_list<std::pair<uint8_t, bool>> events) {
    for (const auto& [key, released] : events) {
        watcher.InjectKey(key, released);
    }
    QCoreApplication::sendPostedEvents(&popup);
}

QString TimeText(CPopDlg& popup) {
    return ControlOf<CVokStatic>(popup, layout::kTimeId)->text();
}

}  // namespace

class PopDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void eachModeShowsItsSheetAndPlacesItsControls();
    void theTemplateRectanglesOfTheModes();
    void opensCentredAndModalToItsOwnersWindowOnly();
    void buttonsAndKeysEndWithTheirResults();
    void countdownCountsTenToZeroThenOpensTheResult();
    void surfaceAnalysisPassesTheResultBack();
    void surfaceAnalysisStopsWhenTheCountdownIsLeft_data();
    void surfaceAnalysisStopsWhenTheCountdownIsLeft();
    void enterDuringTheCountdownOpensTheResultOnce();
    void surfaceStartWithoutTheMouseSaysSoAndStaysOpen();
    void captureTakesTheLastKeyEvent_data();
    void captureTakesTheLastKeyEvent();
    void enterEscapeAndTabAreCapturedNotActing();
    void cancelAndCloseLeaveTheButton();
    void watcherThatCannotStartSaysSetHookFailed();
    void keysTypedIntoThePopUpAreCapturedWhereOnlyTheProgramIsWatched();
    void singleKeyChosenFromTheMenuBecomesTheCapturedKey();

private:
    // The test's clock, message log and mouse.
    void configure(CPopDlg& popup) {
        popup.setMouseActions(mouse_);
        popup.setScheduler(clock_.scheduler());
        popup.setMessageSink([this](QWidget* parent, const QString& text) {
            messages_.push_back({parent, text});
        });
    }
    // A key capture on the test's window with `watcher`, writing into a new drop-down
    // button that shows "Left Click".
    struct KeyCapture {
        KeyCapture(PopDlgTest& test, KeyboardWatcher& watcher)
            : target(new CVokComboButton(1012, test.page_)),
              popup(layout::kAssignKey, test.page_, test.skin_) {
            target->setGeometry(10, 10, 182, 25);
            target->setAssignment(QStringLiteral("Left Click"), 0, 0);
            test.configure(popup);
            popup.setKeyCapture(*target, watcher);
        }
        CVokComboButton* target;
        CPopDlg popup;
    };

    SkinResources skin_{TAVRO_SKIN_DIR};
    QWidget* window_ = nullptr;  // the main window
    QWidget* page_ = nullptr;    // a page on it
    ManualClock clock_;
    std::vector<Message> messages_;
    FakeMouse mouse_;
};

void PopDlgTest::init() {
    window_ = new QWidget;
    window_->setGeometry(60, 40, 800, 600);
    page_ = new QWidget(window_);
    page_->setGeometry(9, 209, 783, 349);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    clock_ = ManualClock();
    messages_.clear();
    mouse_ = FakeMouse();
}

void PopDlgTest::cleanup() {
    delete window_;
}

void PopDlgTest::eachModeShowsItsSheetAndPlacesItsControls() {
    FakeKeyboardWatcher watcher;
    CVokComboButton target(1012, page_);
    for (const layout::PopupLayout& mode : layout::kModes) {
        const QByteArray name = QByteArray::number(mode.mode);
        CPopDlg popup(mode.mode, page_, skin_);
        configure(popup);
        popup.setKeyCapture(target, watcher);
        QCOMPARE(popup.mode(), mode.mode);
        QCOMPARE(popup.size(), QSize(mode.dialog.width, mode.dialog.height));
        QCOMPARE(popup.background(), skin_.element(mode.mode, SkinState::Normal));

        ModalSteps steps;
        steps.then([&] {
            for (const PlacedControl& control : {mode.ok, mode.cancel, mode.close}) {
                auto* button = ControlOf<CVokButton>(popup, control.id);
                QVERIFY2(button != nullptr, name);
                QCOMPARE(button->accessibleName(), QString::fromLatin1(control.caption));
                QCOMPARE(button->isVisible(), !control.rect.empty());
                if (control.rect.empty()) {
                    continue;
                }
                QCOMPARE(button->geometry(), ToQRect(control.rect));
                const FourStateImages& looks = button->images();
                QCOMPARE(looks[SkinState::Normal], skin_.element(control, SkinState::Normal));
                QCOMPARE(looks[SkinState::Over], skin_.element(control, SkinState::Over));
                QCOMPARE(looks[SkinState::Down], looks[SkinState::Normal]);
            }
            const bool countdown = mode.mode == layout::kSurfaceCountdown;
            const bool keyCapture = mode.mode == layout::kAssignKey;
            auto* time = ControlOf<CVokStatic>(popup, layout::kTimeId);
            auto* image = ControlOf<CVokStatic>(popup, layout::kImageId);
            QCOMPARE(time->isVisible(), countdown || keyCapture);
            QCOMPARE(image->isVisible(), countdown);
            QCOMPARE(ControlOf<CVokButton>(popup, layout::kOkId)->isEnabled(), !countdown);
            if (countdown || keyCapture) {
                QCOMPARE(time->geometry(), ToQRect(mode.time.rect));
            }
            if (countdown) {
                QCOMPARE(image->geometry(), ToQRect(mode.image.rect));
                QCOMPARE(image->imageIndex(), 0);
            }
            popup.close();
        });
        QCOMPARE(steps.run(popup), CPopDlg::kNotConfirmed);
    }
}

void PopDlgTest::theTemplateRectanglesOfTheModes() {
    // Written out from the dialog template rather than read from the table.
    const struct {
        int mode;
        int id;
        QRect rect;  // empty: hidden in that mode
    } rows[] = {
        {145, layout::kOkId, {317, 150, 56, 24}},
        {145, layout::kCancelId, {}},
        {145, layout::kCloseId, {348, 0, 27, 23}},
        {148, layout::kCancelId, {317, 150, 57, 24}},
        {148, layout::kCloseId, {}},
        {152, layout::kOkId, {224, 157, 104, 23}},
        {156, layout::kCancelId, {335, 157, 54, 23}},
        {162, layout::kOkId, {305, 157, 84, 23}},
        {162, layout::kCancelId, {}},
        {165, layout::kCancelId, {314, 147, 59, 27}},
        {169, layout::kCloseId, {378, 0, 19, 23}},
        {169, layout::kOkId, {274, 131, 54, 25}},
        {174, layout::kOkId, {317, 150, 56, 24}},
        {174, layout::kCancelId, {}},
    };
    for (const auto& row : rows) {
        CPopDlg popup(row.mode, page_, skin_);
        auto* button = ControlOf<CVokButton>(popup, row.id);
        QVERIFY(button != nullptr);
        const QByteArray what = QByteArray::number(row.mode) + " " + QByteArray::number(row.id);
        QVERIFY2(button->isVisibleTo(&popup) == !row.rect.isEmpty(), what);
        if (!row.rect.isEmpty()) {
            QVERIFY2(button->geometry() == row.rect, what);
        }
    }
    const LayoutRect time = layout::FindMode(layout::kSurfaceCountdown)->time.rect;
    QCOMPARE(ToQRect(time), QRect(290, 133, 14, 12));
    const LayoutRect key = layout::FindMode(layout::kAssignKey)->time.rect;
    QCOMPARE(ToQRect(key), QRect(132, 99, 63, 16));
}

void PopDlgTest::opensCentredAndModalToItsOwnersWindowOnly() {
    auto* windowButton = new QPushButton(QStringLiteral("Apply"), window_);
    windowButton->setGeometry(600, 560, 80, 30);
    windowButton->show();
    QSignalSpy windowClicks(windowButton, &QPushButton::clicked);
    QPushButton tray(QStringLiteral("Exit"));  // stands in for the tray's menu
    tray.setGeometry(900, 700, 80, 30);
    tray.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tray));
    QSignalSpy trayClicks(&tray, &QPushButton::clicked);

    CPopDlg popup(layout::kResetWarning, page_, skin_);
    ModalSteps steps;
    steps.then([&] {
        QCOMPARE(TopModal<CPopDlg>(), &popup);
        QCOMPARE(popup.parentWidget(), window_);
        QCOMPARE(popup.windowModality(), Qt::WindowModal);
        QCOMPARE(popup.geometry().center(), window_->geometry().center());
        QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, QPoint(640, 575));
        QCOMPARE(windowClicks.count(), 0);
        QTest::mouseClick(tray.windowHandle(), Qt::LeftButton, {}, QPoint(40, 15));
        QCOMPARE(trayClicks.count(), 1);
        Press(popup, Qt::Key_Escape);
    });
    QCOMPARE(steps.run(popup), CPopDlg::kNotConfirmed);
    QVERIFY(popup.isHidden());
}

void PopDlgTest::buttonsAndKeysEndWithTheirResults() {
    enum Action {
        kOk,
        kCancel,
        kClose,
        kEnter,
        kEscape,
        kTabToCancelThenEnter,
        kTabToCancelThenSpace
    };
    const struct {
        int mode;
        Action action;
        int result;
    } rows[] = {
        {145, kOk, 1},
        {145, kClose, 2},
        {145, kEnter, 1},
        {145, kEscape, 2},
        {148, kOk, 1},
        {148, kCancel, 2},
        {148, kEnter, 1},
        {148, kEscape, 2},
        {162, kOk, 1},
        {162, kClose, 2},
        {162, kEscape, 2},
        {165, kOk, 1},
        {165, kCancel, 2},
        {165, kClose, 2},
        {165, kEnter, 1},
        {165, kTabToCancelThenEnter, 2},
        {165, kTabToCancelThenSpace, 2},
        {174, kOk, 1},
        {174, kClose, 2},
        {174, kEnter, 1},
        {174, kEscape, 2},
    };
    for (const auto& row : rows) {
        const layout::PopupLayout& mode = *layout::FindMode(row.mode);
        CPopDlg popup(row.mode, page_, skin_);
        configure(popup);
        ModalSteps steps;
        steps.then([&] {
            switch (row.action) {
                case kOk:
                    Click(popup, mode.ok.rect);
                    break;
                case kCancel:
                    Click(popup, mode.cancel.rect);
                    break;
                case kClose:
                    Click(popup, mode.close.rect);
                    break;
                case kEnter:
                    Press(popup, Qt::Key_Return);
                    break;
                case kEscape:
                    Press(popup, Qt::Key_Escape);
                    break;
                case kTabToCancelThenEnter:
                case kTabToCancelThenSpace:
                    Press(popup, Qt::Key_Tab);
                    QCOMPARE(ControlId(popup.focusWidget()), layout::kCancelId);
                    Press(popup,
                          row.action == kTabToCancelThenEnter ? Qt::Key_Enter : Qt::Key_Space);
                    break;
            }
        });
        QCOMPARE(steps.run(popup), row.result);
    }
}

void PopDlgTest::countdownCountsTenToZeroThenOpensTheResult() {
    CPopDlg countdown(layout::kSurfaceCountdown, page_, skin_);
    configure(countdown);
    auto* ok = ControlOf<CVokButton>(countdown, layout::kOkId);
    auto* image = ControlOf<CVokStatic>(countdown, layout::kImageId);
    ModalSteps steps;
    steps
        .then([&] {
            QCOMPARE(TimeText(countdown), QStringLiteral("10"));
            QCOMPARE(image->imageIndex(), 0);
            clock_.advance(999ms);
            QCOMPARE(TimeText(countdown), QStringLiteral("10"));
            // The first tick shows TQA2-2, then TQA2-3, TQA2-1 and so on.
            for (int tick = 1; tick <= 10; ++tick) {
                clock_.advance(tick == 1 ? 1ms : 1000ms);
                QCOMPARE(TimeText(countdown), QString::number(10 - tick));
                QCOMPARE(image->imageIndex(), tick % 3);
                QVERIFY(!ok->isEnabled());
            }
            clock_.advance(499ms);
            QCOMPARE(TopModal<CPopDlg>(), &countdown);
            clock_.advance(1ms);  // opens the result
        })
        .then([&] {
            CPopDlg* result = TopModal<CPopDlg>();
            QVERIFY(result != nullptr);
            QCOMPARE(result->mode(), layout::kSurfaceResult);
            QCOMPARE(result->parentWidget(), &countdown);
            // The tick after "0" enables OK and ends the countdown.
            QVERIFY(!ok->isEnabled());
            clock_.advance(500ms);
            QVERIFY(ok->isEnabled());
            QCOMPARE(clock_.pendingCount(), size_t(0));
            QCOMPARE(TimeText(countdown), QStringLiteral("0"));
            Click(*result, layout::FindMode(layout::kSurfaceResult)->ok.rect);
        });
    QCOMPARE(steps.run(countdown), CPopDlg::kConfirmed);
}

void PopDlgTest::surfaceAnalysisPassesTheResultBack() {
    CPopDlg start(layout::kSurfaceStart, page_, skin_);
    configure(start);
    ModalSteps steps;
    steps.then([&] { Click(start, layout::FindMode(layout::kSurfaceStart)->ok.rect); })
        .then([&] {
            QCOMPARE(mouse_.finds, 1);
            QCOMPARE(mouse_.starts, 1);
            CPopDlg* countdown = TopModal<CPopDlg>();
            QVERIFY(countdown != nullptr);
            QCOMPARE(countdown->mode(), layout::kSurfaceCountdown);
            QCOMPARE(countdown->parentWidget(), &start);
            QCOMPARE(countdown->geometry().center(), window_->geometry().center());
            clock_.advance(10500ms);
        })
        .then([&] {
            CPopDlg* result = TopModal<CPopDlg>();
            QVERIFY(result != nullptr);
            QCOMPARE(result->mode(), layout::kSurfaceResult);
            Press(*result, Qt::Key_Return);
        });
    QCOMPARE(steps.run(start), CPopDlg::kConfirmed);
    QVERIFY(messages_.empty());
    QCOMPARE(mouse_.closes, 0);
}

void PopDlgTest::surfaceAnalysisStopsWhenTheCountdownIsLeft_data() {
    QTest::addColumn<int>("leaveBy");
    QTest::addColumn<int>("afterMs");
    QTest::newRow("Cancel during the countdown") << layout::kCancelId << 3000;
    QTest::newRow("Close during the countdown") << layout::kCloseId << 3000;
    QTest::newRow("Escape during the countdown") << 0 << 9000;
    QTest::newRow("Close of the result") << layout::kCloseId << 10500;
}

void PopDlgTest::surfaceAnalysisStopsWhenTheCountdownIsLeft() {
    QFETCH(int, leaveBy);
    QFETCH(int, afterMs);
    CPopDlg start(layout::kSurfaceStart, page_, skin_);
    configure(start);
    ModalSteps steps;
    steps.then([&] { Click(start, layout::FindMode(layout::kSurfaceStart)->ok.rect); })
        .then([&] { clock_.advance(std::chrono::milliseconds(afterMs)); })
        .then([&] {
            CPopDlg* top = TopModal<CPopDlg>();
            QVERIFY(top != nullptr);
            QCOMPARE(top->mode(),
                     afterMs > 10000 ? layout::kSurfaceResult : layout::kSurfaceCountdown);
            const layout::PopupLayout& mode = *layout::FindMode(top->mode());
            if (leaveBy == 0) {
                Press(*top, Qt::Key_Escape);
            } else {
                Click(*top, leaveBy == layout::kCancelId ? mode.cancel.rect : mode.close.rect);
            }
        });
    QCOMPARE(steps.run(start), CPopDlg::kNotConfirmed);
    // The countdown's timers find it ended.
    clock_.advance(20s);
    QCOMPARE(TopModal<CPopDlg>(), nullptr);
}

void PopDlgTest::enterDuringTheCountdownOpensTheResultOnce() {
    CPopDlg countdown(layout::kSurfaceCountdown, page_, skin_);
    configure(countdown);
    ModalSteps steps;
    CPopDlg* result = nullptr;
    steps
        .then([&] {
            clock_.advance(3000ms);
            Press(countdown, Qt::Key_Enter);  // while OK is disabled
        })
        .then([&] {
            result = TopModal<CPopDlg>();
            QVERIFY(result != nullptr);
            QCOMPARE(result->mode(), layout::kSurfaceResult);
            clock_.advance(10s);  // "0" and the wait after it, with the result open
        })
        .then([&] {
            QCOMPARE(TopModal<CPopDlg>(), result);
            QCOMPARE(countdown.findChildren<CPopDlg*>().size(), qsizetype(1));
            Click(*result, layout::FindMode(layout::kSurfaceResult)->ok.rect);
        });
    QCOMPARE(steps.run(countdown), CPopDlg::kConfirmed);
}

void PopDlgTest::surfaceStartWithoutTheMouseSaysSoAndStaysOpen() {
    mouse_.found = false;
    CPopDlg start(layout::kSurfaceStart, page_, skin_);
    configure(start);
    const LayoutRect ok = layout::FindMode(layout::kSurfaceStart)->ok.rect;
    ModalSteps steps;
    steps.then([&] {
        Click(start, ok);
        QCOMPARE(messages_.size(), size_t(1));
        QCOMPARE(messages_[0].text, QStringLiteral("TAVRO mouse not found"));
        QCOMPARE(messages_[0].parent, &start);
        QCOMPARE(mouse_.closes, 1);
        QCOMPARE(mouse_.starts, 0);
        QCOMPARE(TopModal<CPopDlg>(), &start);
        // Found, but it does not take the start command: no countdown either.
        mouse_.found = true;
        mouse_.startResult = DeviceResult::kFailed;
        Press(start, Qt::Key_Return);
        QCOMPARE(messages_.size(), size_t(2));
        QCOMPARE(messages_[1].text, QStringLiteral("TAVRO mouse not found"));
        QCOMPARE(mouse_.closes, 2);
        QCOMPARE(TopModal<CPopDlg>(), &start);
        Click(start, layout::FindMode(layout::kSurfaceStart)->cancel.rect);
    });
    QCOMPARE(steps.run(start), CPopDlg::kNotConfirmed);
    QCOMPARE(mouse_.finds, 2);
}

void PopDlgTest::captureTakesTheLastKeyEvent_data() {
    QTest::addColumn<KeyEvents>("events");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("key");
    QTest::newRow("F5 pressed and released")
        << KeyEvents{{0x74, false}, {0x74, true}} << QStringLiteral("F5") << 0x74;
    QTest::newRow("Shift held around A")
        << KeyEvents{{0xA0, false}, {0x41, false}, {0x41, true}, {0xA0, true}}
        << QStringLiteral("Left SHIFT") << 0xA0;
    QTest::newRow("Enter") << KeyEvents{{0x0D, false}} << QStringLiteral("ENTER") << 0x0D;
    QTest::newRow("Escape") << KeyEvents{{0x1B, false}, {0x1B, true}} << QStringLiteral("ESC")
                            << 0x1B;
    QTest::newRow("no key") << KeyEvents{} << QString() << 0;
    QTest::newRow("a key without a name") << KeyEvents{{0xAD, false}} << QString() << 0xAD;
}

void PopDlgTest::captureTakesTheLastKeyEvent() {
    QFETCH(KeyEvents, events);
    QFETCH(QString, caption);
    QFETCH(int, key);
    FakeKeyboardWatcher watcher;
    KeyCapture capture(*this, watcher);
    CPopDlg& popup = capture.popup;
    ModalSteps steps;
    steps.then([&] {
        QCOMPARE(watcher.target(), &popup);
        for (const auto& [virtualKey, released] : events) {
            watcher.InjectKey(virtualKey, released);
        }
        QCoreApplication::sendPostedEvents(&popup);
        QCOMPARE(TimeText(popup), caption);
        Click(popup, layout::FindMode(layout::kAssignKey)->ok.rect);
    });
    QCOMPARE(steps.run(popup), CPopDlg::kConfirmed);
    QCOMPARE(capture.target->caption(), caption);
    QCOMPARE(capture.target->code(), 13);
    QCOMPARE(capture.target->parameter(), key);
    QVERIFY(!watcher.isWatching());
    QVERIFY(messages_.empty());
}

void PopDlgTest::enterEscapeAndTabAreCapturedNotActing() {
    FakeKeyboardWatcher watcher;
    KeyCapture capture(*this, watcher);
    CPopDlg& popup = capture.popup;
    ModalSteps steps;
    steps.then([&] {
        QWidget* focus = popup.focusWidget();
        for (Qt::Key key :
             {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Space}) {
            Press(popup, key);
            QCOMPARE(TopModal<CPopDlg>(), &popup);
            QCOMPARE(popup.focusWidget(), focus);
        }
        Inject(watcher, popup, {{0x0D, false}, {0x0D, true}});
        QCOMPARE(TimeText(popup), QStringLiteral("ENTER"));
        Click(popup, layout::FindMode(layout::kAssignKey)->ok.rect);
    });
    QCOMPARE(steps.run(popup), CPopDlg::kConfirmed);
    QCOMPARE(capture.target->caption(), QStringLiteral("ENTER"));
    QCOMPARE(capture.target->parameter(), 0x0D);
}

void PopDlgTest::cancelAndCloseLeaveTheButton() {
    const layout::PopupLayout& mode = *layout::FindMode(layout::kAssignKey);
    for (const LayoutRect& leave : {mode.cancel.rect, mode.close.rect, LayoutRect{}}) {
        FakeKeyboardWatcher watcher;
        KeyCapture capture(*this, watcher);
        CPopDlg& popup = capture.popup;
        ModalSteps steps;
        steps.then([&] {
            Inject(watcher, popup, {{0x74, false}, {0x74, true}});
            QCOMPARE(TimeText(popup), QStringLiteral("F5"));
            if (leave.empty()) {
                popup.close();  // by the window manager
            } else {
                Click(popup, leave);
            }
        });
        QCOMPARE(steps.run(popup), CPopDlg::kNotConfirmed);
        QCOMPARE(capture.target->caption(), QStringLiteral("Left Click"));
        QCOMPARE(capture.target->code(), 0);
        QCOMPARE(capture.target->parameter(), 0);
        QVERIFY(!capture.target->accepts());
        QVERIFY(!watcher.isWatching());
    }
}

void PopDlgTest::watcherThatCannotStartSaysSetHookFailed() {
    FakeKeyboardWatcher watcher;
    watcher.setStartFails(true);
    KeyCapture capture(*this, watcher);
    CPopDlg& popup = capture.popup;
    ModalSteps steps;
    steps.then([] {}).then([&] {
        QCOMPARE(messages_.size(), size_t(1));
        QCOMPARE(messages_[0].text, QStringLiteral("set hook failed."));
        QCOMPARE(messages_[0].parent, &popup);
        QCOMPARE(TopModal<CPopDlg>(), &popup);
        watcher.InjectKey(0x74, false);
        QCoreApplication::sendPostedEvents(&popup);
        QCOMPARE(TimeText(popup), QString());
        Click(popup, layout::FindMode(layout::kAssignKey)->ok.rect);
    });
    QCOMPARE(steps.run(popup), CPopDlg::kConfirmed);
    QCOMPARE(capture.target->caption(), QString());
    QCOMPARE(capture.target->code(), 13);
    QCOMPARE(capture.target->parameter(), 0);
}

void PopDlgTest::keysTypedIntoThePopUpAreCapturedWhereOnlyTheProgramIsWatched() {
    ApplicationKeyboardWatcher watcher;
    QCOMPARE(watcher.scope(), KeyWatchScope::kProgramWindows);
    KeyCapture capture(*this, watcher);
    CPopDlg& popup = capture.popup;
    ModalSteps steps;
    steps.then([&] {
        QCOMPARE(popup.focusWidget(), &popup);
        // F5 as the desktop delivers it: xkb keycode 71, evdev KEY_F5 plus 8.
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(type, Qt::Key_F5, Qt::NoModifier, 71, 0, 0);
            QCoreApplication::sendEvent(popup.windowHandle(), &key);
        }
        QCoreApplication::sendPostedEvents(&popup);
        QCOMPARE(TimeText(popup), QStringLiteral("F5"));
        Click(popup, layout::FindMode(layout::kAssignKey)->ok.rect);
    });
    QCOMPARE(steps.run(popup), CPopDlg::kConfirmed);
    QCOMPARE(capture.target->caption(), QStringLiteral("F5"));
    QCOMPARE(capture.target->parameter(), 0x74);
    QCOMPARE(watcher.target(), nullptr);
}

// The mouse settings page opens the capture while the button reports the menu's "Single
// Key"; what the pop-up leaves in the button stands, and the next choice is taken again.
void PopDlgTest::singleKeyChosenFromTheMenuBecomesTheCapturedKey() {
    FakeKeyboardWatcher watcher;
    auto* page = new RecordingOwner(page_);
    page->setGeometry(0, 0, 400, 200);
    auto* button = new CVokComboButton(1012, page);
    button->setGeometry(10, 10, 182, 25);
    button->addEntry(0, QStringLiteral("Left Click"));
    button->addEntry(13, QStringLiteral("Single Key"));
    button->setAssignment(QStringLiteral("Left Click"), 0, 0);
    page->show();
    bool confirm = true;
    page->duringReport = [&](int, int code) {
        if (code != 13) {
            return;
        }
        CPopDlg popup(layout::kAssignKey, page, skin_);
        configure(popup);
        popup.setKeyCapture(*button, watcher);
        ModalSteps steps;
        steps.then([&] {
            Inject(watcher, popup, {{0x74, false}, {0x74, true}});
            const layout::PopupLayout& mode = *layout::FindMode(layout::kAssignKey);
            Click(popup, confirm ? mode.ok.rect : mode.cancel.rect);
        });
        QVERIFY(steps.run(popup) != ModalSteps::kUnfinished);
    };
    qint64 now = 5000;
    button->setTickSource([&] { return now; });
    const auto choose = [&](int code) {
        now += 1000;  // long after the menu was last seen open
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 12));
        const MenuItem* item = button->menu()->findEntry(code);
        QTest::mouseClick(button->menu(), Qt::LeftButton, {},
                          QPoint(item->rect.centerX(), item->rect.centerY()));
    };

    confirm = false;
    choose(13);
    QCOMPARE(button->caption(), QStringLiteral("Left Click"));
    QCOMPARE(button->code(), 0);

    confirm = true;
    choose(13);
    QCOMPARE(button->caption(), QStringLiteral("F5"));
    QCOMPARE(button->code(), 13);
    QCOMPARE(button->parameter(), 0x74);

    choose(0);
    QCOMPARE(button->caption(), QStringLiteral("Left Click"));
    QCOMPARE(button->code(), 0);
}

}  // namespace tavro

QTEST_MAIN(tavro::PopDlgTest)
#include "pop_dlg_test.moc"
