// The lighting page: loading and storing a record, its controls and their rules, and
// the live preview, driven with real input at the places of the layout table.
#include <QApplication>
#include <QTest>

#include <vector>

#include "device/config_image.h"
#include "lighting/color_panel.h"
#include "lighting/color_panel_layout.h"
#include "lighting/color_settings_dlg.h"
#include "lighting/lighting_layout.h"
#include "lighting/lighting_palette.h"
#include "lighting/lighting_preview.h"
#include "lighting/vok_cbn_color_button.h"
#include "profile/profile_record.h"
#include "skin/layout_qt.h"
#include "skin/owner_notification.h"
#include "skin/vok_button.h"
#include "skin/vok_check_box.h"
#include "skin/vok_edit.h"
#include "tests/support/window_input.h"

namespace tavro {

namespace {

namespace layout = lighting_layout;

constexpr PreviewZone kWheel = PreviewZone::ScrollWheel;
constexpr PreviewZone kLogo = PreviewZone::LogoType;
constexpr uint32_t kRecordRed = 0x0000FF;
constexpr uint32_t kRecordGreen = 0x00FF00;
constexpr uint32_t kRecordBlue = 0xFF0000;

SkinResources& Skin() {
    static SkinResources skin{TAVRO_SKIN_DIR};
    return skin;
}

QRgb Opaque(uint32_t recordColour) {
    return LightingColour::FromRecord(recordColour).argb();
}

ProfileRecord Lighting(int32_t mode, int32_t param, uint32_t zone1 = kRecordBlue,
                       uint32_t zone4 = kRecordBlue) {
    ProfileRecord record;
    record.lightingMode = mode;
    record.lightingParam = param;
    record.zoneColor1 = zone1;
    record.zoneColor4 = zone4;
    return record;
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// The page on the screen on its own, with an animation state of its own.
struct Page {
    Page() {
        page.move(40, 40);
        page.show();
        page.activateWindow();
        exposed = QTest::qWaitForWindowActive(&page);
    }

    template <typename Control>
    Control& control(const PlacedControl& place) {
        for (Control* widget : page.findChildren<Control*>()) {
            if (ControlId(widget) == place.id) {
                return *widget;
            }
        }
        qFatal("no control %d", place.id);
    }
    CVokButton& button(const PlacedControl& place) { return control<CVokButton>(place); }
    CVokCheckBox& box(const PlacedControl& place) { return control<CVokCheckBox>(place); }
    CVokEdit& edit(int channel) { return control<CVokEdit>(layout::kColorEdits[channel]); }
    CLightingPreview& preview() { return *page.findChild<CLightingPreview*>(); }

    void click(const PlacedControl& place) { Click(page, place.rect); }
    void type(int channel, const QString& text) {
        Click(page, layout::kColorEdits[channel].rect);
        edit(channel).selectAll();
        QTest::keyClicks(&edit(channel), text);
    }
    // Opens the swatch's panel and picks a palette cell in it.
    void pick(const PlacedControl& swatch, int cell) {
        click(swatch);
        CColorPanel* panel = control<CVokCbnColorButton>(swatch).panel();
        const LayoutRect& rect = color_panel_layout::kCells[cell];
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(rect.centerX(), rect.centerY()));
    }
    ProfileRecord stored(ProfileRecord record = {}) {
        page.StoreRecord(record);
        return record;
    }
    std::vector<bool> selected(const auto& group) {
        std::vector<bool> flags;
        for (const PlacedControl& place : group) {
            flags.push_back(button(place).isSelected());
        }
        return flags;
    }

    LightingAnimation animation;
    CColorSettingsDlg page{nullptr, Skin(), animation};
    bool exposed = false;
};

std::vector<bool> OnlyOne(int chosen, int count) {
    std::vector<bool> flags(static_cast<size_t>(count), false);
    if (chosen >= 0) {
        flags[static_cast<size_t>(chosen)] = true;
    }
    return flags;
}

}  // namespace

class ColorSettingsDlgTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnWithSolidColourAndNothingShowing();
    void loadingSetsGroupsZonesAndPreview_data();
    void loadingSetsGroupsZonesAndPreview();
    void storingWritesWhatThePageShows();
    void zoneBoxesLightTheirZones();
    void colourEditsNormaliseAsTheUserTypes();
    void colourEditsActOnlyWhileOn_data();
    void colourEditsActOnlyWhileOn();
    void loadingKeepsEachZonesOwnColour();
    void paletteAndSwatchesColourTheZones();
    void colourShiftStoresTheColoursFromBefore();
    void breathingThenBlinkingGoesOnFromTheSharedCounter();
    void nothingRunsWhileThePreviewIsOffTheScreen();
    void onlyThePreviewRepaintsAsItAnimates();
    void enterStoresThePageIntoTheCurrentRecord();
    void aPaletteColourPickedWithTheMouseReachesTheImage();
};

void ColorSettingsDlgTest::startsOnWithSolidColourAndNothingShowing() {
    Page p;
    QVERIFY(p.exposed);
    QCOMPARE(p.page.size(), QSize(783, 349));
    QCOMPARE(p.selected(layout::kModeButtons), OnlyOne(0, 3));
    QCOMPARE(p.selected(layout::kEffectButtons), OnlyOne(0, 4));
    QVERIFY(p.button(layout::kSolidColorButton).isSelected());
    QVERIFY(!p.button(layout::kColorShiftButton).isSelected());
    for (const PlacedControl& zone :
         {layout::kZone1Box, layout::kZone4Box, layout::kZone2Box, layout::kZone3Box}) {
        QVERIFY(!p.box(zone).isVisible());
    }
    for (PreviewZone zone : {kWheel, kLogo}) {
        QVERIFY(p.preview().isLit(zone));
        QCOMPARE(qAlpha(p.preview().workingColour(zone)), 0);
    }
    QVERIFY(!p.preview().isAnimating());

    // Every control sits at its place and answers to its template caption.
    std::vector<PlacedControl> places(layout::kModeButtons.begin(), layout::kModeButtons.end());
    places.insert(places.end(), layout::kPaletteButtons.begin(), layout::kPaletteButtons.end());
    places.insert(places.end(), layout::kEffectButtons.begin(), layout::kEffectButtons.end());
    for (const PlacedControl& place :
         {layout::kZone1Box, layout::kZone4Box, layout::kZone1Swatch, layout::kZone4Swatch,
          layout::kColorShiftButton, layout::kSolidColorButton, layout::kPreview}) {
        places.push_back(place);
    }
    for (const PlacedControl& place : places) {
        QWidget& widget = p.control<QWidget>(place);
        QCOMPARE(widget.geometry(), ToQRect(place.rect));
        QCOMPARE(widget.accessibleName(), QString::fromLatin1(place.caption));
    }
    QCOMPARE(p.edit(2).accessibleName(), QStringLiteral("Blue"));
    QCOMPARE(p.edit(2).geometry(), ToQRect(layout::kColorEdits[2].rect));
}

void ColorSettingsDlgTest::loadingSetsGroupsZonesAndPreview_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("param");
    QTest::addColumn<int>("modeButton");  // -1: none
    QTest::addColumn<bool>("box1");
    QTest::addColumn<bool>("box4");
    QTest::addColumn<bool>("lit1");
    QTest::addColumn<bool>("lit4");
    QTest::addColumn<int>("effectButton");  // -1: none
    QTest::addColumn<bool>("colourShift");
    QTest::newRow("25: Select with both zones")
        << 25 << 1 << 2 << true << true << true << true << 0 << false;
    QTest::newRow("17: Select, scroll wheel")
        << 17 << 3 << 2 << true << false << true << false << 2 << false;
    QTest::newRow("16: Select, no zone")
        << 16 << 4 << 2 << false << false << false << false << 3 << false;
    QTest::newRow("15: ON, blinking colour shift")
        << 15 << 18 << 0 << false << false << true << true << 1 << true;
    QTest::newRow("0: OFF, breathing colour shift")
        << 0 << 20 << 1 << false << false << false << false << 3 << true;
    // Nothing to select: the preview stays lit as it was.
    QTest::newRow("7: no mode, no effect")
        << 7 << 0 << -1 << false << false << true << true << -1 << false;
}

void ColorSettingsDlgTest::loadingSetsGroupsZonesAndPreview() {
    QFETCH(int, mode);
    QFETCH(int, param);
    QFETCH(int, modeButton);
    QFETCH(bool, box1);
    QFETCH(bool, box4);
    QFETCH(bool, lit1);
    QFETCH(bool, lit4);
    QFETCH(int, effectButton);
    QFETCH(bool, colourShift);
    Page p;
    QVERIFY(p.exposed);
    p.page.LoadRecord(Lighting(mode, param));

    QCOMPARE(p.selected(layout::kModeButtons), OnlyOne(modeButton, 3));
    const bool zonesShown = modeButton == 2;
    for (const PlacedControl& place : {layout::kZone1Box, layout::kZone4Box}) {
        QCOMPARE(p.box(place).isVisible(), zonesShown);
    }
    for (const PlacedControl& place : {layout::kZone1Swatch, layout::kZone4Swatch}) {
        QCOMPARE(p.control<QWidget>(place).isVisible(), zonesShown);
    }
    for (const PlacedControl& place :
         {layout::kZone2Box, layout::kZone3Box, layout::kZone2Swatch, layout::kZone3Swatch}) {
        QVERIFY(!p.control<QWidget>(place).isVisible());
    }
    QCOMPARE(p.box(layout::kZone1Box).isChecked(), box1);
    QCOMPARE(p.box(layout::kZone4Box).isChecked(), box4);
    QCOMPARE(p.preview().isLit(kWheel), lit1);
    QCOMPARE(p.preview().isLit(kLogo), lit4);

    QCOMPARE(p.selected(layout::kEffectButtons), OnlyOne(effectButton, 4));
    QCOMPARE(p.preview().isAnimating(), effectButton > 0);
    if (effectButton >= 0) {
        QCOMPARE(p.preview().effect(), static_cast<PreviewEffect>(effectButton));
        const int intervals[] = {0, 1000, 100, 100};
        QCOMPARE(p.preview().animationIntervalMs(), intervals[effectButton]);
    }
    QCOMPARE(p.button(layout::kColorShiftButton).isSelected(), colourShift);
    QCOMPARE(p.button(layout::kSolidColorButton).isSelected(), !colourShift);
    QCOMPARE(p.preview().isCyclingColours(), colourShift);
    for (const PlacedControl& place : layout::kPaletteButtons) {
        QCOMPARE(p.button(place).isEnabled(), !colourShift);
    }
    // Both zones show their record colours, opaque, and the edits the logo's.
    QCOMPARE(p.preview().workingColour(kWheel), Opaque(kRecordBlue));
    QCOMPARE(p.edit(2).text(), QStringLiteral("255"));
}

void ColorSettingsDlgTest::storingWritesWhatThePageShows() {
    const struct {
        const char* name;
        std::vector<PlacedControl> clicks;
        int32_t mode;
        int32_t param;
    } cases[] = {
        {"Select with no zone is 16, not 0", {layout::kSelectButton}, 16, 1},
        {"Select, logo only", {layout::kSelectButton, layout::kZone4Box}, 24, 1},
        {"Select, both zones",
         {layout::kSelectButton, layout::kZone4Box, layout::kZone1Box},
         25,
         1},
        {"OFF, breathing, colour shift",
         {layout::kOffButton, layout::kBreathingButton, layout::kColorShiftButton},
         0,
         20},
        {"ON, pulsating", {layout::kOffButton, layout::kOnButton, layout::kPulsatingButton}, 15, 3},
        // A second click on the chosen button keeps the zone choice.
        {"Select twice", {layout::kSelectButton, layout::kZone1Box, layout::kSelectButton}, 17, 1},
    };
    for (const auto& c : cases) {
        Page p;
        QVERIFY(p.exposed);
        p.page.LoadRecord(Lighting(15, 1));
        for (const PlacedControl& place : c.clicks) {
            p.click(place);
        }
        ProfileRecord before = Lighting(15, 1);
        before.zoneColor2 = 0x123456;
        before.zoneColor3 = 0xABCDEF;
        const ProfileRecord after = p.stored(before);
        QVERIFY2(after.lightingMode == c.mode, c.name);
        QVERIFY2(after.lightingParam == c.param, c.name);
        QVERIFY2(after.zoneColor2 == 0x123456 && after.zoneColor3 == 0xABCDEF, c.name);
    }

    // A loaded record comes back as it was.
    for (const ProfileRecord& record :
         {Lighting(25, 20, kRecordRed, kRecordGreen), Lighting(16, 3), Lighting(0, 18)}) {
        Page p;
        p.page.LoadRecord(record);
        const ProfileRecord back = p.stored();
        QCOMPARE(back.lightingMode, record.lightingMode);
        QCOMPARE(back.lightingParam, record.lightingParam);
        QCOMPARE(back.zoneColor1, record.zoneColor1);
        QCOMPARE(back.zoneColor4, record.zoneColor4);
    }
}

void ColorSettingsDlgTest::zoneBoxesLightTheirZones() {
    Page p;
    QVERIFY(p.exposed);
    p.page.LoadRecord(Lighting(15, 1));
    p.click(layout::kSelectButton);
    QVERIFY(!p.preview().isLit(kWheel) && !p.preview().isLit(kLogo));
    p.click(layout::kZone4Box);
    QVERIFY(!p.preview().isLit(kWheel) && p.preview().isLit(kLogo));
    p.click(layout::kZone1Box);
    p.click(layout::kZone4Box);
    QVERIFY(p.preview().isLit(kWheel) && !p.preview().isLit(kLogo));
    p.click(layout::kOnButton);
    QVERIFY(p.preview().isLit(kWheel) && p.preview().isLit(kLogo));
    QVERIFY(!p.box(layout::kZone1Box).isVisible());
    p.click(layout::kOffButton);
    QVERIFY(!p.preview().isLit(kWheel) && !p.preview().isLit(kLogo));
}

void ColorSettingsDlgTest::colourEditsNormaliseAsTheUserTypes() {
    Page p;
    QVERIFY(p.exposed);
    p.page.LoadRecord(Lighting(15, 1, 0, 0));
    p.type(0, QStringLiteral("300"));
    QCOMPARE(p.edit(0).text(), QStringLiteral("255"));
    QCOMPARE(p.edit(0).cursorPosition(), 3);
    p.type(1, QStringLiteral("123"));
    QTest::keyClick(&p.edit(1), Qt::Key_4);
    QCOMPARE(p.edit(1).text(), QStringLiteral("234"));
    QCOMPARE(p.edit(1).cursorPosition(), 3);
    p.type(2, QStringLiteral("4x-2"));  // digits only
    QCOMPARE(p.edit(2).text(), QStringLiteral("42"));
    QCOMPARE(p.preview().workingColour(kWheel), qRgb(255, 234, 42));
    QCOMPARE(p.preview().workingColour(kLogo), qRgb(255, 234, 42));
    // An empty edit counts as 0.
    p.edit(2).clear();
    QCOMPARE(p.preview().workingColour(kLogo), qRgb(255, 234, 0));
}

void ColorSettingsDlgTest::colourEditsActOnlyWhileOn_data() {
    QTest::addColumn<int>("modeButton");
    QTest::addColumn<bool>("acts");
    QTest::newRow("ON") << 0 << true;
    QTest::newRow("OFF") << 1 << false;
    QTest::newRow("Select") << 2 << false;
}

void ColorSettingsDlgTest::colourEditsActOnlyWhileOn() {
    QFETCH(int, modeButton);
    QFETCH(bool, acts);
    Page p;
    QVERIFY(p.exposed);
    p.page.LoadRecord(Lighting(15, 1, kRecordGreen, kRecordGreen));
    p.click(layout::kOffButton);
    p.click(layout::kModeButtons[modeButton]);
    p.type(0, QStringLiteral("77"));
    p.type(2, QStringLiteral("9"));
    const QRgb expected = acts ? qRgb(77, 255, 9) : Opaque(kRecordGreen);
    QCOMPARE(p.preview().workingColour(kWheel), expected);
    QCOMPARE(p.preview().workingColour(kLogo), expected);
    const uint32_t kept = LightingColour::FromArgb(expected).recordForm();
    QCOMPARE(p.stored().zoneColor1, kept);
    QCOMPARE(p.stored().zoneColor4, kept);
    // Choosing ON later does not take the texts typed before.
    if (!acts) {
        p.click(layout::kOnButton);
        QCOMPARE(p.preview().workingColour(kWheel), expected);
    }
}

void ColorSettingsDlgTest::loadingKeepsEachZonesOwnColour() {
    Page p;
    QVERIFY(p.exposed);
    p.page.LoadRecord(Lighting(15, 1, kRecordRed, kRecordGreen));
    QCOMPARE(p.preview().workingColour(kWheel), Opaque(kRecordRed));
    QCOMPARE(p.preview().workingColour(kLogo), Opaque(kRecordGreen));
    QCOMPARE(p.edit(0).text(), QStringLiteral("0"));
    QCOMPARE(p.edit(1).text(), QStringLiteral("255"));
    QCOMPARE(p.stored().zoneColor1, kRecordRed);
    QCOMPARE(p.stored().zoneColor4, kRecordGreen);
    // Typing is what gives both zones the edits' colour.
    p.type(0, QStringLiteral("10"));
    QCOMPARE(p.preview().workingColour(kWheel), qRgb(10, 255, 0));
    QCOMPARE(p.preview().workingColour(kLogo), qRgb(10, 255, 0));
}

void ColorSettingsDlgTest::paletteAndSwatchesColourTheZones() {
    Page p;
    QVERIFY(p.exposed);
    p.page.LoadRecord(Lighting(16, 1));
    // The palette works in every mode and shows the colour's parts in the edits.
    p.click(layout::kPaletteButtons[7]);
    const PaletteColour picked = kLightingPalette[7];
    QCOMPARE(p.preview().workingColour(kWheel), picked.argb());
    QCOMPARE(p.preview().workingColour(kLogo), picked.argb());
    QCOMPARE(p.edit(0).text() + p.edit(1).text() + p.edit(2).text(), QStringLiteral("6025510"));

    // A swatch colours its own zone, for the preview and for the profile.
    p.pick(layout::kZone4Swatch, 13);
    QCOMPARE(p.preview().workingColour(kLogo), kLightingPalette[13].argb());
    QCOMPARE(p.preview().savedColour(kLogo), kLightingPalette[13].argb());
    QCOMPARE(p.preview().workingColour(kWheel), picked.argb());
    QCOMPARE(p.stored().zoneColor4, kLightingPalette[13].recordForm());

    // Leaving Select closes an open panel with its swatch.
    p.click(layout::kZone1Swatch);
    CColorPanel* panel = p.control<CVokCbnColorButton>(layout::kZone1Swatch).panel();
    QVERIFY(panel->isVisible());
    p.click(layout::kOnButton);
    QVERIFY(!panel->isVisible());
}

void ColorSettingsDlgTest::colourShiftStoresTheColoursFromBefore() {
    Page p;
    QVERIFY(p.exposed);
    p.page.LoadRecord(Lighting(15, 1, kRecordRed, kRecordRed));
    p.click(layout::kColorShiftButton);
    QVERIFY(p.preview().isCyclingColours());
    QVERIFY(!p.button(layout::kPaletteButtons[0]).isEnabled());
    for (int i = 0; i < 5; ++i) {
        p.preview().cycleColours();
    }
    QCOMPARE(p.preview().workingColour(kWheel), p.animation.cycleColour().argb());
    QCOMPARE(p.preview().workingColour(kLogo), p.animation.cycleColour().argb());
    QCOMPARE(p.stored().zoneColor1, kRecordRed);
    QCOMPARE(p.stored().lightingParam, 17);

    // Choosing Color Shift again does not take the cycling colour for the saved one.
    p.click(layout::kColorShiftButton);
    QCOMPARE(p.stored().zoneColor4, kRecordRed);

    // A swatch's colour is kept while the colour cycles.
    p.click(layout::kSelectButton);
    p.pick(layout::kZone4Swatch, 6);
    p.preview().cycleColours();
    QCOMPARE(p.stored().zoneColor1, kRecordRed);
    QCOMPARE(p.stored().zoneColor4, kLightingPalette[6].recordForm());

    p.click(layout::kSolidColorButton);
    QVERIFY(!p.preview().isCyclingColours());
    QVERIFY(p.button(layout::kPaletteButtons[0]).isEnabled());
    QCOMPARE(p.preview().workingColour(kWheel), Opaque(kRecordRed));
    QCOMPARE(p.preview().workingColour(kLogo), kLightingPalette[6].argb());
    QCOMPARE(p.stored().lightingParam, 1);
}

void ColorSettingsDlgTest::breathingThenBlinkingGoesOnFromTheSharedCounter() {
    Page p;
    QVERIFY(p.exposed);
    p.page.LoadRecord(Lighting(15, 1, kRecordGreen, kRecordGreen));
    p.click(layout::kBreathingButton);
    QVERIFY(p.preview().isAnimating());
    QCOMPARE(p.preview().animationIntervalMs(), 100);
    for (int i = 0; i < 3; ++i) {
        p.preview().animate();
    }
    QCOMPARE(p.animation.counter(), 230);
    QCOMPARE(p.preview().workingColour(kWheel), qRgba(0, 255, 0, 230));
    QCOMPARE(p.preview().workingColour(kLogo), qRgba(0, 255, 0, 230));

    p.click(layout::kBlinkingButton);
    QCOMPARE(p.preview().animationIntervalMs(), 1000);
    p.preview().animate();  // 230 is even: dark
    QCOMPARE(qAlpha(p.preview().workingColour(kWheel)), 0);
    QCOMPARE(p.animation.counter(), 231);
    p.preview().animate();
    QCOMPARE(qAlpha(p.preview().workingColour(kLogo)), 255);

    // The colour cycle keeps the effect's brightness.
    p.preview().animate();
    p.click(layout::kColorShiftButton);
    p.preview().cycleColours();
    QCOMPARE(qAlpha(p.preview().workingColour(kLogo)), 0);

    p.click(layout::kSolidButton);
    QVERIFY(!p.preview().isAnimating());
    QCOMPARE(qAlpha(p.preview().workingColour(kWheel)), 255);
    QCOMPARE(qAlpha(p.preview().workingColour(kLogo)), 255);
}

void ColorSettingsDlgTest::nothingRunsWhileThePreviewIsOffTheScreen() {
    Page p;
    QVERIFY(p.exposed);
    p.page.LoadRecord(Lighting(16, 4 + 16));
    p.click(layout::kZone1Swatch);
    CColorPanel* panel = p.control<CVokCbnColorButton>(layout::kZone1Swatch).panel();
    QVERIFY(panel->isChecking());
    const auto running = [&] {
        return int{p.preview().isAnimating()} + int{p.preview().isCyclingColours()} +
               int{panel->isChecking()};
    };
    QCOMPARE(running(), 3);

    p.page.hide();
    QCOMPARE(running(), 0);
    QVERIFY(!panel->isVisible());
    const LightingPreviewLook before = p.preview().look();
    const int64_t counter = p.animation.counter();
    p.preview().animate();
    p.preview().cycleColours();
    QCOMPARE(p.preview().workingColour(kWheel), before[kWheel].colour);
    QCOMPARE(p.animation.counter(), counter);
    // A load while hidden restarts nothing either.
    p.page.LoadRecord(Lighting(15, 2 + 16));
    QCOMPARE(running(), 0);

    p.page.show();
    QCOMPARE(running(), 2);
    QVERIFY(p.preview().isAnimating() && p.preview().isCyclingColours());

    p.page.setWindowState(Qt::WindowMinimized);
    QCOMPARE(running(), 0);
    p.page.setWindowState(Qt::WindowNoState);
    QCOMPARE(running(), 2);
}

void ColorSettingsDlgTest::onlyThePreviewRepaintsAsItAnimates() {
    Page p;
    QVERIFY(p.exposed);
    p.page.LoadRecord(Lighting(15, 4));
    PaintCounter page(p.page);
    PaintCounter preview(p.preview());
    QCoreApplication::processEvents();
    page.count = 0;
    preview.count = 0;
    p.preview().animate();
    QCoreApplication::processEvents();
    QCOMPARE(page.count, 0);
    QCOMPARE(preview.count, 1);
}

void ColorSettingsDlgTest::enterStoresThePageIntoTheCurrentRecord() {
    Page p;
    QVERIFY(p.exposed);
    ProfileRecord current = Lighting(0, 0);
    ProfileRecord* currentRecord = &current;
    p.page.setCurrentRecordSource([&] { return currentRecord; });
    p.page.LoadRecord(current);
    p.click(layout::kOnButton);
    p.click(layout::kPaletteButtons[19]);
    QCOMPARE(current.lightingMode, 0);
    p.type(1, QStringLiteral("40"));
    Press(p.page, Qt::Key_Return);
    QCOMPARE(current.lightingMode, 15);
    QCOMPARE(current.zoneColor1, (LightingColour{255, 40, 10}.recordForm()));

    // With the focus on a button, and with no record to store into.
    p.click(layout::kPulsatingButton);
    QCOMPARE(QApplication::focusWidget(), &p.button(layout::kPulsatingButton));
    Press(p.page, Qt::Key_Enter);
    QCOMPARE(current.lightingParam, 3);
    currentRecord = nullptr;
    Press(p.page, Qt::Key_Return);
}

void ColorSettingsDlgTest::aPaletteColourPickedWithTheMouseReachesTheImage() {
    Page p;
    QVERIFY(p.exposed);
    ProfileRecord record;
    p.page.LoadRecord(record);
    p.click(layout::kPaletteButtons[2]);
    const PaletteColour picked = kLightingPalette[2];

    // The preview shows it through the picture's see-through shapes.
    const QImage page = p.page.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage mouse = Skin().element(layout::kPreview.element, SkinState::Normal);
    int seen = 0;
    for (const LayoutRect& zone : {layout::kPreviewZone1, layout::kPreviewZone4}) {
        for (int y = zone.top(); y < zone.bottom(); ++y) {
            for (int x = zone.left(); x < zone.right(); ++x) {
                if (qAlpha(mouse.pixel(x, y)) == 0) {
                    ++seen;
                    QCOMPARE(page.pixel(layout::kPreview.rect.x + x, layout::kPreview.rect.y + y),
                             picked.argb());
                }
            }
        }
    }
    QVERIFY(seen > 100);

    p.page.StoreRecord(record);
    DeviceProfile device;
    PackProfile(record, device);
    ConfigImage image{};
    EncodeImage(device, image);
    const std::vector<uint8_t> zone{image.begin() + 23, image.begin() + 31};
    QCOMPARE(zone, (std::vector<uint8_t>{255, 60, 0, 1, 255, 60, 0, 1}));
}

}  // namespace tavro

QTEST_MAIN(tavro::ColorSettingsDlgTest)
#include "color_settings_dlg_test.moc"
