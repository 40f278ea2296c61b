#include <QImage>
#include <QTest>

#include <utility>
#include <vector>

#include "sensor/slider_geometry.h"
#include "sensor/vok_slider_ctrl.h"
#include "sensor/vok_slider_ctrl_3d.h"
#include "tests/support/control_pictures.h"
#include "tests/support/recording_owner.h"

namespace tavro {
namespace {

using Report = RecordingOwner::Report;

constexpr QRgb kTrack = 0xFF202020;
constexpr QRgb kNormal = 0xFF00C000;
constexpr QRgb kHover = 0xFFFFFF00;
constexpr QRgb kDisabled = 0xFF808080;
constexpr QRgb kThumb1 = 0xFFFF0000;
constexpr QRgb kThumb2 = 0xFF00FF00;
constexpr QRgb kThumb3 = 0xFF0000FF;

// The skin's thumbs are 12 × 15 (one thumb) and 13 × 15 (DPI).
constexpr int kSpeedId = 1024;
constexpr int kDpiId = 1022;
constexpr int kDpi = CVokSliderCtrl3D::kThumbFactor;

QRgb ShownAt(QWidget& widget, QPoint point) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    widget.render(&image);
    return image.pixel(point);
}

// The pointer speed slider: 1 … 10 over 288 pixels.
struct SpeedSlider {
    explicit SpeedSlider(bool withDisabledImage = true) {
        slider = new CVokSliderCtrl(kSpeedId, &owner);
        slider->setGeometry(0, 0, 288, 17);
        slider->setImages(Solid(288, 17, kTrack), Solid(12, 15, kNormal), Solid(12, 15, kHover),
                          withDisabledImage ? Solid(12, 15, kDisabled) : QImage());
        slider->setRange(1, 10, 1);
        slider->setValue(5);
        owner.reports.clear();
        owner.show();
    }
    QRgb thumbShows() { return ShownAt(*slider, slider->thumbRect().center()); }

    RecordingOwner owner;
    CVokSliderCtrl* slider;
};

// A DPI slider, 50 … 7000 in steps of 50, thumbs at 400, 1600 and 7000.
struct DpiSlider {
    explicit DpiSlider(int width = 595, QImage thumb2 = Solid(13, 15, kThumb2)) {
        slider = new CVokSliderCtrl3D(kDpiId, &owner);
        slider->setGeometry(0, 0, width, 16);
        slider->setImages(Solid(width, 16, kTrack), Solid(13, 15, kThumb1), std::move(thumb2),
                          Solid(13, 15, kThumb3));
        slider->setRange(50, 7000, 50);
        slider->setThumb(1, 400, false);
        slider->setThumb(2, 1600, false);
        slider->setThumb(3, 7000, false);
        owner.show();
    }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(slider, Qt::LeftButton, {}, from);
        QTest::mouseMove(slider, to);
        QTest::mouseRelease(slider, Qt::LeftButton, {}, to);
    }

    RecordingOwner owner;
    CVokSliderCtrl3D* slider;
};

}  // namespace

class VokSliderCtrlTest : public QObject {
    Q_OBJECT

private slots:
    void pointerPicksTheRoundedValue();
    void settingReportsOnlyChangesAndDoesNotClamp();
    void disabledSliderIgnoresThePointer();
    void dragPausesOutsideAndGoesOnWhenThePointerReturns();
    void releaseOutsideAPausedDragChangesNothing();

    void dpiDragsReportValueAndThumb();
    void thumbSettingClampsAndReportsOnRequest();
    void thumbOneCanPassThumbTwoAndStaysOnTop();
    void pressAwayFromTheThumbsMovesNothing();
    void thumbsArePlacedByThumbOnesWidth();

    void keysMoveTheValueAndReportLikeADrag();
    void tabWalksTheDpiThumbsBeforeLeaving();
    void disabledSliderIgnoresTheKeysAndTab();
};

void VokSliderCtrlTest::pointerPicksTheRoundedValue() {
    // 144 maps to exactly 5.5; the ends must give 1 and 10, never 0.
    const std::pair<int, int> rows[] = {{0, 1}, {287, 10}, {144, 6}};
    for (const auto& [x, value] : rows) {
        SpeedSlider f;
        QTest::mouseClick(f.slider, Qt::LeftButton, {}, QPoint(x, 8));
        QCOMPARE(f.slider->value(), value);
        QCOMPARE(f.owner.reports, (std::vector<Report>{{kSpeedId, value}}));
    }
}

void VokSliderCtrlTest::settingReportsOnlyChangesAndDoesNotClamp() {
    SpeedSlider f;
    f.slider->setValue(5);
    QVERIFY(f.owner.reports.empty());
    f.slider->setValue(99);
    QCOMPARE(f.slider->value(), 99);
    f.slider->setValue(-3);
    QCOMPARE(f.owner.reports, (std::vector<Report>{{kSpeedId, 99}, {kSpeedId, -3}}));
}

void VokSliderCtrlTest::disabledSliderIgnoresThePointer() {
    for (bool withDisabledImage : {true, false}) {
        SpeedSlider f(withDisabledImage);
        f.slider->setState(SliderControl::kDisabled);
        QTest::mouseMove(f.slider, QPoint(200, 8));
        QTest::mousePress(f.slider, Qt::LeftButton, {}, QPoint(200, 8));
        QTest::mouseMove(f.slider, QPoint(250, 8));
        QTest::mouseRelease(f.slider, Qt::LeftButton, {}, QPoint(250, 8));
        QCOMPARE(f.slider->value(), 5);
        QCOMPARE(f.slider->state(), SliderControl::kDisabled);
        QVERIFY(f.owner.reports.empty());
        QCOMPARE(f.thumbShows(), withDisabledImage ? kDisabled : kTrack);

        f.slider->setState(SliderControl::kNormal);
        QCOMPARE(f.thumbShows(), kNormal);
    }
}

void VokSliderCtrlTest::dragPausesOutsideAndGoesOnWhenThePointerReturns() {
    SpeedSlider f;
    QTest::mouseMove(f.slider, QPoint(100, 8));
    QCOMPARE(f.thumbShows(), kHover);
    QTest::mousePress(f.slider, Qt::LeftButton, {}, QPoint(100, 8));
    QTest::mouseMove(f.slider, QPoint(200, 8));
    // Leaving upwards still takes the value from x, then the drag pauses.
    QTest::mouseMove(f.slider, QPoint(250, -30));
    QTest::mouseMove(f.slider, QPoint(20, -30));
    QCOMPARE(f.slider->value(), 9);
    QCOMPARE(f.slider->state(), SliderControl::kNormal);
    QCOMPARE(f.thumbShows(), kNormal);

    // Coming back resumes the drag; the value follows from the next move on.
    QTest::mouseMove(f.slider, QPoint(150, 8));
    QCOMPARE(f.slider->state(), SliderControl::kDragging);
    QCOMPARE(f.slider->value(), 9);
    QCOMPARE(f.thumbShows(), kHover);
    QTest::mouseMove(f.slider, QPoint(60, 8));
    QTest::mouseRelease(f.slider, Qt::LeftButton, {}, QPoint(60, 8));
    QCOMPARE(f.slider->state(), SliderControl::kNormal);
    QCOMPARE(f.owner.reports,
             (std::vector<Report>{{kSpeedId, 4}, {kSpeedId, 7}, {kSpeedId, 9}, {kSpeedId, 3}}));
}

void VokSliderCtrlTest::releaseOutsideAPausedDragChangesNothing() {
    SpeedSlider f;
    QTest::mousePress(f.slider, Qt::LeftButton, {}, QPoint(200, 8));
    QTest::mouseMove(f.slider, QPoint(210, 8));
    QTest::mouseMove(f.slider, QPoint(250, -30));
    QTest::mouseRelease(f.slider, Qt::LeftButton, {}, QPoint(20, -30));
    QCOMPARE(f.slider->value(), 9);
    QTest::mouseMove(f.slider, QPoint(40, 8));
    QCOMPARE(f.slider->state(), SliderControl::kHover);
    QCOMPARE(f.slider->value(), 9);
}

void VokSliderCtrlTest::dpiDragsReportValueAndThumb() {
    struct Row {
        const char* name;
        int width;
        int start;
        int toX;
        int value;
    };
    const Row rows[] = {
        {"far left", 595, 400, 0, 50},
        {"far right", 595, 400, 594, 7000},
        {"424.6 rounds to 425, which snaps down", 718, 1000, 44, 400},
    };
    for (const Row& row : rows) {
        DpiSlider f(row.width);
        f.slider->setThumb(1, row.start, false);
        f.drag(f.slider->thumbRect(1).center(), QPoint(row.toX, 8));
        QCOMPARE(f.slider->thumbValue(1), row.value);
        QVERIFY2(!f.owner.reports.empty(), row.name);
        QCOMPARE(f.owner.reports.back(), (Report{kDpiId, row.value + 1 * kDpi}));
        QCOMPARE(f.slider->thumbValue(2), 1600);
    }
}

void VokSliderCtrlTest::thumbSettingClampsAndReportsOnRequest() {
    DpiSlider f;
    f.slider->setThumb(2, 9000, true);
    f.slider->setThumb(2, 7000, true);
    f.slider->setThumb(3, 7000, true);
    f.slider->setThumb(1, 30, false);
    f.slider->setThumb(4, 800, true);
    f.slider->setThumb(0, 800, true);
    QCOMPARE(f.owner.reports, (std::vector<Report>{{kDpiId, 7000 + 2 * kDpi}}));
    QCOMPARE(f.slider->thumbValue(1), 50);
    QCOMPARE(f.slider->thumbRect(1).left(), 0);
    // A loaded value is clamped, not snapped.
    f.slider->setThumb(1, 425, true);
    QCOMPARE(f.owner.reports.back(), (Report{kDpiId, 425 + 1 * kDpi}));
}

void VokSliderCtrlTest::thumbOneCanPassThumbTwoAndStaysOnTop() {
    DpiSlider f;
    const QRect second = f.slider->thumbRect(2);
    f.drag(f.slider->thumbRect(1).center(), second.center() + QPoint(5, 0));
    QVERIFY(f.slider->thumbValue(1) > f.slider->thumbValue(2));

    const QRect overlap = f.slider->thumbRect(1).intersected(second);
    QVERIFY(!overlap.isEmpty());
    QCOMPARE(ShownAt(*f.slider, overlap.center()), kThumb1);
    f.drag(overlap.center(), overlap.center() + QPoint(60, 0));
    QCOMPARE(f.slider->thumbValue(2), 1600);
    QVERIFY(f.slider->thumbRect(1).left() > second.right());
}

void VokSliderCtrlTest::pressAwayFromTheThumbsMovesNothing() {
    DpiSlider f;
    f.drag(QPoint(300, 8), QPoint(450, 8));
    QVERIFY(f.owner.reports.empty());
    QCOMPARE(f.slider->thumbValue(1), 400);
    QCOMPARE(f.slider->thumbValue(2), 1600);
    QCOMPARE(f.slider->thumbValue(3), 7000);
}

void VokSliderCtrlTest::thumbsArePlacedByThumbOnesWidth() {
    DpiSlider f(595, Solid(21, 11, kThumb2));
    f.slider->setThumb(2, 400, false);
    const int centre = slider_geometry::ThumbCentreX(400, 595, 13, 50, 7000);
    QCOMPARE(f.slider->thumbRect(2), QRect(centre - 10, 2, 21, 11));
    // Thumb 1 covers thumb 2's middle; thumb 2 shows beside it.
    QCOMPARE(ShownAt(*f.slider, QPoint(centre - 9, 7)), kThumb2);
    QCOMPARE(ShownAt(*f.slider, QPoint(centre - 9, 1)), kTrack);
    QCOMPARE(ShownAt(*f.slider, QPoint(centre, 7)), kThumb1);
}

void VokSliderCtrlTest::keysMoveTheValueAndReportLikeADrag() {
    SpeedSlider speed;
    const std::pair<int, int> speedKeys[] = {
        {Qt::Key_Right, 6},  {Qt::Key_PageUp, 7}, {Qt::Key_End, 10},
        {Qt::Key_Right, 10}, {Qt::Key_Left, 9},   {Qt::Key_Home, 1},
    };
    for (const auto& [key, value] : speedKeys) {
        QTest::keyClick(speed.slider, static_cast<Qt::Key>(key));
        QCOMPARE(speed.slider->value(), value);
    }
    // No report where nothing changed (Right at the end).
    QCOMPARE(speed.owner.reports,
             (std::vector<Report>{
                 {kSpeedId, 6}, {kSpeedId, 7}, {kSpeedId, 10}, {kSpeedId, 9}, {kSpeedId, 1}}));
    // A value stored outside the range comes back into it.
    speed.slider->setValue(99);
    QTest::keyClick(speed.slider, Qt::Key_Left);
    QCOMPARE(speed.slider->value(), 10);

    // DPI: one step is 50, a page a tenth of 50 … 7000 in whole steps (700); a value off
    // the steps lands on the next step in the key's direction.
    DpiSlider dpi;
    const std::pair<int, int> dpiKeys[] = {
        {Qt::Key_Right, 450},   {Qt::Key_PageUp, 1150}, {Qt::Key_PageDown, 450},
        {Qt::Key_PageDown, 50}, {Qt::Key_Left, 50},     {Qt::Key_End, 7000},
        {Qt::Key_PageUp, 7000},
    };
    for (const auto& [key, value] : dpiKeys) {
        QTest::keyClick(dpi.slider, static_cast<Qt::Key>(key));
        QCOMPARE(dpi.slider->thumbValue(1), value);
    }
    QCOMPARE(dpi.owner.reports.front(), (Report{kDpiId, 450 + 1 * kDpi}));
    QCOMPARE(dpi.owner.reports.size(), std::size_t{5});
    dpi.slider->setThumb(1, 425, false);
    QTest::keyClick(dpi.slider, Qt::Key_Right);
    QCOMPARE(dpi.slider->thumbValue(1), 450);
    QCOMPARE(dpi.slider->thumbValue(2), 1600);
}

void VokSliderCtrlTest::tabWalksTheDpiThumbsBeforeLeaving() {
    DpiSlider f;
    auto* after = new CVokSliderCtrl(kSpeedId, &f.owner);
    after->setGeometry(0, 40, 288, 17);
    after->show();
    f.owner.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.owner));
    f.slider->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.slider->keyboardThumb(), 1);
    QTest::keyClick(f.slider, Qt::Key_Tab);
    QCOMPARE(f.slider->keyboardThumb(), 2);
    QVERIFY(f.slider->hasFocus());
    QTest::keyClick(f.slider, Qt::Key_Left);
    QCOMPARE(f.owner.reports, (std::vector<Report>{{kDpiId, 1550 + 2 * kDpi}}));
    QTest::keyClick(f.slider, Qt::Key_Tab);
    QTest::keyClick(f.slider, Qt::Key_Tab);
    QVERIFY(after->hasFocus());
    QTest::keyClick(after, Qt::Key_Backtab);
    QVERIFY(f.slider->hasFocus());
    QCOMPARE(f.slider->keyboardThumb(), 3);
    // The thumb the pointer picks up is the one the keys move next.
    f.drag(f.slider->thumbRect(1).center(), f.slider->thumbRect(1).center());
    QCOMPARE(f.slider->keyboardThumb(), 1);
}

void VokSliderCtrlTest::disabledSliderIgnoresTheKeysAndTab() {
    SpeedSlider f;
    f.slider->setFocus(Qt::TabFocusReason);
    f.slider->setState(SliderControl::kDisabled);
    QCOMPARE(f.slider->focusPolicy(), Qt::NoFocus);
    QTest::keyClick(f.slider, Qt::Key_Right);
    QCOMPARE(f.slider->value(), 5);
    QVERIFY(f.owner.reports.empty());
    // Only the owner's two states are taken; the pointer's are not.
    f.slider->setState(SliderControl::kDragging);
    QCOMPARE(f.slider->state(), SliderControl::kDisabled);
    f.slider->setState(SliderControl::kNormal);
    QCOMPARE(f.slider->focusPolicy(), Qt::StrongFocus);
}

}  // namespace tavro

QTEST_MAIN(tavro::VokSliderCtrlTest)
#include "vok_slider_ctrl_test.moc"
