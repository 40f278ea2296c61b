#include <QImage>
#include <QTest>

#include "skin/vok_scroll_ctrl.h"
#include "tests/support/control_pictures.h"
#include "tests/support/recording_owner.h"

namespace tavro {
namespace {

constexpr QRgb kThumb = 0xFF00FF00;
constexpr QRgb kThumbPressed = 0xFF008000;

// The macro list's bar: 24 × 199 with 20-pixel arrows and a 32-pixel thumb, so the track
// runs from y = 20 for 159 pixels and the thumb travels 127.
ScrollImages BarImages() {
    return {Solid(24, 199, 0xFF202020), Solid(24, 32, kThumb),     Solid(24, 32, kThumbPressed),
            Solid(24, 20, 0xFF0000FF),  Solid(24, 20, 0xFF000080), Solid(24, 20, 0xFFFF0000),
            Solid(24, 20, 0xFF800000)};
}

struct Bar {
    RecordingOwner owner;
    CVokScrollCtrl bar{1100, &owner};
    Bar() {
        bar.setGeometry(0, 0, 24, 199);
        bar.setImages(BarImages());
        owner.resize(100, 220);
        owner.show();
    }
    std::vector<int> positions() const {
        std::vector<int> result;
        for (const auto& [id, value] : owner.reports) {
            result.push_back(value);
        }
        return result;
    }
};

}  // namespace

class VokScrollCtrlTest : public QObject {
    Q_OBJECT

private slots:
    void positionIsClampedPlacedAndReported_data();
    void positionIsClampedPlacedAndReported();
    void emptyRangeKeepsTheThumbAtTheTrackStart();
    void trackFollowsThePointer();
    void arrowsJumpToTheEnds();
    void pressedThumbShowsItsPressedLook();
};

void VokScrollCtrlTest::positionIsClampedPlacedAndReported_data() {
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("thumbTop");
    QTest::newRow("inside") << 40 << 40 << 20 + 50;
    QTest::newRow("below the minimum") << -5 << 0 << 20;
    QTest::newRow("above the maximum") << 150 << 100 << 20 + 127;
}

void VokScrollCtrlTest::positionIsClampedPlacedAndReported() {
    QFETCH(int, requested);
    QFETCH(int, position);
    QFETCH(int, thumbTop);
    Bar bar;
    bar.bar.setPosition(requested);
    QCOMPARE(bar.bar.position(), position);
    QCOMPARE(bar.bar.thumbRect(), QRect(0, thumbTop, 24, 32));
    QCOMPARE(bar.owner.reports, (std::vector<RecordingOwner::Report>{{1100, position}}));
}

void VokScrollCtrlTest::emptyRangeKeepsTheThumbAtTheTrackStart() {
    Bar bar;
    bar.bar.setRange(7, 7);
    bar.bar.setPosition(9);
    QCOMPARE(bar.bar.position(), 7);
    QCOMPARE(bar.bar.thumbRect().top(), 20);
    QTest::mouseClick(&bar.bar, Qt::LeftButton, {}, QPoint(12, 120));
    QCOMPARE(bar.bar.position(), 7);
}

void VokScrollCtrlTest::trackFollowsThePointer() {
    Bar bar;
    // Position = (y − 16 − 20) × 100 / 127, rounded half up.
    QTest::mousePress(&bar.bar, Qt::LeftButton, {}, QPoint(12, 100));
    QCOMPARE(bar.bar.position(), 50);
    QTest::mouseMove(&bar.bar, QPoint(12, 36));
    QCOMPARE(bar.bar.position(), 0);
    QTest::mouseMove(&bar.bar, QPoint(12, 170));
    QCOMPARE(bar.bar.position(), 100);
    QTest::mouseRelease(&bar.bar, Qt::LeftButton, {}, QPoint(12, 38));
    QCOMPARE(bar.bar.position(), 2);
    QCOMPARE(bar.positions(), (std::vector<int>{50, 0, 100, 2}));
}

void VokScrollCtrlTest::arrowsJumpToTheEnds() {
    Bar bar;
    bar.bar.setPosition(40);
    QTest::mouseClick(&bar.bar, Qt::LeftButton, {}, QPoint(12, 190));
    QCOMPARE(bar.bar.position(), 100);
    QTest::mouseClick(&bar.bar, Qt::LeftButton, {}, QPoint(12, 5));
    QCOMPARE(bar.bar.position(), 0);
    // The release, not the place of the press, decides: a press on an arrow released in
    // the track first follows the pointer, then still jumps.
    QTest::mousePress(&bar.bar, Qt::LeftButton, {}, QPoint(12, 190));
    QTest::mouseRelease(&bar.bar, Qt::LeftButton, {}, QPoint(12, 100));
    QCOMPARE(bar.positions(), (std::vector<int>{40, 100, 0, 50, 100}));
}

void VokScrollCtrlTest::pressedThumbShowsItsPressedLook() {
    Bar bar;
    QImage shown(24, 199, QImage::Format_ARGB32);
    QTest::mousePress(&bar.bar, Qt::LeftButton, {}, QPoint(12, 30));
    bar.bar.render(&shown);
    QCOMPARE(shown.pixel(12, bar.bar.thumbRect().center().y()), kThumbPressed);
    QTest::mouseRelease(&bar.bar, Qt::LeftButton, {}, QPoint(12, 30));
    bar.bar.render(&shown);
    QCOMPARE(shown.pixel(12, bar.bar.thumbRect().center().y()), kThumb);
}

}  // namespace tavro

QTEST_MAIN(tavro::VokScrollCtrlTest)
#include "vok_scroll_ctrl_test.moc"
