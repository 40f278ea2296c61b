// The skin on a screen with twice the pixel density: the 2× set is loaded, cut in page
// pixels scaled by two, falls back to the 1× file where a 2× one is missing, and is
// drawn one image pixel to one screen pixel.
#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <string>

#include "sensor/vok_slider_ctrl.h"
#include "skin/skin_resources.h"
#include "skin/vok_button.h"
#include "skin/vok_image_dialog.h"
#include "tests/support/control_pictures.h"

namespace tavro {
namespace {

constexpr QSize kSheet(40, 30);

// The 1× sheets are green, the 2× sheets blue, both with a one-pixel checkerboard.
QImage Checkered(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, (x + y) % 2 == 0 ? colour : 0xFF000000);
        }
    }
    return image;
}

constexpr QRgb kSingle = 0xFF00FF00;
constexpr QRgb kDouble = 0xFF0000FF;

std::filesystem::path PathOf(const QTemporaryDir& dir, const std::string& name) {
    return std::filesystem::path(dir.path().toStdString()) / name;
}

bool Save(const QImage& image, const std::filesystem::path& path) {
    return image.save(QString::fromStdString(path.string()), "BMP");
}

// Every catalogue file at 1× and 2×, except the 2× file of MainOver; and 0.bmp.
bool WriteSkin(const QTemporaryDir& dir) {
    for (std::string_view name : kSkinFileNames) {
        const std::string file(name);
        if (!Save(Checkered(kSheet, kSingle), PathOf(dir, file))) {
            return false;
        }
        if (name != SkinFileName(SkinFile::MainOver) &&
            !Save(Checkered(kSheet * 2, kDouble), PathOf(dir, ScaledFileName(file, 2)))) {
            return false;
        }
    }
    return Save(Checkered(QSize(96, 49), kSingle), PathOf(dir, SurfacePictureName(0))) &&
           Save(Checkered(QSize(192, 98), kDouble),
                PathOf(dir, ScaledFileName(SurfacePictureName(0), 2)));
}

}  // namespace

class SkinHiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(WriteSkin(dir_));
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    }
    void theScreensRatioChoosesTheTwiceAsLargeSet();
    void aMissingTwiceAsLargeFileFallsBackToItsOwn();
    void controlsTakeLogicalSizesAndDrawPixelForPixel();

private:
    QTemporaryDir dir_;
};

void SkinHiDpiTest::theScreensRatioChoosesTheTwiceAsLargeSet() {
    SkinResources skin(dir_.path().toStdString());
    skin.setFailureHandler([](const char*) { QFAIL("no failure expected"); });
    QCOMPARE(skin.pixelRatio(), 2);
    const QImage& sheet = skin.image(SkinFile::SensorDown);
    QCOMPARE(sheet.size(), kSheet * 2);
    QCOMPARE(sheet.devicePixelRatio(), 2.0);
    QCOMPARE(LogicalSize(sheet), kSheet);

    const QRect rect(3, 4, 10, 7);
    const QImage cut = skin.element(61, SkinState::Down, rect);
    QCOMPARE(cut.size(), rect.size() * 2);
    QCOMPARE(cut.devicePixelRatio(), 2.0);
    QCOMPARE(LogicalSize(cut), rect.size());
    // Taken from (6, 8) of the 2× sheet: its first pixel is a coloured one.
    QCOMPARE(cut.pixel(0, 0), kDouble);
    QCOMPARE(cut.pixel(1, 0), 0xFF000000);

    const QImage picture = skin.picture(SurfacePictureName(0));
    QCOMPARE(picture.size(), QSize(192, 98));
    QCOMPARE(LogicalSize(picture), QSize(96, 49));
}

void SkinHiDpiTest::aMissingTwiceAsLargeFileFallsBackToItsOwn() {
    SkinResources skin(dir_.path().toStdString());
    skin.setFailureHandler([](const char*) { QFAIL("no failure expected"); });
    const QImage& sheet = skin.image(SkinFile::MainOver);
    QCOMPARE(sheet.size(), kSheet);
    QCOMPARE(sheet.devicePixelRatio(), 1.0);
    const QImage cut = skin.element(2, SkinState::Over, QRect(3, 4, 10, 7));
    QCOMPARE(cut.size(), QSize(10, 7));
    QCOMPARE(cut.pixel(1, 0), kSingle);
    // The other sheets of the same set still come from the 2× files.
    QCOMPARE(skin.element(2, SkinState::Normal, QRect(3, 4, 10, 7)).size(), QSize(20, 14));
}

void SkinHiDpiTest::controlsTakeLogicalSizesAndDrawPixelForPixel() {
    SkinResources skin(dir_.path().toStdString());
    CVokImageDialog page;
    page.setBackground(skin.image(SkinFile::SupportNormal));
    QCOMPARE(page.size(), kSheet);

    CVokButton button(1086, &page);
    const QRect rect(4, 6, 20, 10);
    button.setGeometry(rect);
    button.setImages({skin.element(124, SkinState::Normal, rect),
                      skin.element(124, SkinState::Over, rect),
                      skin.element(124, SkinState::Down, rect), QImage()});
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const QImage shown = button.grab().toImage();
    QCOMPARE(shown.size(), rect.size() * 2);
    for (int x = 0; x < 6; ++x) {
        QCOMPARE(shown.pixel(x, 3), (x + 3) % 2 == 0 ? kDouble : 0xFF000000);
    }

    CVokSliderCtrl slider(1024, &page);
    slider.setGeometry(0, 0, 288, 17);
    slider.setImages(Solid(288, 17, 0xFF202020), skin.element(130, SkinState::Normal),
                     skin.element(130, SkinState::Normal), QImage());
    QCOMPARE(slider.thumbRect().size(), kSheet);
}

}  // namespace tavro

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    tavro::SkinHiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "skin_hidpi_test.moc"
