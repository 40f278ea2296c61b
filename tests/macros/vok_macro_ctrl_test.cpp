// The event editor: its menu and what each entry does, the delay box, the rows and
// their scrolling, keys, and what it draws.
#include <QApplication>
#include <QCursor>
#include <QTest>
#include <QWheelEvent>

#include <vector>

#include "buttons/vok_menu.h"
#include "macros/event_description.h"
#include "macros/event_menu.h"
#include "macros/event_row_painter.h"
#include "macros/macro_limits.h"
#include "macros/vok_macro_ctrl.h"
#include "skin/vok_edit.h"
#include "tests/support/control_pictures.h"
#include "tests/support/recording_owner.h"

namespace tavro {

namespace {

using Reports = std::vector<RecordingOwner::Report>;

constexpr QRect kEditorRect{282, 75, 200, 199};  // on the macro page
constexpr uint8_t kKey = uint8_t(EventKind::Key);

ScrollImages BarImages() {
    return {Solid(24, 199, 0xFF202020), Solid(24, 32, 0xFF00FF00), Solid(24, 32, 0xFF008000),
            Solid(24, 20, 0xFF0000FF),  Solid(24, 20, 0xFF000080), Solid(24, 20, 0xFFFF0000),
            Solid(24, 20, 0xFF800000)};
}

QPoint CentreOf(const Rect& rect) {
    return QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

QPoint CentreOf(const MenuItem& item) {
    return QPoint(item.rect.centerX(), item.rect.centerY());
}

// What a row shows, as the editor names events: a description or a key name.
QString Shown(const CEventItem& event) {
    const std::string_view description = EventDescription(event.key, event.direction);
    if (!description.empty()) {
        return QString::fromLatin1(description.data(), int(description.size()));
    }
    return QString::number(event.key) + (event.direction == 0 ? " down" : " up");
}

}  // namespace

class VokMacroCtrlTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theMenuHoldsItsEntriesUnderTheirParents();
    void clickUnderLeftButtonGoesAfterTheChosenEvent();
    void everyMouseEntryAddsItsEvents_data();
    void everyMouseEntryAddsItsEvents();
    void insertAndEditDelayChangeTheChosenEventsDelay();
    void aClickInTheEditorStoresTheDelayAndKeepsTheChoice();
    void leavingTheDelayBoxDropsWhatWasTyped();
    void recordEntriesAskThePageToRecord();
    void rightClickDuringARecordingShowsNoMenu();
    void deleteChoosesTheNextEventOrTheFirst();
    void anAddedEventIsBroughtIntoView();
    void rowsScrollWithTheWheelAndTheBar();
    void keysChooseAndDeleteEvents();
    void aNewMacroTakesTheEditorsArea();
    void rowsAreDrawnInTheirColours();
    void aMacroTakesNoMoreEventsThanTheLibraryKeeps();

private:
    CMacro& macro() { return *editor_->currentMacro(); }
    // The current macro holds key presses with codes 1001, 1002 … (no names).
    void fill(int count) {
        for (int i = 1; i <= count; ++i) {
            macro().AddEvent(kKey, int16_t(1000 + i), 0, 0, InsertMode::Append);
        }
        editor_->update();
    }
    void clickEvent(int index) {
        QTest::mouseClick(editor_, Qt::LeftButton, {}, CentreOf(macro().events[index].rowRect));
    }
    std::vector<QString> shown() {
        std::vector<QString> result;
        for (const CEventItem& event : macro().events) {
            result.push_back(Shown(event));
        }
        return result;
    }
    // Right-clicks the event, then walks the menu chain to the entry with `code`.
    void choose(int index, int code) {
        const QPoint at = CentreOf(macro().events[index].rowRect);
        QTest::mouseClick(editor_, Qt::RightButton, {}, at);
        chooseInOpenMenu(code);
    }
    void chooseInOpenMenu(int code) {
        QVERIFY(editor_->menu()->isVisible());
        std::vector<int> chain{code};
        for (int parent = event_menu::kTopLevel;;) {
            const int above = [&] {
                for (const event_menu::Entry& entry : event_menu::kEntries) {
                    if (entry.code == chain.front()) {
                        return entry.parent;
                    }
                }
                return event_menu::kTopLevel;
            }();
            if (above == parent) {
                break;
            }
            chain.insert(chain.begin(), above);
        }
        SkinnedMenu* menu = editor_->menu();
        for (size_t i = 0; i < chain.size(); ++i) {
            const MenuItem* item = nullptr;
            for (const MenuItem& entry : menu->entries()) {
                if (entry.code == chain[i]) {
                    item = &entry;
                }
            }
            QVERIFY(item != nullptr);
            // To the menu's window itself: a move of the cursor reaches the page's window
            // beneath first here.
            QTest::mouseMove(menu->windowHandle(), CentreOf(*item));
            if (i + 1 < chain.size()) {
                SkinnedMenu* next = menu->subMenu(chain[i]);
                QVERIFY(next->isVisible());
                menu = next;
            } else {
                QTest::mouseClick(menu, Qt::LeftButton, {}, CentreOf(*item));
            }
        }
    }

    std::vector<CMacro> library_;
    RecordingOwner* page_ = nullptr;
    CVokMacroCtrl* editor_ = nullptr;
};

void VokMacroCtrlTest::init() {
    QCursor::setPos(0, 0);
    library_.clear();
    page_ = new RecordingOwner;
    page_->setGeometry(100, 100, 783, 349);
    editor_ = new CVokMacroCtrl(1070, library_, page_);
    editor_->setGeometry(kEditorRect);
    editor_->setBackgroundImage(Solid(0xFF101010));
    editor_->setScrollImages(BarImages());
    editor_->buildMenu();
    page_->show();
    QVERIFY(QTest::qWaitForWindowExposed(page_));
    editor_->makeCurrent(16, QStringLiteral("Macro"));
    page_->reports.clear();
}

void VokMacroCtrlTest::cleanup() {
    delete page_;
    QVERIFY(!CVokMenu::Watcher().isActive());
}

void VokMacroCtrlTest::theMenuHoldsItsEntriesUnderTheirParents() {
    const auto codes = [](SkinnedMenu* menu) {
        std::vector<int> result;
        for (const MenuItem& item : menu->entries()) {
            result.push_back(item.code);
        }
        return result;
    };
    const auto texts = [](SkinnedMenu* menu) {
        QStringList result;
        for (const MenuItem& item : menu->entries()) {
            result.push_back(item.text);
        }
        return result;
    };
    // At least as wide as the template's, and every text clear of the arrows.
    const auto fits = [](SkinnedMenu* menu, int width) {
        return menu->width() >= width &&
               11 + menu->widestText(menu->identifier()) <= menu->width() - 15 - 4;
    };
    CVokMenu* menu = editor_->menu();
    QVERIFY(fits(menu, 170));
    QCOMPARE(texts(menu),
             (QStringList{"Start record before event", "Start record after event",
                          "Insert mouse event", "Insert delay", "Edit delay", "Delete"}));
    QCOMPARE(codes(menu), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    SkinnedMenu* mouse = menu->subMenu(3);
    QVERIFY(fits(mouse, 120));
    QCOMPARE(texts(mouse), (QStringList{"Left button", "Right button", "Middle button",
                                        "Forward button", "Back button", "Scroll wheel"}));
    QCOMPARE(codes(mouse), (std::vector<int>{7, 11, 15, 19, 23, 27}));
    for (int button : {7, 11, 15, 19, 23}) {
        QCOMPARE(codes(mouse->subMenu(button)),
                 (std::vector<int>{button + 1, button + 2, button + 3}));
        QCOMPARE(texts(mouse->subMenu(button)), (QStringList{"Down", "Up", "Click"}));
        QVERIFY(fits(mouse->subMenu(button), 50));
    }
    QCOMPARE(codes(mouse->subMenu(27)), (std::vector<int>{28, 29}));
    QCOMPARE(texts(mouse->subMenu(27)), (QStringList{"Down", "Up"}));
}

void VokMacroCtrlTest::clickUnderLeftButtonGoesAfterTheChosenEvent() {
    fill(4);
    clickEvent(1);
    choose(1, 10);  // Insert mouse event > Left button > Click
    QCOMPARE(shown(), (std::vector<QString>{"1001 down", "1002 down", "Left button Down",
                                            "Left button Up", "1003 down", "1004 down"}));
    QCOMPARE(macro().FirstSelectedIndex(), 3);
    QCOMPARE(macro().events[2].kind, uint8_t(EventKind::MouseButton));
    QVERIFY(!editor_->menu()->isVisible());
    // The menu's hiding was passed on to the page.
    QCOMPARE(page_->reports.back(), (RecordingOwner::Report{kTopMostRequestId, 0}));
}

void VokMacroCtrlTest::everyMouseEntryAddsItsEvents_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("added");
    QTest::newRow("right up") << 13 << QStringList{"Right button Up"};
    QTest::newRow("middle down") << 16 << QStringList{"Middle button Down"};
    QTest::newRow("forward click") << 22 << QStringList{"Forward button Down", "Forward button Up"};
    QTest::newRow("back down") << 24 << QStringList{"Back button Down"};
    QTest::newRow("wheel down") << 28 << QStringList{"Scroll wheel Down"};
    QTest::newRow("wheel up") << 29 << QStringList{"Scroll wheel Up"};
}

void VokMacroCtrlTest::everyMouseEntryAddsItsEvents() {
    QFETCH(int, code);
    QFETCH(QStringList, added);
    fill(1);
    choose(0, code);
    const std::vector<QString> now = shown();
    QCOMPARE(QStringList(now.begin() + 1, now.end()), added);
    for (size_t i = 1; i < macro().events.size(); ++i) {
        QCOMPARE(macro().events[i].delay, 0);
    }
}

void VokMacroCtrlTest::insertAndEditDelayChangeTheChosenEventsDelay() {
    fill(3);
    for (int code : {event_menu::kInsertDelay, event_menu::kEditDelay}) {
        choose(1, code);
        CVokEdit* box = editor_->delayBox();
        QVERIFY(editor_->isDelayBoxOpen());
        QVERIFY(box->hasFocus());
        const Rect row = macro().events[1].rowRect;
        QCOMPARE(box->geometry(), QRect(row.left + 120, row.top + 2, 52, 18 - 2));
        QCOMPARE(box->font().pixelSize(), 13);
        QTest::keyClicks(box, QStringLiteral("1x2"));  // digits only
        QCOMPARE(box->text(), QStringLiteral("12"));
        QVERIFY(editor_->commitDelayBox());
        QCOMPARE(macro().events[1].delay, 12);
        QCOMPARE(macro().events.size(), size_t{3});
        QVERIFY(!editor_->isDelayBoxOpen());
    }
    // The box opens on the delay as it stands; an emptied box changes nothing.
    choose(1, event_menu::kEditDelay);
    QCOMPARE(editor_->delayBox()->text(), QStringLiteral("12"));
    editor_->delayBox()->clear();
    QVERIFY(editor_->commitDelayBox());
    QCOMPARE(macro().events[1].delay, 12);
    // Without a chosen event the box does not open.
    for (CEventItem& event : macro().events) {
        event.selected = 0;
    }
    QTest::mouseClick(editor_, Qt::RightButton, {}, QPoint(100, 150));
    chooseInOpenMenu(event_menu::kInsertDelay);
    QVERIFY(!editor_->isDelayBoxOpen());
}

void VokMacroCtrlTest::aClickInTheEditorStoresTheDelayAndKeepsTheChoice() {
    fill(3);
    choose(2, event_menu::kInsertDelay);
    QTest::keyClicks(editor_->delayBox(), QStringLiteral("75"));
    QTest::mouseClick(editor_, Qt::LeftButton, {}, CentreOf(macro().events[0].rowRect));
    QCOMPARE(macro().events[2].delay, 75);
    QCOMPARE(macro().FirstSelectedIndex(), 2);
    QVERIFY(!editor_->isDelayBoxOpen());
}

void VokMacroCtrlTest::leavingTheDelayBoxDropsWhatWasTyped() {
    auto* elsewhere = new CVokEdit(1, page_);
    elsewhere->setGeometry(10, 10, 50, 20);
    elsewhere->show();
    fill(2);
    choose(0, event_menu::kEditDelay);
    QTest::keyClicks(editor_->delayBox(), QStringLiteral("900"));
    elsewhere->setFocus(Qt::MouseFocusReason);
    QVERIFY(!editor_->isDelayBoxOpen());
    QCOMPARE(macro().events[0].delay, 0);
    QVERIFY(!editor_->commitDelayBox());
}

void VokMacroCtrlTest::recordEntriesAskThePageToRecord() {
    fill(3);
    QCOMPARE(editor_->insertMode(), InsertMode::Append);
    choose(2, event_menu::kRecordBefore);
    QCOMPARE(editor_->insertMode(), InsertMode::AfterSelected);
    QCOMPARE(macro().FirstSelectedIndex(), 1);  // new events go in before event 3
    QCOMPARE(page_->choices(), (Reports{{116, 1}}));
    page_->reports.clear();
    choose(0, event_menu::kRecordAfter);
    QCOMPARE(macro().FirstSelectedIndex(), 0);
    QCOMPARE(page_->choices(), (Reports{{116, 2}}));
    // Recorded keys go after the chosen event, each after the one before.
    editor_->addRecordedKey(0x41, 0, 5);
    editor_->addRecordedKey(0x41, 1, 6);
    QCOMPARE(shown(),
             (std::vector<QString>{"1001 down", "65 down", "65 up", "1002 down", "1003 down"}));
}

void VokMacroCtrlTest::rightClickDuringARecordingShowsNoMenu() {
    fill(2);
    editor_->setRecording(true);
    QTest::mouseClick(editor_, Qt::RightButton, {}, CentreOf(macro().events[0].rowRect));
    QVERIFY(!editor_->menu()->isVisible());
    QTest::keyClick(editor_, Qt::Key_Menu);
    QVERIFY(!editor_->menu()->isVisible());
    editor_->setRecording(false);
    QTest::keyClick(editor_, Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(editor_->menu()->isVisible());
    editor_->menu()->hideMenu();
}

void VokMacroCtrlTest::deleteChoosesTheNextEventOrTheFirst() {
    fill(3);
    choose(1, event_menu::kDelete);
    QCOMPARE(shown(), (std::vector<QString>{"1001 down", "1003 down"}));
    QCOMPARE(macro().FirstSelectedIndex(), 1);
    choose(1, event_menu::kDelete);
    QCOMPARE(macro().FirstSelectedIndex(), 0);
    choose(0, event_menu::kDelete);
    QVERIFY(macro().events.empty());
}

void VokMacroCtrlTest::anAddedEventIsBroughtIntoView() {
    fill(10);
    CVokScrollCtrl* bar = editor_->scrollBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->geometry(), QRect(200 - 24, 0, 24, 199));
    QCOMPARE(bar->maximum(), 0);
    clickEvent(9);
    choose(9, 29);  // the eleventh event, below the rows that fit
    QCOMPARE(bar->maximum(), 1);
    QCOMPARE(bar->position(), 1);
    QCOMPARE(macro().events[10].rowRect.bottom, 185);
    QCOMPARE(macro().events[1].rowRect.top, 5);
    // Added among the first rows, an event comes into view at the top.
    for (int i = 0; i < 10; ++i) {
        macro().AddEvent(kKey, 0x41, 0, 0, InsertMode::Append);
    }
    QCOMPARE(editor_->scrollPosition(), 11);
    macro().events[11].selected = 0;
    macro().events[0].selected = 1;
    macro().AddEvent(kKey, 0x42, 0, 0, InsertMode::AfterSelected);
    QCOMPARE(editor_->scrollPosition(), 1);
    QCOMPARE(macro().events[1].rowRect.top, 5);
}

void VokMacroCtrlTest::rowsScrollWithTheWheelAndTheBar() {
    fill(30);
    QCOMPARE(editor_->scrollPosition(), 20);
    QWheelEvent up(QPointF(50, 50), editor_->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(editor_, &up);
    QCOMPARE(editor_->scrollPosition(), 17);
    QCOMPARE(macro().events[17].rowRect.top, 5);
    QCOMPARE(editor_->scrollBar()->position(), 17);
    // Clicking a scrolled row picks the event drawn there.
    QTest::mouseClick(editor_, Qt::LeftButton, {}, QPoint(60, 5 + 9));
    QCOMPARE(macro().FirstSelectedIndex(), 17);
    QTest::mouseClick(editor_->scrollBar(), Qt::LeftButton, {}, QPoint(12, 5));
    QCOMPARE(editor_->scrollPosition(), 0);
    QCOMPARE(macro().events[0].rowRect.top, 5);
}

void VokMacroCtrlTest::keysChooseAndDeleteEvents() {
    fill(15);
    editor_->setFocus();
    QTest::keyClick(editor_, Qt::Key_Home);
    QCOMPARE(macro().FirstSelectedIndex(), 0);
    QCOMPARE(editor_->scrollPosition(), 0);
    QTest::keyClick(editor_, Qt::Key_PageDown);
    QCOMPARE(macro().FirstSelectedIndex(), 10);
    QCOMPARE(editor_->scrollPosition(), 1);
    QTest::keyClick(editor_, Qt::Key_Up);
    QCOMPARE(macro().FirstSelectedIndex(), 9);
    QTest::keyClick(editor_, Qt::Key_Delete);
    QCOMPARE(macro().events.size(), size_t{14});
    QCOMPARE(macro().events[9].key, 1011);
    QCOMPARE(macro().FirstSelectedIndex(), 9);
    QTest::keyClick(editor_, Qt::Key_End);
    QCOMPARE(macro().FirstSelectedIndex(), 13);
}

void VokMacroCtrlTest::aNewMacroTakesTheEditorsArea() {
    QCOMPARE(library_.size(), size_t{1});
    QCOMPARE(library_[0].areaRect, (Rect{0, 0, 200, 199}));
    QCOMPARE(library_[0].name, std::u16string(u"Macro"));
    QCOMPARE(library_[0].owner, static_cast<MacroOwner*>(editor_));
    // An existing macro keeps its name; the editor shows it.
    library_.push_back({nullptr, {0, 0, 200, 199}, 20, u"Other", {}});
    editor_->makeCurrent(20, QStringLiteral("ignored"));
    QCOMPARE(editor_->currentMacro()->name, std::u16string(u"Other"));
    QCOMPARE(library_[0].owner, nullptr);
    editor_->removeMacro(20);
    QCOMPARE(editor_->currentMacro(), nullptr);
    QCOMPARE(library_.size(), size_t{1});
    // Menu entries without a current macro do nothing.
    QTest::mouseClick(editor_, Qt::RightButton, {}, QPoint(100, 100));
    chooseInOpenMenu(10);
    QCOMPARE(library_[0].events.size(), size_t{0});
}

void VokMacroCtrlTest::rowsAreDrawnInTheirColours() {
    macro().AddEvent(kKey, 0x41, 0, 250, InsertMode::Append);  // "A" with its arrow
    macro().AddEvent(kKey, 0xAD, 0, 0, InsertMode::Append);    // no name: the delay alone
    macro().AddEvent(kKey, 0x42, 1, 0, InsertMode::Append);    // selected
    const QImage image = editor_->grab().toImage();
    // Pixels of a bright grey for the grey of the lines and text, of a green for the
    // accent: the arrows' and the text's edges are blended into the background.
    const auto count = [&](const Rect& row, int from, int to, QRgb colour) {
        const bool grey = qRed(colour) == qGreen(colour) && qGreen(colour) == qBlue(colour);
        int n = 0;
        for (int y = row.top; y < row.bottom; ++y) {
            for (int x = row.left + from; x < row.left + to; ++x) {
                const QRgb pixel = image.pixel(x, y);
                const bool brightGrey = qRed(pixel) == qGreen(pixel) &&
                                        qGreen(pixel) == qBlue(pixel) && qRed(pixel) > 0x60;
                const bool greenish =
                    qGreen(pixel) > qRed(pixel) + 10 && qGreen(pixel) > qBlue(pixel) + 40;
                n += (grey ? brightGrey : greenish) ? 1 : 0;
            }
        }
        return n;
    };
    const Rect a = macro().events[0].rowRect;
    const Rect unnamed = macro().events[1].rowRect;
    const Rect b = macro().events[2].rowRect;
    QVERIFY(count(a, 2, 13, event_row::kLineColour) > 5);  // the arrow
    QVERIFY(count(unnamed, 2, 54, event_row::kTextColour) > 5);
    QCOMPARE(count(unnamed, 100, 170, event_row::kTextColour), 0);
    QVERIFY(count(b, 17, 170, event_row::kSelectedTextColour) > 5);
    QCOMPARE(count(a, 17, 170, event_row::kSelectedTextColour), 0);
    // Nothing is drawn under the scroll bar.
    QCOMPARE(count(a, 172, 196, event_row::kTextColour), 0);
}

void VokMacroCtrlTest::aMacroTakesNoMoreEventsThanTheLibraryKeeps() {
    macro().events.resize(size_t{kMaxMacroEvents} - 1);
    macro().LayOutRows();
    macro().events[0].selected = 1;
    choose(0, 10);  // a click needs two
    QCOMPARE(macro().events.size(), size_t{kMaxMacroEvents} - 1);
    choose(0, 8);
    QCOMPARE(macro().events.size(), size_t{kMaxMacroEvents});
    editor_->addRecordedKey(0x41, 0, 0);
    QCOMPARE(macro().events.size(), size_t{kMaxMacroEvents});
}

}  // namespace tavro

QTEST_MAIN(tavro::VokMacroCtrlTest)
#include "vok_macro_ctrl_test.moc"
