// Checks the skin the build generated against the layout tables it must match.
#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QTest>

#include <string>
#include <vector>

#include "app/main_window_layout.h"
#include "buttons/popup_layout.h"
#include "lighting/color_panel_layout.h"
#include "lighting/lighting_layout.h"
#include "lighting/lighting_palette.h"
#include "macros/rename_layout.h"
#include "skin/skin_fonts.h"
#include "skin/skin_image_file.h"
#include "skin/skin_resources.h"

namespace tavro {

class GeneratedSkinTest : public QObject {
    Q_OBJECT

private slots:
    void everyFileLoadsAtItsSize();
    void everyPictureHasATwiceAsLargeTwin();
    void previewMouseIsClearExactlyInTheZones();
    void colourPanelCellsShowThePalette();
    void fontAnswersToItsFaceName();

private:
    SkinResources skin_{TAVRO_SKIN_DIR};
};

void GeneratedSkinTest::everyFileLoadsAtItsSize() {
    const QSize page(main_window_layout::kPageWidth, main_window_layout::kPageHeight);
    for (int slot = 0; slot < kSkinFileCount; ++slot) {
        QVERIFY2(!skin_.image(static_cast<SkinFile>(slot)).isNull(), kSkinFileNames[slot].data());
    }
    QCOMPARE(skin_.image(SkinFile::MainDisable).size(), QSize(800, 600));
    for (SkinFile file :
         {SkinFile::MouseSettingOver, SkinFile::SensorDown, SkinFile::ColorSettingBackground,
          SkinFile::MacroSettingDisable, SkinFile::SupportNormal}) {
        QCOMPARE(skin_.image(file).size(), page);
    }
    QCOMPARE(skin_.image(SkinFile::ReNameOver).size(),
             QSize(rename_layout::kDialog.width, rename_layout::kDialog.height));
    const LayoutRect key = popup_layout::FindMode(popup_layout::kAssignKey)->dialog;
    QCOMPARE(skin_.image(SkinFile::AssignKeyDisable).size(), QSize(key.width, key.height));
    const LayoutRect warning = popup_layout::FindMode(popup_layout::kFileWarning)->dialog;
    QCOMPARE(skin_.image(SkinFile::FileWarnOver).size(), QSize(warning.width, warning.height));
    QVERIFY(skin_.image(SkinFile::Slider1).hasAlphaChannel());
    for (int level = 0; level < kSurfaceLevelCount; ++level) {
        const QImage picture = LoadImageFile(skin_.folder() / SurfacePictureName(level));
        QCOMPARE(picture.size(), QSize(96, 49));
    }
    for (int index = 0; index < kMotionPictureCount; ++index) {
        QCOMPARE(LoadImageFile(skin_.folder() / MotionPictureName(index)).size(), QSize(196, 95));
    }
    QVERIFY(!skin_.failed());
}

void GeneratedSkinTest::everyPictureHasATwiceAsLargeTwin() {
    std::vector<std::string> names(kSkinFileNames.begin(), kSkinFileNames.end());
    for (int level = 0; level < kSurfaceLevelCount; ++level) {
        names.push_back(SurfacePictureName(level));
    }
    for (int index = 0; index < kMotionPictureCount; ++index) {
        names.push_back(MotionPictureName(index));
    }
    for (const std::string& name : names) {
        const QImage single = LoadImageFile(skin_.folder() / name);
        const QImage twice = LoadImageFile(skin_.folder() / ScaledFileName(name, kHiDpiScale));
        QVERIFY2(!twice.isNull(), name.c_str());
        QCOMPARE(twice.size(), single.size() * kHiDpiScale);
        QCOMPARE(twice.hasAlphaChannel(), single.hasAlphaChannel());
    }
}

void GeneratedSkinTest::previewMouseIsClearExactlyInTheZones() {
    const LayoutRect preview = lighting_layout::kPreview.rect;
    const std::string name(SkinFileName(SkinFile::MousePicture));
    for (int scale : {1, kHiDpiScale}) {
        const QImage mouse = LoadImageFile(skin_.folder() / ScaledFileName(name, scale));
        QCOMPARE(mouse.size(), QSize(preview.width, preview.height) * scale);
        QVERIFY(mouse.hasAlphaChannel());
        // Pixels of the zones' colours that show through by half or more; the wheel's
        // ridges lie over its light.
        int through[2] = {0, 0};
        for (int y = 0; y < mouse.height(); ++y) {
            for (int x = 0; x < mouse.width(); ++x) {
                const int alpha = qAlpha(mouse.pixel(x, y));
                if (lighting_layout::kPreviewZone1.contains(x / scale, y / scale)) {
                    through[0] += alpha <= 128;
                } else if (lighting_layout::kPreviewZone4.contains(x / scale, y / scale)) {
                    through[1] += alpha <= 128;
                } else {
                    QVERIFY2(alpha == 255, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                }
            }
        }
        const int area = scale * scale;
        QVERIFY2(through[0] > 40 * area, qPrintable(QString::number(through[0])));
        QVERIFY2(through[1] > 120 * area, qPrintable(QString::number(through[1])));
    }
}

void GeneratedSkinTest::colourPanelCellsShowThePalette() {
    const QImage panel = skin_.image(SkinFile::ColorPanel);
    const LayoutRect bounds = color_panel_layout::kPanel;
    QCOMPARE(panel.size(), QSize(bounds.width, bounds.height));
    for (int i = 0; i < 20; ++i) {
        const LayoutRect cell = color_panel_layout::kCells[i];
        const PaletteColour& colour = kLightingPalette[i];
        QCOMPARE(panel.pixel(cell.centerX(), cell.centerY()),
                 qRgb(colour.red, colour.green, colour.blue));
    }
}

void GeneratedSkinTest::fontAnswersToItsFaceName() {
    QVERIFY(RegisterSkinFont(skin_.folder()));
    QVERIFY(RegisterSkinFont(skin_.folder()));
    QCOMPARE(QFontInfo(SkinFont(13)).family(), QStringLiteral("Inter"));
    const QString arial = QFontInfo(ControlFont(15)).family();
    QVERIFY2(arial == QLatin1String("Arial") || arial == QLatin1String("Liberation Sans"),
             qPrintable(arial));
}

}  // namespace tavro

QTEST_MAIN(tavro::GeneratedSkinTest)
#include "generated_skin_test.moc"
