#include <QImage>
#include <QTest>

#include "sensor/vok_progress_ctrl.h"

namespace tavro {
namespace {

constexpr QRgb kEmpty = 0xFF103010;

// A fill whose every row and column can be told apart: red counts columns, green rows.
QImage Gradient(QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, qRgb(x, y, 255));
        }
    }
    return image;
}

QImage Rendered(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    widget.render(&image);
    return image;
}

// The quality bar of the sensor page: 101 × 107, range 0 … 10.
struct QualityBar {
    explicit QualityBar(bool vertical) {
        bar.setGeometry(0, 0, 101, 107);
        QImage empty(bar.size(), QImage::Format_ARGB32);
        empty.fill(kEmpty);
        bar.setImages(empty, Gradient(bar.size()));
        bar.setRange(0, 10);
        bar.setVertical(vertical);
    }
    CVokProgressCtrl bar{1026};
};

}  // namespace

class VokProgressCtrlTest : public QObject {
    Q_OBJECT

private slots:
    void verticalBarShowsTheFillsTopRowsAtTheBottom();
    void horizontalBarShowsTheFillsLeftColumns();
    void oddRangesNeitherCrashNorOverfill();
};

void VokProgressCtrlTest::verticalBarShowsTheFillsTopRowsAtTheBottom() {
    QualityBar f(true);
    f.bar.setPosition(5);
    const QImage shown = Rendered(f.bar);
    // 107 × 0.5 cut to 53 rows: 54 … 106 show fill rows 0 … 52.
    QCOMPARE(shown.pixel(40, 53), kEmpty);
    QCOMPARE(shown.pixel(40, 54), qRgb(40, 0, 255));
    QCOMPARE(shown.pixel(40, 106), qRgb(40, 52, 255));
}

void VokProgressCtrlTest::horizontalBarShowsTheFillsLeftColumns() {
    QualityBar f(false);
    f.bar.setPosition(3);
    const QImage shown = Rendered(f.bar);
    QCOMPARE(shown.pixel(29, 80), qRgb(29, 80, 255));
    QCOMPARE(shown.pixel(30, 80), kEmpty);
}

void VokProgressCtrlTest::oddRangesNeitherCrashNorOverfill() {
    struct Row {
        const char* name;
        int minimum;
        int maximum;
        int position;
        QRgb top;
        QRgb bottom;
    };
    const Row rows[] = {
        {"empty range", 4, 4, 4, kEmpty, kEmpty},
        {"beyond the maximum", 0, 10, 25, qRgb(40, 0, 255), qRgb(40, 106, 255)},
        {"below the minimum", 0, 10, -3, kEmpty, kEmpty},
    };
    for (const Row& row : rows) {
        QualityBar f(true);
        f.bar.setRange(row.minimum, row.maximum);
        f.bar.setPosition(row.position);
        const QImage shown = Rendered(f.bar);
        QVERIFY2(shown.pixel(40, 0) == row.top, row.name);
        QVERIFY2(shown.pixel(40, 106) == row.bottom, row.name);
    }
    CVokProgressCtrl bare{1026};
    bare.resize(20, 30);
    bare.setPosition(50);
    QImage shown(bare.size(), QImage::Format_ARGB32);
    shown.fill(kEmpty);
    bare.render(&shown, {}, {}, QWidget::DrawChildren);
    QCOMPARE(shown.pixel(10, 29), kEmpty);
}

}  // namespace tavro

QTEST_MAIN(tavro::VokProgressCtrlTest)
#include "vok_progress_ctrl_test.moc"
