// The preview's drawing, rendered to images without a window.
#include <QImage>
#include <QPainter>
#include <QTest>

#include <functional>

#include "lighting/lighting_layout.h"
#include "lighting/lighting_preview_painter.h"
#include "skin/skin_resources.h"

namespace tavro {

namespace {

constexpr LayoutRect kPreview = lighting_layout::kPreview.rect;
constexpr QRgb kBlack = 0xFF000000;

QImage Render(const LightingPreviewLook& look, const LightingPreviewPicture& picture,
              QSize size = QSize(kPreview.width, kPreview.height)) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintLightingPreview(painter, image.rect(), look, picture);
    return image;
}

LightingPreviewLook Look(QRgb wheel, bool wheelLit, QRgb logo, bool logoLit) {
    LightingPreviewLook look;
    look[PreviewZone::ScrollWheel] = {wheel, wheelLit};
    look[PreviewZone::LogoType] = {logo, logoLit};
    return look;
}

// A colour with alpha as it shows over black.
QRgb OverBlack(QRgb argb) {
    const QRgb premultiplied = qPremultiply(argb);
    return qRgb(qRed(premultiplied), qGreen(premultiplied), qBlue(premultiplied));
}

bool Near(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) <= 1 && qAbs(qGreen(a) - qGreen(b)) <= 1 &&
           qAbs(qBlue(a) - qBlue(b)) <= 1 && qAlpha(a) == qAlpha(b);
}

QString At(int x, int y, QRgb got, QRgb expected) {
    return QStringLiteral("(%1,%2): %3, expected %4")
        .arg(x)
        .arg(y)
        .arg(got, 8, 16)
        .arg(expected, 8, 16);
}

// Calls `check` for every pixel of the zone's rectangle that `mouse` lets fully through.
int ForEachSeeThroughPixel(const QImage& mouse, PreviewZone zone,
                           const std::function<void(int x, int y)>& check) {
    const LayoutRect rect = PreviewZoneRect(zone);
    int count = 0;
    for (int y = rect.top(); y < rect.bottom(); ++y) {
        for (int x = rect.left(); x < rect.right(); ++x) {
            if (qAlpha(mouse.pixel(x, y)) == 0) {
                check(x, y);
                ++count;
            }
        }
    }
    return count;
}

}  // namespace

class LightingPreviewPainterTest : public QObject {
    Q_OBJECT

private slots:
    void seeThroughPixelsShowTheWorkingColours_data();
    void seeThroughPixelsShowTheWorkingColours();
    void theZonesLightNothingOutsideTheirRectangles();
    void anyPictureLightsItsShapesAndGlowsSoftlyAroundThem();
    void aLargerPictureOrTargetStillLinesUp();

private:
    SkinResources skin_{TAVRO_SKIN_DIR};
};

void LightingPreviewPainterTest::seeThroughPixelsShowTheWorkingColours_data() {
    QTest::addColumn<uint>("wheel");
    QTest::addColumn<bool>("wheelLit");
    QTest::addColumn<uint>("logo");
    QTest::addColumn<bool>("logoLit");
    QTest::newRow("both lit, two colours") << 0xFFFF1400u << true << 0xFF00FFFFu << true;
    QTest::newRow("breathing at 120") << 0x783C64FFu << true << 0x783C64FFu << true;
    QTest::newRow("blinking, dark") << 0x00FF0000u << true << 0x00FF0000u << true;
    QTest::newRow("logo only") << 0xFF00FF00u << false << 0xFF00FF00u << true;
    QTest::newRow("nothing lit") << 0xFFFFFFFFu << false << 0xFFFFFFFFu << false;
}

void LightingPreviewPainterTest::seeThroughPixelsShowTheWorkingColours() {
    QFETCH(uint, wheel);
    QFETCH(bool, wheelLit);
    QFETCH(uint, logo);
    QFETCH(bool, logoLit);
    const QImage mouse = skin_.element(lighting_layout::kPreview.element, SkinState::Normal);
    QCOMPARE(mouse.size(), QSize(kPreview.width, kPreview.height));
    const QImage shown =
        Render(Look(wheel, wheelLit, logo, logoLit), LightingPreviewPicture(mouse));
    const struct {
        PreviewZone zone;
        QRgb expected;
    } zones[] = {{PreviewZone::ScrollWheel, wheelLit ? OverBlack(wheel) : kBlack},
                 {PreviewZone::LogoType, logoLit ? OverBlack(logo) : kBlack}};
    for (const auto& zone : zones) {
        const int seen = ForEachSeeThroughPixel(mouse, zone.zone, [&](int x, int y) {
            QVERIFY2(Near(shown.pixel(x, y), zone.expected),
                     qPrintable(At(x, y, shown.pixel(x, y), zone.expected)));
        });
        // The wheel's ridges lie over its light: few of its pixels are wholly clear.
        QVERIFY(seen >= 10);
    }
}

void LightingPreviewPainterTest::theZonesLightNothingOutsideTheirRectangles() {
    const LightingPreviewPicture picture(
        skin_.element(lighting_layout::kPreview.element, SkinState::Normal));
    const QImage lit = Render(Look(0xFFFFFFFF, true, 0xFFFFFFFF, true), picture);
    const QImage dark = Render(Look(0xFFFFFFFF, false, 0xFFFFFFFF, false), picture);
    int differing = 0;
    for (int y = 0; y < lit.height(); ++y) {
        for (int x = 0; x < lit.width(); ++x) {
            QCOMPARE(qAlpha(lit.pixel(x, y)), 255);
            if (lit.pixel(x, y) == dark.pixel(x, y)) {
                continue;
            }
            ++differing;
            QVERIFY2(lighting_layout::kPreviewZone1.contains(x, y) ||
                         lighting_layout::kPreviewZone4.contains(x, y),
                     qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
        }
    }
    QVERIFY(differing > 0);
}

void LightingPreviewPainterTest::anyPictureLightsItsShapesAndGlowsSoftlyAroundThem() {
    const LayoutRect logo = lighting_layout::kPreviewZone4;
    const QRgb colour = 0xFF3C64FF;
    // Opaque but for a 5-pixel square in the middle of the logo zone.
    QImage holed(kPreview.width, kPreview.height, QImage::Format_ARGB32);
    holed.fill(0xFF202020);
    const QRect hole(logo.centerX() - 2, logo.centerY() - 2, 5, 5);
    for (int y = hole.top(); y <= hole.bottom(); ++y) {
        for (int x = hole.left(); x <= hole.right(); ++x) {
            holed.setPixel(x, y, qRgba(0, 0, 0, 0));
        }
    }
    const QImage shown = Render(Look(colour, true, colour, true), LightingPreviewPicture(holed));
    QCOMPARE(shown.pixel(hole.center()), OverBlack(colour));
    QCOMPARE(shown.pixel(hole.topLeft()), OverBlack(colour));

    // Around the hole the light fades within a few pixels, and is gone further off.
    const LightingPreviewPicture picture(holed);
    const QRect rect = picture.zoneRect(PreviewZone::LogoType);
    QCOMPARE(rect, QRect(logo.x, logo.y, logo.width, logo.height));
    const auto light = [&](int x, int y) -> int {
        return picture.zoneLight(
            PreviewZone::LogoType)[static_cast<size_t>(y - rect.y()) * rect.width() +
                                   (x - rect.x())];
    };
    const int y = hole.center().y();
    QCOMPARE(light(hole.right(), y), 255);
    QVERIFY(light(hole.right() + 1, y) > light(hole.right() + 2, y));
    QVERIFY(light(hole.right() + 2, y) > light(hole.right() + 3, y));
    QCOMPARE(light(rect.left(), y), 0);

    // A picture that lets everything through, or none at all, shows the whole rectangles.
    QImage clear(kPreview.width, kPreview.height, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    for (const LightingPreviewPicture& picture :
         {LightingPreviewPicture(clear), LightingPreviewPicture()}) {
        const QImage boxes = Render(Look(colour, true, colour, false), picture);
        const LayoutRect wheel = lighting_layout::kPreviewZone1;
        QCOMPARE(boxes.pixel(wheel.left(), wheel.top()), OverBlack(colour));
        QCOMPARE(boxes.pixel(wheel.right() - 1, wheel.bottom() - 1), OverBlack(colour));
        QCOMPARE(boxes.pixel(wheel.right(), wheel.top()), kBlack);
        QCOMPARE(boxes.pixel(logo.centerX(), logo.centerY()), kBlack);
    }
}

void LightingPreviewPainterTest::aLargerPictureOrTargetStillLinesUp() {
    const QImage mouse = skin_.element(lighting_layout::kPreview.element, SkinState::Normal);
    const QRgb colour = 0xFFFF9600;
    const QSize twice = mouse.size() * 2;
    const struct {
        const char* name;
        QImage picture;
    } cases[] = {{"a 2x picture", mouse.scaled(twice)}, {"a 1x picture drawn at 2x", mouse}};
    for (const auto& c : cases) {
        const QImage shown =
            Render(Look(colour, true, colour, true), LightingPreviewPicture(c.picture), twice);
        int seen = 0;
        // Pixels whose whole neighbourhood is see-through, at twice the size.
        for (PreviewZone zone : {PreviewZone::ScrollWheel, PreviewZone::LogoType}) {
            ForEachSeeThroughPixel(mouse, zone, [&](int x, int y) {
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        if (qAlpha(mouse.pixel(x + dx, y + dy)) != 0) {
                            return;
                        }
                    }
                }
                ++seen;
                const QRgb got = shown.pixel(2 * x, 2 * y);
                QVERIFY2(Near(got, OverBlack(colour)),
                         qPrintable(QString::fromLatin1(c.name) + At(x, y, got, colour)));
            });
        }
        QVERIFY(seen > 20);
    }
}

}  // namespace tavro

QTEST_MAIN(tavro::LightingPreviewPainterTest)
#include "lighting_preview_painter_test.moc"
