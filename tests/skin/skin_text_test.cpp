#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "skin/skin_text.h"

namespace tavro {
namespace {

// The rectangle of pixels the text touched.
QRect Inked(const QImage& image) {
    QRect inked;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(0, 0, 0)) {
                inked |= QRect(x, y, 1, 1);
            }
        }
    }
    return inked;
}

QImage Draw(bool centreH, bool centreV, const QRect& box, QRgb colour = 0xFFFFFFFF) {
    QImage image(200, 80, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    QFont font;
    font.setPixelSize(15);
    DrawSkinText(painter, QStringLiteral("Hg"), colour, centreH, centreV, box, &font);
    return image;
}

}  // namespace

class SkinTextTest : public QObject {
    Q_OBJECT

private slots:
    void centresEachAxisOnlyWhenAsked();
};

void SkinTextTest::centresEachAxisOnlyWhenAsked() {
    const QRect box(20, 10, 150, 60);
    QFont font;
    font.setPixelSize(15);
    const QFontMetrics metrics(font);
    const int dx = (box.width() - metrics.horizontalAdvance(QStringLiteral("Hg"))) / 2;
    const int dy = (box.height() - metrics.height()) / 2;

    const QRect topLeft = Inked(Draw(false, false, box));
    QVERIFY(!topLeft.isEmpty());
    QVERIFY(topLeft.top() >= box.top() && topLeft.left() >= box.left());
    QCOMPARE(Inked(Draw(true, false, box)), topLeft.translated(dx, 0));
    QCOMPARE(Inked(Draw(false, true, box)), topLeft.translated(0, dy));
    QCOMPARE(Inked(Draw(true, true, box)), topLeft.translated(dx, dy));

    const QImage red = Draw(false, false, box, 0xFFFF0000);
    bool anyPureRed = false;
    for (int y = 0; y < red.height(); ++y) {
        for (int x = 0; x < red.width(); ++x) {
            const QRgb pixel = red.pixel(x, y);
            QCOMPARE(qGreen(pixel), qBlue(pixel));
            anyPureRed |= qRed(pixel) > 200 && qGreen(pixel) < 40;
        }
    }
    QVERIFY(anyPureRed);
}

}  // namespace tavro

QTEST_MAIN(tavro::SkinTextTest)
#include "skin_text_test.moc"
