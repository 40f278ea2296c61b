#include <QImage>
#include <QPainter>
#include <QTest>

#include <memory>

#include "lighting/color_panel.h"
#include "lighting/color_panel_layout.h"
#include "lighting/lighting_layout.h"
#include "lighting/lighting_palette.h"
#include "lighting/vok_cbn_color_button.h"
#include "skin/accent_colour.h"
#include "skin/layout_qt.h"
#include "skin/skin_resources.h"
#include "tests/support/control_pictures.h"
#include "tests/support/recording_owner.h"

namespace tavro {
namespace {

constexpr int kPanelTicks = 4242;
constexpr PlacedControl kSwatch = lighting_layout::kZone1Swatch;

QPoint Center(const LayoutRect& rect) {
    return QPoint(rect.centerX(), rect.centerY());
}

// A page holding the zone 1 swatch at its place, shown on the screen.
struct Page {
    explicit Page(bool withImages = true) {
        owner.setGeometry(100, 100, 300, 250);
        swatch.setGeometry(ToQRect(kSwatch.rect));
        if (withImages) {
            swatch.setImages(Solid(swatch.size(), 0xFFFF0000), Solid(swatch.size(), 0xFF00FF00),
                             Solid(swatch.size(), 0xFF0000FF), Solid(QSize(102, 82), 0xFFFFFF00));
        }
        owner.show();
        exposed = QTest::qWaitForWindowExposed(&owner);
    }

    QPoint swatchCenter() const { return swatch.rect().center(); }
    void clickSwatch() { QTest::mouseClick(&swatch, Qt::LeftButton, {}, swatchCenter()); }
    CColorPanel& panel() { return *swatch.panel(); }

    RecordingOwner owner;
    bool exposed = false;
    CVokCbnColorButton swatch{kSwatch.id, &owner, [] { return qint64{kPanelTicks}; }};
};

}  // namespace

class ColorPanelTest : public QObject {
    Q_OBJECT

private slots:
    void panelIsAHiddenPopUpUntilTheFirstClick();
    void clickingTwiceOpensThenCloses();
    void releaseAwayFromTheSwatchStillActs();
    void withoutImagesAClickDoesNothing();
    void cellClickReportsThroughTheSwatch_data();
    void cellClickReportsThroughTheSwatch();
    void gapClickReportsNothingAndStaysOpen_data();
    void gapClickReportsNothingAndStaysOpen();
    void reportWithAForeignIdentifierIsIgnored();
    void checkClosesOnlyAfterThePointerLeftPanelAndSwatch();
    void swatchShowsItsLooksNeverItsColour();
    void keysOpenChooseAndCloseThePanel();
    void everyCellReportsTheColourItShows();
};

void ColorPanelTest::panelIsAHiddenPopUpUntilTheFirstClick() {
    Page page;
    QVERIFY(page.exposed);
    CColorPanel& panel = page.panel();
    QCOMPARE(panel.parent(), &page.swatch);
    QVERIFY(panel.isWindow());
    QVERIFY(!panel.isVisible());
    QCOMPARE(panel.objectName(), QStringLiteral("panel"));
    QCOMPARE(panel.size(), QSize(50, 50));
    QCOMPARE(panel.windowType(), Qt::ToolTip);
    QVERIFY(panel.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(panel.testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(panel.identifier(), kPanelTicks);
    QCOMPARE(page.swatch.colour(), 255u);
}

void ColorPanelTest::clickingTwiceOpensThenCloses() {
    Page page;
    QVERIFY(page.exposed);
    page.clickSwatch();
    CColorPanel& panel = page.panel();
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.frameGeometry(),
             QRect(page.owner.mapToGlobal(QPoint(kSwatch.rect.left(), kSwatch.rect.bottom())),
                   QSize(102, 82)));
    QVERIFY(panel.isChecking());
    page.clickSwatch();
    QVERIFY(!panel.isVisible());
    QVERIFY(page.owner.reports.empty());
}

void ColorPanelTest::releaseAwayFromTheSwatchStillActs() {
    Page page;
    QVERIFY(page.exposed);
    QTest::mousePress(&page.swatch, Qt::LeftButton, {}, page.swatchCenter());
    QTest::mouseRelease(&page.swatch, Qt::LeftButton, {}, QPoint(60, 40));
    QVERIFY(page.panel().isVisible());
}

void ColorPanelTest::withoutImagesAClickDoesNothing() {
    Page page(false);
    QVERIFY(page.exposed);
    page.clickSwatch();
    QCOMPARE(page.swatch.panel(), nullptr);
    QCOMPARE(page.swatch.visualState(), SkinnedButton::VisualState::Normal);
}

void ColorPanelTest::cellClickReportsThroughTheSwatch_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<uint>("colour");
    const auto& cells = color_panel_layout::kCells;
    QTest::newRow("first cell, red") << Center(cells[0]) << 255u;
    QTest::newRow("first cell, top-left pixel") << QPoint(1, 1) << 255u;
    QTest::newRow("second cell, its first column")
        << QPoint(cells[1].left(), 10) << kLightingPalette[1].recordForm();
    QTest::newRow("last cell, bottom-right pixel")
        << QPoint(cells[19].right() - 1, cells[19].bottom() - 1)
        << kLightingPalette[19].recordForm();
    QTest::newRow("blue, row 3") << Center(cells[13]) << 0xFF0000u;
}

void ColorPanelTest::cellClickReportsThroughTheSwatch() {
    QFETCH(QPoint, point);
    QFETCH(uint, colour);
    Page page;
    QVERIFY(page.exposed);
    page.clickSwatch();
    QTest::mouseClick(&page.panel(), Qt::LeftButton, {}, point);
    const std::vector<RecordingOwner::Report> expected{{kSwatch.id, static_cast<int>(colour)}};
    QCOMPARE(page.owner.reports, expected);
    QCOMPARE(page.swatch.colour(), colour);
    QVERIFY(!page.panel().isVisible());
    QVERIFY(!page.panel().isPressed());
}

void ColorPanelTest::gapClickReportsNothingAndStaysOpen_data() {
    QTest::addColumn<QPoint>("point");
    QTest::newRow("column gap x=21") << QPoint(21, 10);
    QTest::newRow("row gap y=21") << QPoint(10, 21);
    QTest::newRow("gap crossing") << QPoint(41, 41);
    QTest::newRow("left frame column") << QPoint(0, 10);
    QTest::newRow("bottom frame row") << QPoint(10, 81);
    QTest::newRow("right of the last column") << QPoint(101, 70);
}

void ColorPanelTest::gapClickReportsNothingAndStaysOpen() {
    QFETCH(QPoint, point);
    Page page;
    QVERIFY(page.exposed);
    page.clickSwatch();
    QTest::mouseClick(&page.panel(), Qt::LeftButton, {}, point);
    QVERIFY(page.owner.reports.empty());
    QVERIFY(page.panel().isVisible());
    QCOMPARE(page.swatch.colour(), 255u);
}

void ColorPanelTest::reportWithAForeignIdentifierIsIgnored() {
    Page page;
    QVERIFY(page.exposed);
    NotifyOwner(&page.swatch, kPanelTicks + 1, 0xFF0000);
    QVERIFY(page.owner.reports.empty());
    QCOMPARE(page.swatch.colour(), 255u);
    NotifyOwner(&page.swatch, kPanelTicks, 0xFF0000);
    const std::vector<RecordingOwner::Report> expected{{kSwatch.id, 0xFF0000}};
    QCOMPARE(page.owner.reports, expected);
    QCOMPARE(page.swatch.colour(), 0xFF0000u);
}

void ColorPanelTest::checkClosesOnlyAfterThePointerLeftPanelAndSwatch() {
    Page page;
    QVERIFY(page.exposed);
    CColorPanel& panel = page.panel();
    QPoint pointer;
    panel.setPointerSource([&pointer] { return pointer; });
    page.clickSwatch();
    const QRect onScreen = panel.frameGeometry();

    pointer = onScreen.bottomRight();
    panel.checkPointer();
    QVERIFY(panel.isVisible());

    pointer = page.swatch.mapToGlobal(page.swatchCenter());
    panel.checkPointer();
    QVERIFY(panel.isVisible());
    QVERIFY(panel.isChecking());

    // Just past the swatch's right edge, above the panel's right half.
    pointer = page.swatch.mapToGlobal(QPoint(page.swatch.width(), 0));
    panel.checkPointer();
    QVERIFY(!panel.isVisible());
    QVERIFY(!panel.isChecking());
}

void ColorPanelTest::swatchShowsItsLooksNeverItsColour() {
    Page page;
    QVERIFY(page.exposed);
    const QPoint inside = page.swatchCenter();
    QCOMPARE(Rendered(page.swatch).pixelColor(inside), QColor(Qt::red));
    NotifyOwner(&page.swatch, kPanelTicks, 0x00FF00);
    QCOMPARE(page.swatch.colour(), 0x00FF00u);
    QCOMPARE(Rendered(page.swatch).pixelColor(inside), QColor(Qt::red));
    page.clickSwatch();
    QCOMPARE(Rendered(page.panel()).pixelColor(50, 40), QColor(Qt::yellow));
}

void ColorPanelTest::keysOpenChooseAndCloseThePanel() {
    Page page;
    QVERIFY(page.exposed);
    page.owner.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&page.owner));
    page.swatch.setFocus(Qt::TabFocusReason);
    CColorPanel& panel = page.panel();
    const std::pair<Qt::Key, Qt::KeyboardModifiers> toggles[] = {
        {Qt::Key_Space, Qt::NoModifier},  {Qt::Key_Space, Qt::NoModifier},
        {Qt::Key_Down, Qt::AltModifier},  {Qt::Key_Escape, Qt::NoModifier},
        {Qt::Key_Return, Qt::NoModifier},
    };
    bool open = false;
    for (const auto& [key, modifiers] : toggles) {
        QTest::keyClick(&page.swatch, key, modifiers);
        open = !open;
        QCOMPARE(panel.isVisible(), open);
    }
    // The mark starts on the swatch's colour (red, the first cell) and the pointer checks
    // stay off.
    QCOMPARE(panel.keyboardCell(), 0);
    QVERIFY(!panel.isChecking());
    const QImage shown = Rendered(panel);
    int marked = 0;
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 23; ++x) {
            marked += shown.pixel(x, y) == kAccentColour;
        }
    }
    QVERIFY2(marked > 20, qPrintable(QString::number(marked)));
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Left,
                        Qt::Key_Left, Qt::Key_Right}) {
        QTest::keyClick(&page.swatch, key);
    }
    QCOMPARE(panel.keyboardCell(), 6);
    QTest::keyClick(&page.swatch, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(!panel.isVisible());
    const int green = static_cast<int>(kLightingPalette[6].recordForm());
    QCOMPARE(page.owner.reports, (std::vector<RecordingOwner::Report>{{kSwatch.id, green}}));
    QVERIFY(page.owner.commands.empty());

    // Opened by the keys, it closes with the swatch's focus; opened by the pointer, it
    // shows no mark.
    QTest::keyClick(&page.swatch, Qt::Key_Space);
    page.swatch.clearFocus();
    QVERIFY(!panel.isVisible());
    page.clickSwatch();
    QCOMPARE(panel.keyboardCell(), -1);
    QVERIFY(panel.isChecking());
}

void ColorPanelTest::everyCellReportsTheColourItShows() {
    SkinResources skin{TAVRO_SKIN_DIR};
    Page page(false);
    QVERIFY(page.exposed);
    page.swatch.setImages(
        skin.element(kSwatch, SkinState::Normal), skin.element(kSwatch, SkinState::Over),
        skin.element(kSwatch, SkinState::Down), skin.element(139, SkinState::Normal));
    QVERIFY(!skin.failed());
    for (const LayoutRect& cell : color_panel_layout::kCells) {
        page.clickSwatch();
        QCOMPARE(page.panel().size(),
                 QSize(color_panel_layout::kPanel.width, color_panel_layout::kPanel.height));
        const QColor shown = Rendered(page.panel()).pixelColor(Center(cell));
        page.owner.reports.clear();
        QTest::mouseClick(&page.panel(), Qt::LeftButton, {}, Center(cell));
        QCOMPARE(page.owner.reports.size(), 1u);
        const uint32_t colour = static_cast<uint32_t>(page.owner.reports[0].second);
        QCOMPARE(QColor(colour & 0xFF, colour >> 8 & 0xFF, colour >> 16 & 0xFF), shown);
    }
}

}  // namespace tavro

QTEST_MAIN(tavro::ColorPanelTest)
#include "color_panel_test.moc"
