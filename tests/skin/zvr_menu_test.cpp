// The menu machinery through CZVRMenu, whose entries span the whole width.
#include <QFontMetrics>
#include <QTest>

#include "skin/skin_fonts.h"
#include "skin/zvr_menu.h"
#include "tests/support/recording_owner.h"

namespace tavro {

class ZvrMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layoutFollowsTheFirstEntrysTextHeight();
    void showModesPlaceTheirCorner();
    void aPressAtTheFarRightChoosesTheEntry();
    void aRepeatedCodeLeavesTheMenuUnchanged();
    void lookupsReachTheSubMenus();

private:
    RecordingOwner* owner_ = nullptr;
    CZVRMenu* menu_ = nullptr;
};

void ZvrMenuTest::init() {
    owner_ = new RecordingOwner;
    menu_ = new CZVRMenu(owner_, 40, QRect(0, 0, 55, 10));
    for (int code = 0; code < 3; ++code) {
        menu_->addEntry(code, QString::number(code));
    }
}

void ZvrMenuTest::cleanup() {
    delete owner_;
}

void ZvrMenuTest::layoutFollowsTheFirstEntrysTextHeight() {
    menu_->showMenu(SkinnedMenu::kTopLeft, 120, 130);
    const int h = QFontMetrics(SkinFont(14)).height();
    QCOMPARE(menu_->geometry(), QRect(120, 130, 55, 3 * h + 8));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(menu_->entries()[i].rect, (LayoutRect{1, 4 + i * h, 54, h}));
    }
    QCOMPARE(menu_->hoveredIndex(), -1);
}

void ZvrMenuTest::showModesPlaceTheirCorner() {
    const int height = 3 * QFontMetrics(SkinFont(14)).height() + 8;
    const struct {
        int mode;
        QPoint topLeft;
    } rows[] = {
        {SkinnedMenu::kTopLeft, QPoint(300, 400)},
        {SkinnedMenu::kBottomLeft, QPoint(300, 400 - height)},
        {SkinnedMenu::kBottomRight, QPoint(300 - 55, 400 - height)},
    };
    for (const auto& row : rows) {
        menu_->showMenu(row.mode, 300, 400);
        QCOMPARE(menu_->geometry(), QRect(row.topLeft, QSize(55, height)));
        menu_->hideMenu();
    }
}

void ZvrMenuTest::aPressAtTheFarRightChoosesTheEntry() {
    menu_->showMenu(SkinnedMenu::kTopLeft, 100, 100);
    const LayoutRect entry = menu_->entries()[1].rect;
    const QPoint farRight(menu_->width() - 2, entry.centerY());
    QTest::mouseMove(menu_, farRight);
    QCOMPARE(menu_->hoveredIndex(), 1);
    QTest::mouseClick(menu_, Qt::LeftButton, {}, farRight);
    QCOMPARE(owner_->choices(), (std::vector<RecordingOwner::Report>{{40, 1}}));
    QVERIFY(!menu_->isVisible());
    QVERIFY(!CZVRMenu::Watcher().isActive());
}

void ZvrMenuTest::aRepeatedCodeLeavesTheMenuUnchanged() {
    menu_->addEntry(1, QStringLiteral("again"));
    QCOMPARE(menu_->entries().size(), std::size_t{3});
    QCOMPARE(menu_->entries()[1].text, QStringLiteral("1"));
    // A sub-entry under a code this menu does not have goes nowhere.
    menu_->addSubEntry(9, 7, QStringLiteral("orphan"));
    QVERIFY(menu_->findEntry(9) == nullptr);
}

void ZvrMenuTest::lookupsReachTheSubMenus() {
    menu_->addSubEntry(20, 2, QStringLiteral("a"));
    menu_->subMenu(2)->addSubEntry(30, 20, QStringLiteral("a much wider text"));
    QVERIFY(menu_->entries()[2].hasSubMenu);
    QCOMPARE(menu_->findEntry(30)->text, QStringLiteral("a much wider text"));
    const int wide = QFontMetrics(SkinFont(14)).horizontalAdvance("a much wider text");
    QCOMPARE(menu_->widestText(20), wide);
    QCOMPARE(menu_->widestText(12345), 0);
}

}  // namespace tavro

QTEST_MAIN(tavro::ZvrMenuTest)
#include "zvr_menu_test.moc"
