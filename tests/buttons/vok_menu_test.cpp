// CVokMenu: sub-menus, the outside-click watcher, the reports around hiding, drawing.
#include <QCursor>
#include <QImage>
#include <QKeyEvent>
#include <QTest>

#include "buttons/vok_menu.h"
#include "skin/skin_fonts.h"
#include "skin/zvr_menu.h"
#include "tests/support/recording_owner.h"

namespace tavro {

namespace {

using Reports = std::vector<RecordingOwner::Report>;

constexpr int kPlain = 1;
constexpr int kEmptied = 2;  // had a sub-entry, its sub-menu was cleared since
constexpr int kParent = 3;   // opens a sub-menu of two entries

const Reports kOnePair{{kTopMostRequestId, 1}, {kTopMostRequestId, 0}};
const Reports kNestedPairs{
    {kTopMostRequestId, 1}, {kTopMostRequestId, 1}, {kTopMostRequestId, 0}, {kTopMostRequestId, 0}};

// The page that keeps the keyboard focus while a menu is open.
class FocusedPage : public QWidget {
public:
    using QWidget::QWidget;
    std::vector<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys.push_back(event->key()); }
};

QPoint Centre(const MenuItem& item) {
    return QPoint(item.rect.centerX(), item.rect.centerY());
}

bool IsGreenish(QRgb pixel) {
    return qGreen(pixel) > qRed(pixel) + 20 && qGreen(pixel) > qBlue(pixel) + 80;
}

bool IsGrey(QRgb pixel) {
    return qRed(pixel) > 0x40 && qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
}

int CountPixels(const QImage& image, const QRect& area, bool (*test)(QRgb)) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

class VokMenuTest : public QObject {
    Q_OBJECT

private slots:
    // Menus are measured and drawn in the skin font.
    void initTestCase() { QVERIFY(RegisterSkinFont(TAVRO_SKIN_DIR)); }
    void init();
    void cleanup();
    void entriesStopShortOfTheArrowMargin();
    void hoveringOpensOnlyASubMenuWithEntries();
    void entriesThatOpenSubMenusChooseNothing();
    void outsidePressClosesTheWholeChain();
    void pressInAParentMenuKeepsTheChainOpen();
    void closingASubMenuLeavesTheChainWatched();
    void reportsSurroundEveryHiding();
    void eachMenuClassHasItsOwnWatcher();
    void drawsFrameArrowsAndTheHoveredEntry();
    void keysMoveOpenChooseAndCloseWhileTheFocusStays();
    void escapeClosesTheChainAndOtherKeysPassOn();
    void anyButtonPressedOnAnotherWindowCloses();

private:
    const MenuItem& entry(int code) const { return *menu_->findEntry(code); }
    void hover(int code) { QTest::mouseMove(menu_, Centre(entry(code))); }
    SkinnedMenu* sub() const { return menu_->subMenu(kParent); }

    RecordingOwner* owner_ = nullptr;
    QWidget* elsewhere_ = nullptr;
    CVokMenu* menu_ = nullptr;
};

void VokMenuTest::init() {
    // Pointer moves are cursor moves here: one to where the cursor already is goes unseen.
    QCursor::setPos(0, 0);
    owner_ = new RecordingOwner;
    elsewhere_ = new QWidget(owner_, Qt::Window);
    elsewhere_->setGeometry(600, 600, 100, 100);
    menu_ = new CVokMenu(owner_, 77, QRect(0, 0, 180, 10));
    menu_->addEntry(kPlain, QStringLiteral("Left Click"));
    menu_->addEntry(kEmptied, QStringLiteral("Macros"));
    menu_->addEntry(kParent, QStringLiteral("Button"));
    menu_->addSubEntry(21, kEmptied, QStringLiteral("gone"));
    menu_->subMenu(kEmptied)->clear();
    menu_->addSubEntry(31, kParent, QStringLiteral("Right Click"));
    menu_->addSubEntry(32, kParent, QStringLiteral("Forward"));
    menu_->showMenu(SkinnedMenu::kTopLeft, 100, 100);
}

void VokMenuTest::cleanup() {
    delete owner_;
    QVERIFY(!CVokMenu::Watcher().isActive());
}

void VokMenuTest::entriesStopShortOfTheArrowMargin() {
    for (const MenuItem& item : menu_->entries()) {
        QCOMPARE(item.rect.left(), 1);
        QCOMPARE(item.rect.right(), 180 - 15);
    }
    // Beside every entry: a press there closes the menu without a choice.
    const QPoint farRight(180 - 5, Centre(entry(kPlain)).y());
    QTest::mouseClick(menu_, Qt::LeftButton, {}, farRight);
    QVERIFY(owner_->choices().empty());
    QVERIFY(!menu_->isVisible());
}

void VokMenuTest::hoveringOpensOnlyASubMenuWithEntries() {
    hover(kParent);
    QVERIFY(sub()->isVisible());
    QCOMPARE(sub()->geometry().topLeft(),
             QPoint(100 + 180 - 5, 100 + entry(kParent).rect.top() - 5));
    QCOMPARE(menu_->hoveredIndex(), 2);

    hover(kEmptied);
    QVERIFY(!sub()->isVisible());
    QVERIFY(!menu_->subMenu(kEmptied)->isVisible());
    QCOMPARE(menu_->hoveredIndex(), 1);
}

void VokMenuTest::entriesThatOpenSubMenusChooseNothing() {
    for (int code : {kParent, kEmptied}) {
        hover(code);
        QTest::mouseClick(menu_, Qt::LeftButton, {}, Centre(entry(code)));
        QVERIFY(owner_->choices().empty());
        QVERIFY(menu_->isVisible());
    }
}

void VokMenuTest::outsidePressClosesTheWholeChain() {
    hover(kParent);
    owner_->reports.clear();
    QTest::mousePress(elsewhere_, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!menu_->isVisible());
    QVERIFY(!sub()->isVisible());
    QCOMPARE(owner_->reports, kNestedPairs);
    QTest::mouseRelease(elsewhere_, Qt::LeftButton, {}, QPoint(10, 10));
}

void VokMenuTest::pressInAParentMenuKeepsTheChainOpen() {
    hover(kParent);
    QTest::mouseClick(menu_, Qt::LeftButton, {}, Centre(entry(kParent)));
    QVERIFY(menu_->isVisible());
    QVERIFY(sub()->isVisible());
    QCOMPARE(CVokMenu::Watcher().target(), sub());
    // The padding below the last entry is in the menu but on no entry.
    QTest::mousePress(menu_, Qt::LeftButton, {}, QPoint(20, menu_->height() - 2));
    QVERIFY(!menu_->isVisible());
    QVERIFY(!sub()->isVisible());
    QTest::mouseRelease(menu_, Qt::LeftButton, {}, QPoint(20, menu_->height() - 2));
}

void VokMenuTest::closingASubMenuLeavesTheChainWatched() {
    hover(kParent);
    hover(kPlain);
    QVERIFY(!sub()->isVisible());
    QTest::mouseClick(elsewhere_, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!menu_->isVisible());
}

void VokMenuTest::reportsSurroundEveryHiding() {
    hover(kParent);
    QVERIFY(owner_->reports.empty());
    hover(kPlain);
    QCOMPARE(owner_->reports, kOnePair);

    owner_->reports.clear();
    hover(kParent);
    const MenuItem& forward = *sub()->findEntry(32);
    QTest::mouseMove(sub(), Centre(forward));
    QTest::mouseClick(sub(), Qt::LeftButton, {}, Centre(forward));
    Reports expected{{kParent, 32}};
    expected.insert(expected.end(), kNestedPairs.begin(), kNestedPairs.end());
    QCOMPARE(owner_->reports, expected);
}

void VokMenuTest::eachMenuClassHasItsOwnWatcher() {
    CZVRMenu other(owner_, 5, QRect(400, 100, 55, 10));
    other.addEntry(0, QStringLiteral("0"));
    other.showMenu(SkinnedMenu::kTopLeft, 400, 100);
    QCOMPARE(CVokMenu::Watcher().target(), menu_);
    QTest::mouseClick(elsewhere_, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!menu_->isVisible());
    QVERIFY(!other.isVisible());
    QVERIFY(!CZVRMenu::Watcher().isActive());
}

void VokMenuTest::drawsFrameArrowsAndTheHoveredEntry() {
    hover(kPlain);
    const QImage image = menu_->grab().toImage();
    QCOMPARE(image.pixel(0, 0), SkinnedMenu::kBorderColour);
    QCOMPARE(image.pixel(179, image.height() - 1), SkinnedMenu::kBorderColour);
    QCOMPARE(image.pixel(1, 1), SkinnedMenu::kBackgroundColour);

    const auto row = [&](int code, int left, int right) {
        const LayoutRect r = entry(code).rect;
        return QRect(QPoint(left, r.top()), QPoint(right, r.bottom() - 1));
    };
    // The arrow of an entry whose sub-menu has entries, and none for the emptied one.
    const auto arrow = [&](int code) { return row(code, 180 - 15, 180 - 10); };
    const auto isArrow = [](QRgb p) { return p == SkinnedMenu::kTextColour; };
    QVERIFY(CountPixels(image, arrow(kParent), isArrow) > 10);
    QCOMPARE(CountPixels(image, arrow(kEmptied), isArrow), 0);
    // Text starts 10 pixels in, green for the hovered entry and grey for the others.
    for (int code : {kPlain, kEmptied, kParent}) {
        QCOMPARE(CountPixels(image, row(code, 1, 10), IsGrey), 0);
        QCOMPARE(CountPixels(image, row(code, 1, 10), IsGreenish), 0);
    }
    QVERIFY(CountPixels(image, row(kPlain, 11, 160), IsGreenish) > 20);
    QCOMPARE(CountPixels(image, row(kPlain, 11, 160), IsGrey), 0);
    QVERIFY(CountPixels(image, row(kEmptied, 11, 160), IsGrey) > 20);
    QCOMPARE(CountPixels(image, row(kEmptied, 11, 160), IsGreenish), 0);
}

void VokMenuTest::keysMoveOpenChooseAndCloseWhileTheFocusStays() {
    FocusedPage page(owner_);
    page.setFocusPolicy(Qt::StrongFocus);
    owner_->show();
    owner_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(owner_));
    page.setFocus();
    const auto key = [&](Qt::Key k) { QTest::keyClick(&page, k); };

    key(Qt::Key_Down);
    QCOMPARE(menu_->hoveredIndex(), 0);
    key(Qt::Key_Up);
    QCOMPARE(menu_->hoveredIndex(), 2);  // round to the last entry
    key(Qt::Key_Right);
    QVERIFY(sub()->isVisible());
    QCOMPARE(sub()->hoveredIndex(), 0);
    // The keys now work the sub-menu.
    key(Qt::Key_Down);
    QCOMPARE(sub()->hoveredIndex(), 1);
    QCOMPARE(menu_->hoveredIndex(), 2);
    key(Qt::Key_Left);
    QVERIFY(!sub()->isVisible());
    QVERIFY(menu_->isVisible());
    QCOMPARE(owner_->reports, kOnePair);

    // Enter on the emptied sub-menu's entry does nothing; on a sub-menu entry it chooses.
    key(Qt::Key_Up);
    key(Qt::Key_Return);
    QVERIFY(menu_->isVisible());
    QVERIFY(owner_->choices().empty());
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    QVERIFY(sub()->isVisible());
    key(Qt::Key_Down);
    owner_->reports.clear();
    key(Qt::Key_Enter);
    Reports expected{{kParent, 32}};
    expected.insert(expected.end(), kNestedPairs.begin(), kNestedPairs.end());
    QCOMPARE(owner_->reports, expected);
    QVERIFY(!menu_->isVisible());
    QVERIFY(page.hasFocus());
    QVERIFY(page.keys.empty());
}

void VokMenuTest::escapeClosesTheChainAndOtherKeysPassOn() {
    FocusedPage page(owner_);
    hover(kParent);
    QTest::keyClick(&page, Qt::Key_A);
    QCOMPARE(page.keys, std::vector<int>{Qt::Key_A});
    // Keys typed into another window (a dialog the owner runs for a choice) are its own.
    FocusedPage dialog;
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.keys, std::vector<int>{Qt::Key_Escape});
    QVERIFY(sub()->isVisible());
    QTest::keyClick(&page, Qt::Key_Escape);
    QVERIFY(!menu_->isVisible());
    QVERIFY(!sub()->isVisible());
    QVERIFY(!CVokMenu::Watcher().isActive());
    // Closed, the menu takes no keys.
    QTest::keyClick(&page, Qt::Key_Escape);
    QCOMPARE(page.keys, (std::vector<int>{Qt::Key_A, Qt::Key_Escape}));
}

void VokMenuTest::anyButtonPressedOnAnotherWindowCloses() {
    elsewhere_->show();
    hover(kParent);
    QTest::mousePress(elsewhere_, Qt::RightButton, {}, QPoint(10, 10));
    QVERIFY(!menu_->isVisible());
    QVERIFY(!sub()->isVisible());
    QTest::mouseRelease(elsewhere_, Qt::RightButton, {}, QPoint(10, 10));
}

}  // namespace tavro

QTEST_MAIN(tavro::VokMenuTest)
#include "vok_menu_test.moc"
