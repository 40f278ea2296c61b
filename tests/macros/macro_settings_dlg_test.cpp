// The macro page: its controls, making macros, recording, deleting, its keys, and a
// recorded macro on its way into the mouse's image.
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

#include "buttons/button_functions.h"
#include "buttons/pop_dlg.h"
#include "buttons/popup_layout.h"
#include "buttons/vok_menu.h"
#include "device/config_image.h"
#include "macros/event_row_label.h"
#include "macros/macro_library.h"
#include "macros/macro_model.h"
#include "macros/macro_page_host.h"
#include "macros/macro_page_layout.h"
#include "macros/macro_settings_dlg.h"
#include "macros/vok_list_box.h"
#include "macros/vok_macro_ctrl.h"
#include "platform/application_keyboard_watcher.h"
#include "profile/profile_record.h"
#include "skin/layout_qt.h"
#include "skin/vok_button.h"
#include "skin/vok_check_box.h"
#include "skin/vok_edit.h"
#include "skin/vok_static.h"
#include "tests/support/fake_keyboard_watcher.h"
#include "tests/support/modal_steps.h"
#include "tests/support/recording_owner.h"
#include "tests/support/window_input.h"

namespace tavro {

namespace {

namespace layout = macro_page_layout;

constexpr uint8_t kA = 0x41;
constexpr uint8_t kB = 0x42;
constexpr uint8_t kKey = uint8_t(EventKind::Key);
constexpr QPoint kPageOffset{9, 209};  // the page area of the main window

// Stands in for the main window: keeps the reports and the keys that reach it.
class MainWindow : public RecordingOwner, public MacroPageHost {
public:
    int refreshes = 0;
    std::vector<int> keys;

    void RefreshMouseSettingsPage() override { ++refreshes; }

protected:
    void keyPressEvent(QKeyEvent* event) override { keys.push_back(event->key()); }
};

struct Message {
    QWidget* parent;
    QString text;
};

CMacro MacroOf(int32_t id, const std::u16string& name,
               std::initializer_list<std::pair<uint8_t, uint8_t>> keys) {
    CMacro macro;
    macro.areaRect = {0, 0, 200, 199};
    macro.id = id;
    macro.name = name;
    for (const auto& [key, direction] : keys) {
        macro.AddEvent(kKey, key, direction, 0, InsertMode::Append);
    }
    return macro;
}

// Text typed as the desktop delivers it, to the widget with the focus.
void TypeText(QWidget& window, const QString& text) {
    for (QChar c : text) {
        QTest::keyClick(window.windowHandle(), c.toLatin1());
    }
}

template <typename Control>
Control* ControlOf(QWidget& page, int id) {
    for (Control* control : page.findChildren<Control*>()) {
        if (ControlId(control) == id) {
            return control;
        }
    }
    return nullptr;
}

}  // namespace

class MacroSettingsDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void placesItsControlsWithTheirLooks();
    void newMacroNameAndEnterMakeTheFirstMacro();
    void listsTheLibraryAndShowsTheLastMacro();
    void recordsKeysWithAndWithoutDelays();
    void recordHoldLeavesReleasesOutAndAHeldKeyIsOnePair();
    void recordingFromTheMenuInsertsAtTheChosenEvent();
    void recordDelayAndRecordHoldAreNeverBothChecked();
    void keysGoNowhereWhileRecording();
    void keysTypedIntoTheProgramAreRecordedWhereOnlyItIsWatched();
    void aWatcherThatCannotStartSaysStartHookFailed();
    void enterStoresEscapeDropsAndNeitherLeavesThePage();
    void deleteAsksFirst();
    void puttingThePageAwayStopsTheRecording();
    void theMenusHidingIsPassedToTheMainWindow();
    void aRecordedMacroReachesTheImageThroughAButton();

private:
    void makePage(KeyboardWatcher& watcher) {
        page_ = new CMacroSettingsDlg(library_, *window_, watcher, window_, skin_);
        page_->move(kPageOffset);
        page_->setTickClock([this] { return now_; });
        page_->setMessageSink([this](QWidget* parent, const QString& text) {
            messages_.push_back({parent, text});
        });
        page_->show();
    }
    void makePage() { makePage(watcher_); }
    // A left click at the centre of a rectangle of the page's layout, through the window.
    void click(const LayoutRect& rect, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window_->windowHandle(), button, {},
                          kPageOffset + QPoint(rect.centerX(), rect.centerY()));
    }
    void clickInEditor(QPoint point, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(
            window_->windowHandle(), button, {},
            kPageOffset + QPoint(layout::kEventEditor.rect.x, layout::kEventEditor.rect.y) + point);
    }
    void clickEvent(int index, Qt::MouseButton button = Qt::LeftButton) {
        const Rect row = page_->editor().currentMacro()->events[index].rowRect;
        clickInEditor(QPoint(60, (row.top + row.bottom) / 2), button);
    }
    // The watcher's reports at their times; delivered before the test goes on.
    void type(std::initializer_list<std::tuple<uint32_t, uint8_t, bool>> reports) {
        for (const auto& [at, key, released] : reports) {
            now_ = at;
            watcher_.InjectKey(key, released);
            QCoreApplication::sendPostedEvents(page_);
        }
    }
    std::vector<std::tuple<int, int, int>> events() const {
        std::vector<std::tuple<int, int, int>> result;
        if (const CMacro* macro = page_->editor().currentMacro()) {
            for (const CEventItem& event : macro->events) {
                result.emplace_back(event.key, event.direction, event.delay);
            }
        }
        return result;
    }
    CVokCheckBox* box(const PlacedControl& control) {
        return ControlOf<CVokCheckBox>(*page_, control.id);
    }
    CVokButton* button(const PlacedControl& control) {
        return ControlOf<CVokButton>(*page_, control.id);
    }

    SkinResources skin_{TAVRO_SKIN_DIR};
    std::vector<CMacro> library_;
    MainWindow* window_ = nullptr;
    CMacroSettingsDlg* page_ = nullptr;
    // Watchers outlive the pages, which the window takes with it after each test.
    FakeKeyboardWatcher watcher_;
    ApplicationKeyboardWatcher programWatcher_;
    uint32_t now_ = 0;
    std::vector<Message> messages_;
};

void MacroSettingsDlgTest::init() {
    QCursor::setPos(0, 0);
    library_.clear();
    messages_.clear();
    now_ = 0;
    window_ = new MainWindow;
    window_->setGeometry(60, 40, 800, 600);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void MacroSettingsDlgTest::cleanup() {
    delete window_;
    page_ = nullptr;
    QCOMPARE(watcher_.target(), nullptr);
}

void MacroSettingsDlgTest::placesItsControlsWithTheirLooks() {
    makePage();
    QCOMPARE(page_->size(), QSize(783, 349));
    QCOMPARE(page_->background(),
             skin_.element(CMacroSettingsDlg::kBackgroundElement, SkinState::Normal));
    QCOMPARE(page_->list().geometry(), ToQRect(layout::kMacroList.rect));
    QCOMPARE(page_->list().accessibleName(), QStringLiteral("Macro"));
    QCOMPARE(page_->editor().geometry(), ToQRect(layout::kEventEditor.rect));
    QCOMPARE(page_->editor().accessibleName(), QStringLiteral("Events"));
    for (const PlacedControl& control :
         {layout::kNewMacroButton, layout::kDeleteButton, layout::kStartRecordButton}) {
        CVokButton* placed = button(control);
        QCOMPARE(placed->geometry(), ToQRect(control.rect));
        QCOMPARE(placed->accessibleName(), QString::fromLatin1(control.caption));
        QCOMPARE(placed->images()[SkinState::Over], skin_.element(control, SkinState::Over));
        QVERIFY(placed->isVisible());
    }
    CVokButton* stop = button(layout::kStopRecordButton);
    QVERIFY(stop->isHidden());
    QCOMPARE(stop->geometry(), ToQRect(layout::kStartRecordButton.rect));
    QCOMPARE(stop->images()[SkinState::Down],
             skin_.element(122, SkinState::Down, QRect(542, 165, 86, 25)));
    for (const PlacedControl& control : {layout::kRecordDelayBox, layout::kRecordHoldBox}) {
        CVokCheckBox* placed = box(control);
        QCOMPARE(placed->geometry(), ToQRect(control.rect));
        QCOMPARE(placed->accessibleName(), QString::fromLatin1(control.caption));
        QCOMPARE(placed->images()[SkinState::Disable], skin_.element(control, SkinState::Disable));
        QVERIFY(!placed->isChecked());
    }
    // The editor's bar is there from the start, the list's only once it is needed.
    QVERIFY(page_->editor().scrollBar()->isVisible());
    QCOMPARE(page_->editor().scrollBar()->width(), 24);
    QVERIFY(page_->list().scrollBar()->isHidden());
}

void MacroSettingsDlgTest::newMacroNameAndEnterMakeTheFirstMacro() {
    makePage();
    QVERIFY(page_->list().entries().empty());
    QCOMPARE(page_->editor().currentMacro(), nullptr);
    click(layout::kNewMacroButton.rect);
    QVERIFY(page_->list().isNameBoxOpen());
    QCOMPARE(QApplication::focusWidget(), page_->list().nameBox());
    TypeText(*window_, QStringLiteral("Jump"));
    Press(*window_, Qt::Key_Return);
    QVERIFY(!page_->list().isNameBoxOpen());
    QCOMPARE(library_.size(), size_t{1});
    QCOMPARE(library_[0].id, 16);
    QCOMPARE(library_[0].name, std::u16string(u"Jump"));
    QCOMPARE(page_->editor().currentMacro(), &library_[0]);
    QCOMPARE(page_->MacroListEntries(), (std::vector<MacroListEntry>{{"Jump", 16}}));
    // "New Macro" twice: the second click stores the name.
    click(layout::kNewMacroButton.rect);
    TypeText(*window_, QStringLiteral("Jump"));
    click(layout::kNewMacroButton.rect);
    QCOMPARE(page_->MacroListEntries(),
             (std::vector<MacroListEntry>{{"Jump", 16}, {"Jump(1)", 17}}));
    QVERIFY(window_->keys.empty());
}

void MacroSettingsDlgTest::listsTheLibraryAndShowsTheLastMacro() {
    library_ = {MacroOf(16, u"Reload", {{kA, 0}, {kA, 1}}), MacroOf(20, u"Empty", {}),
                MacroOf(17, u"Crouch", {{kB, 0}})};
    makePage();
    QCOMPARE(page_->MacroListEntries(),
             (std::vector<MacroListEntry>{{"Reload", 16}, {"Empty", 20}, {"Crouch", 17}}));
    QCOMPARE(page_->editor().currentMacro()->id, 17);
    // Presses only: a macro to hold.
    QVERIFY(box(layout::kRecordHoldBox)->isChecked());
    QVERIFY(!box(layout::kRecordDelayBox)->isChecked());

    click(layout::kRecordDelayBox.rect);
    const auto row = [&](int index) {
        const CBoxItem& item = page_->list().entries()[index];
        return LayoutRect{layout::kMacroList.rect.x + item.rowRect.left,
                          layout::kMacroList.rect.y + item.rowRect.top,
                          item.rowRect.right - item.rowRect.left, 18};
    };
    click(row(0));
    QCOMPARE(page_->editor().currentMacro()->id, 16);
    QVERIFY(!box(layout::kRecordHoldBox)->isChecked());
    QVERIFY(box(layout::kRecordDelayBox)->isChecked());
    // An empty macro is no hold macro, and leaves Record Delay as it was.
    click(row(1));
    QCOMPARE(page_->editor().currentMacro()->id, 20);
    QVERIFY(!box(layout::kRecordHoldBox)->isChecked());
    QVERIFY(box(layout::kRecordDelayBox)->isChecked());
    QCOMPARE(library_.size(), size_t{3});
}

void MacroSettingsDlgTest::recordsKeysWithAndWithoutDelays() {
    library_ = {MacroOf(16, u"Reload", {{kB, 0}})};
    makePage();
    click(layout::kRecordDelayBox.rect);
    now_ = 1000;
    click(layout::kStartRecordButton.rect);
    QVERIFY(page_->isRecording());
    QCOMPARE(watcher_.target(), page_);
    QVERIFY(button(layout::kStartRecordButton)->isHidden());
    QVERIFY(button(layout::kStopRecordButton)->isVisible());
    QVERIFY(!box(layout::kRecordDelayBox)->isEnabled());
    QVERIFY(!box(layout::kRecordHoldBox)->isEnabled());
    QVERIFY(events().empty());  // recorded anew
    // Keys anywhere on the desktop: the first delay counts from the start.
    type({{1250, kA, false}, {1330, kA, true}, {1930, kB, false}, {2000, kB, true}});
    QCOMPARE(events(), (std::vector<std::tuple<int, int, int>>{
                           {kA, 0, 250}, {kA, 1, 80}, {kB, 0, 600}, {kB, 1, 70}}));
    QVERIFY(ControlOf<CVokStatic>(*page_, layout::kRecordingScopeNote.id)->isHidden());
    click(layout::kStopRecordButton.rect);
    QVERIFY(!page_->isRecording());
    QCOMPARE(watcher_.target(), nullptr);
    QVERIFY(button(layout::kStartRecordButton)->isVisible());
    QVERIFY(box(layout::kRecordDelayBox)->isEnabled());
    type({{2100, kA, false}});  // no longer recording
    QCOMPARE(events().size(), size_t{4});

    click(layout::kRecordDelayBox.rect);
    QVERIFY(!box(layout::kRecordDelayBox)->isChecked());
    click(layout::kStartRecordButton.rect);
    type({{3000, kB, true}, {3100, kA, true}, {3500, kB, false}});  // B up repeats the last pair
    click(layout::kStopRecordButton.rect);
    QCOMPARE(events(), (std::vector<std::tuple<int, int, int>>{{kA, 1, 0}, {kB, 0, 0}}));
    QCOMPARE(library_[0].events.size(), size_t{2});
}

void MacroSettingsDlgTest::recordHoldLeavesReleasesOutAndAHeldKeyIsOnePair() {
    library_ = {MacroOf(16, u"Hold", {})};
    makePage();
    click(layout::kStartRecordButton.rect);
    // A held for a second, with the desktop's repeats.
    type({{100, kA, false}, {600, kA, false}, {633, kA, false}, {1100, kA, true}});
    click(layout::kStopRecordButton.rect);
    QCOMPARE(events(), (std::vector<std::tuple<int, int, int>>{{kA, 0, 0}, {kA, 1, 0}}));

    click(layout::kRecordHoldBox.rect);
    click(layout::kStartRecordButton.rect);
    type({{2000, kA, false}, {2100, kA, true}, {2200, kB, false}, {2300, kB, true}});
    click(layout::kStopRecordButton.rect);
    QCOMPARE(events(), (std::vector<std::tuple<int, int, int>>{{kA, 0, 0}, {kB, 0, 0}}));
}

void MacroSettingsDlgTest::recordingFromTheMenuInsertsAtTheChosenEvent() {
    library_ = {MacroOf(16, u"Combo", {{kA, 0}, {kA, 1}, {kB, 0}})};
    makePage();
    clickEvent(1, Qt::RightButton);
    CVokMenu* menu = page_->editor().menu();
    QVERIFY(menu->isVisible());
    const MenuItem& after = *menu->findEntry(2);  // Start record after event
    QTest::mouseMove(menu->windowHandle(), QPoint(after.rect.centerX(), after.rect.centerY()));
    QTest::mouseClick(menu, Qt::LeftButton, {}, QPoint(after.rect.centerX(), after.rect.centerY()));
    QVERIFY(page_->isRecording());
    // The events stay and the boxes stay usable.
    QVERIFY(box(layout::kRecordDelayBox)->isEnabled());
    type({{10, 0x43, false}, {20, 0x43, true}});
    click(layout::kStopRecordButton.rect);
    QCOMPARE(events(), (std::vector<std::tuple<int, int, int>>{
                           {kA, 0, 0}, {kA, 1, 0}, {0x43, 0, 0}, {0x43, 1, 0}, {kB, 0, 0}}));
}

void MacroSettingsDlgTest::recordDelayAndRecordHoldAreNeverBothChecked() {
    makePage();
    CVokCheckBox* delay = box(layout::kRecordDelayBox);
    CVokCheckBox* hold = box(layout::kRecordHoldBox);
    click(layout::kRecordDelayBox.rect);
    QVERIFY(delay->isChecked());
    click(layout::kRecordHoldBox.rect);
    QVERIFY(hold->isChecked() && !delay->isChecked());
    click(layout::kRecordDelayBox.rect);
    QVERIFY(delay->isChecked() && !hold->isChecked());
    click(layout::kRecordDelayBox.rect);
    QVERIFY(!delay->isChecked() && !hold->isChecked());
    // "New Macro" unchecks Record Hold.
    click(layout::kRecordHoldBox.rect);
    click(layout::kNewMacroButton.rect);
    QVERIFY(!hold->isChecked());
}

void MacroSettingsDlgTest::keysGoNowhereWhileRecording() {
    library_ = {MacroOf(16, u"One", {})};
    makePage();
    // Starting stores the name being typed; the new macro is the one recorded into.
    click(layout::kNewMacroButton.rect);
    TypeText(*window_, QStringLiteral("Two"));
    click(layout::kStartRecordButton.rect);
    QCOMPARE(page_->MacroListEntries().back(), (MacroListEntry{"Two", 17}));
    QCOMPARE(page_->editor().currentMacro()->id, 17);
    // Space on the focused Stop Record, Enter and Escape: no control and no window acts.
    QCOMPARE(QApplication::focusWidget(), button(layout::kStopRecordButton));
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab}) {
        Press(*window_, key);
    }
    QVERIFY(page_->isRecording());
    QCOMPARE(QApplication::focusWidget(), button(layout::kStopRecordButton));
    QVERIFY(window_->keys.empty());
    // "New Macro", "Delete" and the events' menu do nothing.
    click(layout::kNewMacroButton.rect);
    QVERIFY(!page_->list().isNameBoxOpen());
    click(layout::kDeleteButton.rect);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    clickInEditor(QPoint(60, 50), Qt::RightButton);
    QVERIFY(!page_->editor().menu()->isVisible());
    click(layout::kStopRecordButton.rect);
    // Keys act again.
    QCOMPARE(QApplication::focusWidget(), button(layout::kStartRecordButton));
    Press(*window_, Qt::Key_Space);
    QVERIFY(page_->isRecording());
    click(layout::kStopRecordButton.rect);
}

void MacroSettingsDlgTest::keysTypedIntoTheProgramAreRecordedWhereOnlyItIsWatched() {
    ApplicationKeyboardWatcher& watcher = programWatcher_;
    library_ = {MacroOf(16, u"Here", {})};
    makePage(watcher);
    click(layout::kStartRecordButton.rect);
    auto* note = ControlOf<CVokStatic>(*page_, layout::kRecordingScopeNote.id);
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(), QString::fromLatin1(CMacroSettingsDlg::kOnlyThisProgramNote));
    QCOMPARE(note->geometry(), ToQRect(layout::kRecordingScopeNote.rect));
    // F5 as the desktop delivers it: xkb keycode 71, evdev KEY_F5 plus 8.
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent key(type, Qt::Key_F5, Qt::NoModifier, 71, 0, 0);
        QCoreApplication::sendEvent(window_->windowHandle(), &key);
    }
    QCoreApplication::sendPostedEvents(page_);
    QCOMPARE(events(), (std::vector<std::tuple<int, int, int>>{{0x74, 0, 0}, {0x74, 1, 0}}));
    QVERIFY(window_->keys.empty());
    click(layout::kStopRecordButton.rect);
    QVERIFY(note->isHidden());
    QCOMPARE(watcher.target(), nullptr);
}

void MacroSettingsDlgTest::aWatcherThatCannotStartSaysStartHookFailed() {
    library_ = {MacroOf(16, u"One", {{kA, 0}})};
    watcher_.setStartFails(true);
    makePage();
    click(layout::kStartRecordButton.rect);
    QCOMPARE(messages_.size(), size_t{1});
    QCOMPARE(messages_[0].text, QStringLiteral("start hook failed!"));
    QCOMPARE(messages_[0].parent, page_);
    // Recording all the same, seeing nothing; Stop Record leaves it.
    QVERIFY(page_->isRecording());
    QVERIFY(events().empty());
    click(layout::kStopRecordButton.rect);
    QVERIFY(!page_->isRecording());
    QVERIFY(button(layout::kStartRecordButton)->isVisible());
    watcher_.setStartFails(false);
}

void MacroSettingsDlgTest::enterStoresEscapeDropsAndNeitherLeavesThePage() {
    library_ = {MacroOf(16, u"One", {{kA, 0}, {kA, 1}})};
    makePage();
    // The delay box: 250 and Enter.
    clickEvent(1, Qt::RightButton);
    const MenuItem& insert = *page_->editor().menu()->findEntry(4);
    const QPoint at(insert.rect.centerX(), insert.rect.centerY());
    QTest::mouseMove(page_->editor().menu()->windowHandle(), at);
    QTest::mouseClick(page_->editor().menu(), Qt::LeftButton, {}, at);
    QVERIFY(page_->editor().isDelayBoxOpen());
    TypeText(*window_, QStringLiteral("250"));
    Press(*window_, Qt::Key_Return);
    QVERIFY(!page_->editor().isDelayBoxOpen());
    const CEventItem& event = page_->editor().currentMacro()->events[1];
    QCOMPARE(LabelOfEvent(event.key, event.direction, event.delay).delay, std::string("250 ms"));

    // Escape drops a name being typed.
    click(layout::kNewMacroButton.rect);
    TypeText(*window_, QStringLiteral("Gone"));
    Press(*window_, Qt::Key_Escape);
    QVERIFY(!page_->list().isNameBoxOpen());
    QCOMPARE(library_.size(), size_t{1});
    // With nothing open, both keys still stop at the page.
    Press(*window_, Qt::Key_Escape);
    Press(*window_, Qt::Key_Return);
    QVERIFY(window_->keys.empty());
    QVERIFY(page_->isVisible());
}

void MacroSettingsDlgTest::deleteAsksFirst() {
    library_ = {MacroOf(16, u"Keep", {}), MacroOf(17, u"Drop", {{kA, 0}})};
    makePage();
    // Answers the confirmation (the pop-up's mode 148) with its OK or its Cancel.
    const auto deleteAnswering = [&](bool confirm) {
        const popup_layout::PopupLayout& mode = *popup_layout::FindMode(popup_layout::kDeleteMacro);
        ModalSteps steps;
        steps.then([&] {
            CPopDlg* popup = TopModal<CPopDlg>();
            QVERIFY(popup != nullptr);
            QCOMPARE(popup->mode(), popup_layout::kDeleteMacro);
            Click(*popup, confirm ? mode.ok.rect : mode.cancel.rect);
        });
        steps.start();
        click(layout::kDeleteButton.rect);
        QVERIFY(steps.finished());
    };
    deleteAnswering(false);
    QCOMPARE(library_.size(), size_t{2});
    QCOMPARE(page_->MacroListEntries().size(), size_t{2});
    QCOMPARE(window_->refreshes, 0);

    deleteAnswering(true);
    // The last entry went: the one before it is shown, and the mouse page was told.
    QCOMPARE(library_.size(), size_t{1});
    QCOMPARE(library_[0].id, 16);
    QCOMPARE(page_->MacroListEntries(), (std::vector<MacroListEntry>{{"Keep", 16}}));
    QCOMPARE(page_->editor().currentMacro()->id, 16);
    QCOMPARE(window_->refreshes, 1);

    deleteAnswering(true);
    QVERIFY(library_.empty());
    QCOMPARE(page_->editor().currentMacro(), nullptr);
    // Nothing left to delete: still asked, and the mouse page refreshed.
    deleteAnswering(true);
    QCOMPARE(window_->refreshes, 3);
    // The identifier of the largest macro comes back.
    click(layout::kNewMacroButton.rect);
    TypeText(*window_, QStringLiteral("Again"));
    Press(*window_, Qt::Key_Enter);
    QCOMPARE(library_[0].id, 16);
}

void MacroSettingsDlgTest::puttingThePageAwayStopsTheRecording() {
    library_ = {MacroOf(16, u"One", {})};
    makePage();
    click(layout::kStartRecordButton.rect);
    QVERIFY(page_->isRecording());
    page_->hide();  // another tab
    QVERIFY(!page_->isRecording());
    QCOMPARE(watcher_.target(), nullptr);
    page_->show();
    QVERIFY(button(layout::kStartRecordButton)->isVisible());
    QVERIFY(box(layout::kRecordDelayBox)->isEnabled());
    type({{10, kA, false}});
    QVERIFY(events().empty());
}

void MacroSettingsDlgTest::theMenusHidingIsPassedToTheMainWindow() {
    library_ = {MacroOf(16, u"One", {{kA, 0}})};
    makePage();
    clickInEditor(QPoint(60, 14), Qt::RightButton);
    QVERIFY(page_->editor().menu()->isVisible());
    window_->reports.clear();
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, QPoint(700, 30));
    QVERIFY(!page_->editor().menu()->isVisible());
    QCOMPARE(window_->reports,
             (std::vector<RecordingOwner::Report>{{kTopMostRequestId, 1}, {kTopMostRequestId, 0}}));
}

void MacroSettingsDlgTest::aRecordedMacroReachesTheImageThroughAButton() {
    library_ = {MacroOf(16, u"Reload", {})};
    makePage();
    click(layout::kRecordDelayBox.rect);
    click(layout::kStartRecordButton.rect);
    type({{40, kA, false}, {300, kA, true}});
    click(layout::kStopRecordButton.rect);

    // The main window's part: the library reaches its files and comes back whole.
    QTemporaryDir folder;
    QVERIFY(SaveLibrary(folder.path().toStdString(), library_).ok());
    std::vector<CMacro> loaded;
    QVERIFY(LoadLibrary(folder.path().toStdString(), loaded).skipped.empty());
    QCOMPARE(loaded.size(), size_t{1});
    QCOMPARE(loaded[0].events, library_[0].events);

    // The mouse settings page's part: button 4 replays the macro from the library.
    ProfileRecord record;
    record.buttons[3].function = kFunctionMacro;
    record.buttons[3].parameter = 16;
    record.buttonMacros[3] = *CopyForButton(library_, 16);
    DeviceProfile device;
    PackProfile(record, device);
    ConfigImage image;
    EncodeImage(device, image);
    const std::vector<uint8_t> buttonEntry(image.begin() + 122, image.begin() + 129);
    QCOMPARE(buttonEntry, (std::vector<uint8_t>{0x03, 0x00, 0x20, 0x03, 0x02, 0x00, 0x0F}));
    const std::vector<uint8_t> macroArea(image.begin() + 800, image.begin() + 821);
    QCOMPARE(macroArea, (std::vector<uint8_t>{
                            0x01, 0x04, 0x00, 0x00, 0x28, 0x00, 0x00,  // A (usage 4) down, 40 ms
                            0x01, 0x04, 0x00, 0x01, 0x04, 0x01, 0x00,  // A up, 260 ms
                            0,    0,    0,    0,    0,    0,    0}));  // the end mark
}

}  // namespace tavro

QTEST_MAIN(tavro::MacroSettingsDlgTest)
#include "macro_settings_dlg_test.moc"
