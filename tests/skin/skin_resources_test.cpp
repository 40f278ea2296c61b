#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

#include "bmp_fixtures.h"
#include "skin/skin_folder.h"
#include "skin/skin_image_file.h"
#include "skin/skin_resources.h"

namespace tavro {
namespace {

using test::BmpFixture;
using test::BmpVariant;

// Each fixture sheet is filled with a colour that names its slot.
QRgb SlotColour(int slot) {
    return qRgb(slot * 4, 255 - slot * 4, 90);
}

constexpr int kSheetWidth = 40;
constexpr int kSheetHeight = 30;

std::filesystem::path PathOf(const QTemporaryDir& dir, std::string_view name) {
    return std::filesystem::path(dir.path().toStdString()) / name;
}

void WriteBytes(const std::filesystem::path& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path.string()));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A complete small skin: every sheet as 24-bit BMP, Mouse.png with alpha.
void WriteSkin(const QTemporaryDir& dir) {
    for (int slot = 0; slot < kSkinFileCount; ++slot) {
        const bool png = static_cast<SkinFile>(slot) == SkinFile::MousePicture;
        QImage image(kSheetWidth, kSheetHeight, png ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        image.fill(SlotColour(slot));
        if (png) {
            image.setPixel(0, 0, qRgba(0, 0, 0, 0));
        }
        const QString path = QString::fromStdString(PathOf(dir, kSkinFileNames[slot]).string());
        QVERIFY(image.save(path, png ? "PNG" : "BMP"));
    }
}

struct Failures {
    std::vector<std::string> messages;
    SkinResources::FailureHandler handler() {
        return [this](const char* message) { messages.emplace_back(message); };
    }
};

QRgb SlotOf(const QImage& image) {
    return image.pixel(image.width() / 2, image.height() / 2);
}

}  // namespace

class SkinResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void readsEachFileOnItsFirstRequestOnly();
    void cutsTheCallersRectangleFromTheStatesSheet();
    void scrollLooksComeFromTheDownAndOverSheets();
    void elementsOutsideTheCatalogueFail();
    void sharedElementsAreTheLoadedImageAndCopiesAreNew();
    void missingOverSheetFailsTheHoverCutOnly();
    void zeroByteFileLeavesItsSlotEmpty();
    void failedFileIsNotReadAgain();
    void cutsKeepTheSheetsFormatAndAlpha();
    void decodesEveryBmpVariant();
    void skinFolderPrefersTheOneBesideTheProgram();
};

void SkinResourcesTest::readsEachFileOnItsFirstRequestOnly() {
    QTemporaryDir dir;
    WriteSkin(dir);
    SkinResources skin(dir.path().toStdString());
    QVERIFY(!skin.isRead(SkinFile::SupportNormal));
    QCOMPARE(SlotOf(skin.image(SkinFile::SupportNormal)), SlotColour(int(SkinFile::SupportNormal)));
    QVERIFY(skin.isRead(SkinFile::SupportNormal));
    // A cut reads only the sheet it cuts from.
    QVERIFY(!skin.element(2, SkinState::Over, QRect(0, 0, 4, 4)).isNull());
    QVERIFY(skin.isRead(SkinFile::MainOver));
    QVERIFY(!skin.isRead(SkinFile::MainNormal));
    QVERIFY(!skin.isRead(SkinFile::AssignKeyNormal));
    for (int slot = 0; slot < kSkinFileCount; ++slot) {
        QCOMPARE(SlotOf(skin.image(static_cast<SkinFile>(slot))), SlotColour(slot));
    }
    // Loaded images live on: a file removed afterwards changes nothing.
    QVERIFY(QFile::remove(QString::fromStdString(PathOf(dir, "Main_Normal.bmp").string())));
    QVERIFY(!skin.element(0, SkinState::Normal).isNull());
}

void SkinResourcesTest::cutsTheCallersRectangleFromTheStatesSheet() {
    QTemporaryDir dir;
    WriteSkin(dir);
    SkinResources skin(dir.path().toStdString());
    Failures failures;
    skin.setFailureHandler(failures.handler());
    const QRect rect(3, 4, 10, 7);
    const struct {
        int element;
        SkinState state;
        SkinFile sheet;
    } rows[] = {
        {2, SkinState::Over, SkinFile::MainOver},
        {48, SkinState::Disable, SkinFile::MouseSettingDisable},
        {61, SkinState::Down, SkinFile::SensorDown},
        {73, SkinState::Normal, SkinFile::ColorSettingNormal},
        {116, SkinState::Over, SkinFile::MacroSettingOver},
        {124, SkinState::Down, SkinFile::SupportDown},
        {160, SkinState::Over, SkinFile::SensorSqat2Over},
        {173, SkinState::Disable, SkinFile::AssignKeyDisable},
        {175, SkinState::Over, SkinFile::FileWarnOver},
    };
    for (const auto& row : rows) {
        const QImage cut = skin.element(row.element, row.state, rect);
        QCOMPARE(cut.size(), rect.size());
        QCOMPARE(SlotOf(cut), SlotColour(int(row.sheet)));
    }
    QVERIFY(failures.messages.empty());
}

void SkinResourcesTest::scrollLooksComeFromTheDownAndOverSheets() {
    QTemporaryDir dir;
    WriteSkin(dir);
    SkinResources skin(dir.path().toStdString());
    Failures failures;
    skin.setFailureHandler(failures.handler());
    const QRect thumb(0, 5, 12, 12);
    QCOMPARE(SlotOf(skin.element(136, SkinState::Normal, thumb)),
             SlotColour(int(SkinFile::ScrollDown)));
    QCOMPARE(SlotOf(skin.element(137, SkinState::Over, thumb)),
             SlotColour(int(SkinFile::ScrollOver)));
    QCOMPARE(SlotOf(skin.element(135, SkinState::Normal)), SlotColour(int(SkinFile::ScrollNormal)));
    QVERIFY(failures.messages.empty());
    QVERIFY(skin.element(136, SkinState::Down, thumb).isNull());
    QCOMPARE(failures.messages, std::vector<std::string>{"ui load failed!"});
}

void SkinResourcesTest::elementsOutsideTheCatalogueFail() {
    QTemporaryDir dir;
    WriteSkin(dir);
    SkinResources skin(dir.path().toStdString());
    Failures failures;
    skin.setFailureHandler(failures.handler());
    const QRect rect(0, 0, 5, 5);
    QVERIFY(!skin.element(59, SkinState::Normal, rect).isNull());
    QVERIFY(!skin.element(61, SkinState::Normal, rect).isNull());
    QVERIFY(!skin.failed());
    for (int number : {30, 31, 39, 40, 60, 177, 500}) {
        QVERIFY2(skin.element(number, SkinState::Normal, rect).isNull(),
                 qPrintable(QString::number(number)));
    }
    QVERIFY(skin.element(147, SkinState::Disable, rect).isNull());  // three-state pop-up
    QCOMPARE(failures.messages.size(), size_t(8));
    QVERIFY(skin.failed());
    QCOMPARE(skin.failureCount(), 8);
}

void SkinResourcesTest::sharedElementsAreTheLoadedImageAndCopiesAreNew() {
    QTemporaryDir dir;
    WriteSkin(dir);
    SkinResources skin(dir.path().toStdString());
    const QImage shared1 = skin.element(49, SkinState::Normal);
    const QImage shared2 = skin.element(49, SkinState::Normal);
    QCOMPARE(shared1.cacheKey(), skin.image(SkinFile::SensorNormal).cacheKey());
    QCOMPARE(shared2.cacheKey(), shared1.cacheKey());

    const QImage copy1 = skin.element(0, SkinState::Normal);
    const QImage copy2 = skin.element(0, SkinState::Normal);
    QVERIFY(copy1.cacheKey() != copy2.cacheKey());
    QVERIFY(copy1.cacheKey() != skin.image(SkinFile::MainNormal).cacheKey());
    QCOMPARE(copy1, skin.image(SkinFile::MainNormal));
    QCOMPARE(copy2, copy1);
}

void SkinResourcesTest::missingOverSheetFailsTheHoverCutOnly() {
    QTemporaryDir dir;
    WriteSkin(dir);
    QVERIFY(QFile::remove(QString::fromStdString(PathOf(dir, "Sensor_Over.bmp").string())));
    SkinResources skin(dir.path().toStdString());
    Failures failures;
    skin.setFailureHandler(failures.handler());
    const QRect box(35, 73, 16, 17);
    QVERIFY(!skin.element(50, SkinState::Normal, box).isNull());
    QVERIFY(failures.messages.empty());
    QVERIFY(skin.element(50, SkinState::Over, box).isNull());
    QCOMPARE(failures.messages, std::vector<std::string>{"ui load failed!"});
    QVERIFY(skin.failed());
    QVERIFY(skin.image(SkinFile::SensorOver).isNull());
    // A direct cut from the empty sheet fails the same way.
    QVERIFY(skin.cut(skin.image(SkinFile::SensorOver), box).isNull());
    QCOMPARE(failures.messages.size(), size_t(2));
}

void SkinResourcesTest::zeroByteFileLeavesItsSlotEmpty() {
    QTemporaryDir dir;
    WriteSkin(dir);
    WriteBytes(PathOf(dir, "ColorPanel.bmp"), {});
    WriteBytes(PathOf(dir, "Support_Normal.bmp"), {});
    QVERIFY(LoadImageFile(PathOf(dir, "ColorPanel.bmp")).isNull());
    SkinResources skin(dir.path().toStdString());
    Failures failures;
    skin.setFailureHandler(failures.handler());
    QVERIFY(skin.image(SkinFile::ColorPanel).isNull());
    // A copy or shared element of an empty slot is simply no picture …
    QVERIFY(skin.element(139, SkinState::Normal).isNull());
    QVERIFY(skin.element(123, SkinState::Normal).isNull());
    QVERIFY(failures.messages.empty());
    // … a cut from it is a failure.
    QVERIFY(skin.element(124, SkinState::Normal, QRect(0, 0, 4, 4)).isNull());
    QCOMPARE(failures.messages.size(), size_t(1));
    QCOMPARE(SlotOf(skin.image(SkinFile::Slider1)), SlotColour(int(SkinFile::Slider1)));
}

void SkinResourcesTest::failedFileIsNotReadAgain() {
    QTemporaryDir dir;
    WriteSkin(dir);
    const std::filesystem::path over = PathOf(dir, "Main_Over.bmp");
    const QByteArray bytes = [&] {
        QFile file(QString::fromStdString(over.string()));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    QVERIFY(QFile::remove(QString::fromStdString(over.string())));
    SkinResources skin(dir.path().toStdString());
    skin.setFailureHandler([](const char*) {});
    QVERIFY(skin.image(SkinFile::MainOver).isNull());
    WriteBytes(over, bytes);
    QVERIFY(skin.image(SkinFile::MainOver).isNull());
    QVERIFY(skin.element(3, SkinState::Over, QRect(0, 0, 4, 4)).isNull());
}

void SkinResourcesTest::cutsKeepTheSheetsFormatAndAlpha() {
    QTemporaryDir dir;
    WriteSkin(dir);
    WriteBytes(PathOf(dir, "Sensor_Down.bmp"), BmpFixture(BmpVariant::Palette8));
    WriteBytes(PathOf(dir, "Sensor_Over.bmp"), BmpFixture(BmpVariant::Argb32));
    SkinResources skin(dir.path().toStdString());
    const QRect right(4, 0, 4, 4);
    const QImage indexed = skin.element(56, SkinState::Down, right);
    QCOMPARE(indexed.format(), QImage::Format_Indexed8);
    QCOMPARE(indexed.pixel(0, 0), qRgb(0, 0, 255));
    const QImage alpha = skin.element(56, SkinState::Over, right);
    QVERIFY(alpha.hasAlphaChannel());
    QCOMPARE(qAlpha(alpha.pixel(1, 1)), 0x80);
    const QImage mouse = skin.element(113, SkinState::Normal);
    QVERIFY(mouse.hasAlphaChannel());
    QCOMPARE(qAlpha(mouse.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(mouse.pixel(1, 1)), 255);
}

void SkinResourcesTest::decodesEveryBmpVariant() {
    struct Row {
        const char* name;
        BmpVariant variant;
        QRgb red;
        QRgb green;
        QRgb blue;
        int alpha;
    };
    // Qt widens 5- and 6-bit channels by shifting: 0xF8 and 0xFC at full strength.
    const Row rows[] = {
        {"1-bit", BmpVariant::Palette1, qRgb(255, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255), 255},
        {"4-bit", BmpVariant::Palette4, qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), 255},
        {"8-bit", BmpVariant::Palette8, qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), 255},
        {"RLE8", BmpVariant::Rle8, qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), 255},
        {"565", BmpVariant::Rgb565, qRgb(0xF8, 0, 0), qRgb(0, 0xFC, 0), qRgb(0, 0, 0xF8), 255},
        {"24-bit", BmpVariant::Rgb24, qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), 255},
        {"32-bit alpha", BmpVariant::Argb32, qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
         0x80},
    };
    QTemporaryDir dir;
    for (const Row& row : rows) {
        const std::filesystem::path path = PathOf(dir, std::string(row.name) + ".bmp");
        WriteBytes(path, BmpFixture(row.variant));
        const QImage image = LoadImageFile(path);
        QVERIFY2(!image.isNull(), row.name);
        QCOMPARE(image.size(), QSize(test::kFixtureWidth, test::kFixtureHeight));
        const auto rgb = [&](int x, int y) { return image.pixel(x, y) | 0xFF000000u; };
        QCOMPARE(rgb(0, 0), row.green);
        QCOMPARE(rgb(1, 3), row.red);
        QCOMPARE(rgb(7, 3), row.blue);
        QCOMPARE(qAlpha(image.pixel(7, 3)), row.alpha);
    }
    QVERIFY(LoadImageFile(PathOf(dir, "absent.bmp")).isNull());
    WriteBytes(PathOf(dir, "garbage.bmp"), QByteArray("BM not an image at all"));
    QVERIFY(LoadImageFile(PathOf(dir, "garbage.bmp")).isNull());
}

void SkinResourcesTest::skinFolderPrefersTheOneBesideTheProgram() {
    QTemporaryDir dir;
    const std::filesystem::path root = dir.path().toStdString();
    const std::filesystem::path program = root / "prefix" / "bin";
    const std::filesystem::path installed = root / "elsewhere" / "share" / "tavro";
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(installed / "TAVRO_Skins");
    QCOMPARE(QString::fromStdString(ChooseSkinFolder(program, installed).string()),
             QString::fromStdString((installed / "TAVRO_Skins").string()));
    std::filesystem::create_directories(root / "prefix" / "share" / "tavro" / "TAVRO_Skins");
    QCOMPARE(QString::fromStdString(ChooseSkinFolder(program, installed).string()),
             QString::fromStdString((program.parent_path() / "share/tavro/TAVRO_Skins").string()));
    std::filesystem::create_directories(program / "TAVRO_Skins");
    QCOMPARE(QString::fromStdString(ChooseSkinFolder(program, installed).string()),
             QString::fromStdString((program / "TAVRO_Skins").string()));
    QCOMPARE(QString::fromStdString(ChooseSkinFolder(root / "none", root / "nothing").string()),
             QString::fromStdString((root / "none" / "TAVRO_Skins").string()));
}

}  // namespace tavro

QTEST_MAIN(tavro::SkinResourcesTest)
#include "skin_resources_test.moc"
