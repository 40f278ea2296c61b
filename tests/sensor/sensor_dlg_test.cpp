// The sensor page: its controls, loading and storing a profile, the joined axes, the
// defined value, angle snapping, and the surface analysis and lift-off commands on the
// simulated mouse.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWindow>

#include <cerrno>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "app/main_window_layout.h"
#include "buttons/popup_layout.h"
#include "buttons/zvr_combo_button.h"
#include "device/config_image.h"
#include "device/device_commands.h"
#include "device/device_link.h"
#include "device/mouse_actions.h"
#include "sensor/sensor_dlg.h"
#include "sensor/sensor_layout.h"
#include "sensor/vok_progress_ctrl.h"
#include "sensor/vok_slider_ctrl.h"
#include "sensor/vok_slider_ctrl_3d.h"
#include "sim/sim_backend.h"
#include "sim/sim_mouse.h"
#include "skin/layout_qt.h"
#include "skin/skinned_menu.h"
#include "skin/vok_button.h"
#include "skin/vok_check_box.h"
#include "skin/vok_edit.h"
#include "skin/vok_static.h"
#include "tests/support/find_control.h"
#include "tests/support/manual_clock.h"
#include "tests/support/modal_steps.h"
#include "tests/support/recording_owner.h"
#include "tests/support/recording_sleeper.h"

namespace tavro {

namespace {

using namespace std::chrono_literals;
using namespace sensor_layout;

// The simulated mouse behind the actions a page may ask for.
struct SimulatedMouse {
    SimMouse mouse;
    SimHidBackend backend{mouse};
    RecordingSleeper sleeper;
    DeviceLink link{backend, sleeper};
    LinkMouseActions actions{link};

    // The command reports the mouse received, as their first six bytes.
    std::vector<std::vector<uint8_t>> commands() const {
        std::vector<std::vector<uint8_t>> heads;
        for (const std::vector<uint8_t>& report : mouse.ReceivedReports()) {
            if (report.size() >= 6 && report[0] == 0x60) {
                heads.emplace_back(report.begin(), report.begin() + 6);
            }
        }
        return heads;
    }
};

// Runs `during` in the middle of each exchange, as the main window's local event loop
// lets input in while the mouse works.
class InterruptedMouse : public MouseActions {
public:
    InterruptedMouse(MouseActions& inner, std::function<void()> during)
        : inner_(inner), during_(std::move(during)) {}

    bool deviceFound() const override { return inner_.deviceFound(); }
    bool FindDevice() override {
        during_();
        return inner_.FindDevice();
    }
    void CloseDevice() override { inner_.CloseDevice(); }
    DeviceResult StartSurfaceAnalysis() override { return inner_.StartSurfaceAnalysis(); }
    DeviceResult ReadSurfaceQuality(uint8_t& quality) override {
        return inner_.ReadSurfaceQuality(quality);
    }
    DeviceResult TestLiftDistance(uint8_t distance) override {
        during_();
        return inner_.TestLiftDistance(distance);
    }
    DeviceResult SaveLiftDistance(uint8_t distance) override {
        during_();
        return inner_.SaveLiftDistance(distance);
    }

private:
    MouseActions& inner_;
    std::function<void()> during_;
};

const std::vector<uint8_t> kStartAnalysis{0x60, 0x05, 0x01, 0x00, 0x00, 0x00};
const std::vector<uint8_t> kReadQuality{0x60, 0x05, 0x02, 0x00, 0x00, 0x00};

ProfileRecord WithLevels(int separate, std::array<int16_t, 3> x, std::array<int16_t, 3> y) {
    ProfileRecord record;
    record.xySeparate = separate;
    record.dpiX1 = x[0];
    record.dpiX2 = x[1];
    record.dpiX3 = x[2];
    record.dpiY1 = y[0];
    record.dpiY2 = y[1];
    record.dpiY3 = y[2];
    return record;
}

std::array<int, 3> Thumbs(const CVokSliderCtrl3D& slider) {
    return {slider.thumbValue(1), slider.thumbValue(2), slider.thumbValue(3)};
}

}  // namespace

class SensorDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsSitAtTheTemplateRectanglesWithTheCreationSettings();
    void draggingAnXThumbMovesYOnlyWhileTheAxesAreJoined();
    void togglingTheSeparationMakesYEqualX();
    void loadingClampsTheLevelsWithoutRounding();
    void loadingJoinedAxesWithDifferentLevelsShowsTheYLevels();
    void storingWritesEverySensorFieldAndNothingElse();
    void definedValueIsNormalisedAsItIsEdited_data();
    void definedValueIsNormalisedAsItIsEdited();
    void loadedDefinedValueOutsideItsRangeShowsTheNearestEnd();
    void angleSnappingChoiceAndUnknownLevels();
    void menuTopMostRequestsReachTheMainWindow();
    void pointerSpeedDraggedToTheLeftEndStoresOne();
    void analysisShowsTheLevelOfTheMeasuredQuality_data();
    void analysisShowsTheLevelOfTheMeasuredQuality();
    void cancelDuringTheCountdownReadsNothing();
    void failedQualityReadShowsNoLevel();
    void liftDistanceIsSentWithinSixToThirtyOne_data();
    void liftDistanceIsSentWithinSixToThirtyOne();
    void liftDistanceWithoutAnAnsweringMouse();
    void aSecondPressWhileTheMouseWorksIsIgnored();
    void aDraggedLevelReachesTheConfigurationImage();

private:
    // Points of the page in the main window, which takes the input.
    static QPoint At(QPoint pagePoint) {
        return pagePoint + QPoint(main_window_layout::kPageArea.x, main_window_layout::kPageArea.y);
    }
    static QPoint At(const LayoutRect& rect) { return At(QPoint(rect.centerX(), rect.centerY())); }
    void click(const LayoutRect& rect) {
        QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, At(rect));
    }
    void drag(QPoint fromPage, QPoint toPage) {
        QWindow* window = window_->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, At(fromPage));
        QTest::mouseMove(window, At(toPage));
        QTest::mouseRelease(window, Qt::LeftButton, {}, At(toPage));
    }
    // Drags thumb `thumb` of a DPI slider to `x` in page pixels.
    void dragThumb(const PlacedControl& slider, int thumb, int x) {
        CVokSliderCtrl3D* control = slider3D(slider);
        const QPoint centre = control->geometry().topLeft() + control->thumbRect(thumb).center();
        drag(centre, QPoint(x, centre.y()));
    }
    void type(const QString& keys) {
        for (QChar key : keys) {
            QTest::keyClick(window_->windowHandle(), key.toLatin1());
        }
    }
    // A new page on the mouse `mouse`, replacing the fixture's.
    void rebuildPage(MouseActions& mouse);

    CVokSliderCtrl3D* slider3D(const PlacedControl& placed) {
        return ControlOf<CVokSliderCtrl3D>(*page_, placed.id);
    }
    CVokSliderCtrl* slider(const PlacedControl& placed) {
        return ControlOf<CVokSliderCtrl>(*page_, placed.id);
    }
    CVokStatic* label(const PlacedControl& placed) {
        return ControlOf<CVokStatic>(*page_, placed.id);
    }
    CZVRNUMEdit* definedEdit() { return ControlOf<CZVRNUMEdit>(*page_, kDefinedValueEdit.id); }
    CZVRComboButton* angleSnap() { return ControlOf<CZVRComboButton>(*page_, kAngleSnapButton.id); }
    CVokProgressCtrl* qualityBar() { return ControlOf<CVokProgressCtrl>(*page_, kQualityBar.id); }
    ProfileRecord stored() {
        ProfileRecord record;
        page_->StoreRecord(record);
        return record;
    }
    void load(const ProfileRecord& record) {
        page_->LoadRecord(record);
        page_->OnPagesLoaded();
    }
    // Confirms the three analysis steps, with `duringCountdown` run while it counts.
    void runAnalysis(const std::function<void()>& duringCountdown = [] {});

    SkinResources skin_{TAVRO_SKIN_DIR};
    std::unique_ptr<SimulatedMouse> sim_;
    RecordingOwner* window_ = nullptr;  // stands in for the main window
    CSensorDlg* page_ = nullptr;
    ManualClock clock_;
    std::vector<QString> messages_;
};

void SensorDlgTest::init() {
    sim_ = std::make_unique<SimulatedMouse>();
    clock_ = ManualClock();
    messages_.clear();
    window_ = new RecordingOwner;
    window_->setGeometry(60, 40, 800, 600);
    rebuildPage(sim_->actions);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void SensorDlgTest::cleanup() {
    delete window_;
    page_ = nullptr;
    sim_.reset();
}

void SensorDlgTest::rebuildPage(MouseActions& mouse) {
    delete page_;
    page_ = new CSensorDlg(skin_, mouse, window_);
    page_->setGeometry(ToQRect(main_window_layout::kPageArea));
    page_->setMessageSink([this](QWidget* parent, const QString& text) {
        QVERIFY(parent == page_ || qobject_cast<CPopDlg*>(parent) != nullptr);
        messages_.push_back(text);
    });
    page_->setPopupScheduler(clock_.scheduler());
    page_->show();
}

void SensorDlgTest::runAnalysis(const std::function<void()>& duringCountdown) {
    ModalSteps steps;
    steps
        .then([&] {
            CPopDlg* start = TopModal<CPopDlg>();
            QVERIFY(start != nullptr);
            QCOMPARE(start->mode(), popup_layout::kSurfaceStart);
            // The quality bar is emptied before the first step opens.
            QCOMPARE(qualityBar()->position(), 0);
            QTest::mouseClick(
                start->windowHandle(), Qt::LeftButton, {},
                ToQRect(popup_layout::FindMode(popup_layout::kSurfaceStart)->ok.rect).center());
        })
        .then([&] {
            QCOMPARE(TopModal<CPopDlg>()->mode(), popup_layout::kSurfaceCountdown);
            duringCountdown();
            clock_.advance(10500ms);
        })
        .then([&] {
            CPopDlg* result = TopModal<CPopDlg>();
            QVERIFY(result != nullptr);
            QCOMPARE(result->mode(), popup_layout::kSurfaceResult);
            QTest::mouseClick(
                result->windowHandle(), Qt::LeftButton, {},
                ToQRect(popup_layout::FindMode(popup_layout::kSurfaceResult)->ok.rect).center());
        });
    steps.start();
    click(kAnalyzeButton.rect);
    QVERIFY(steps.finished());
}

void SensorDlgTest::controlsSitAtTheTemplateRectanglesWithTheCreationSettings() {
    QCOMPARE(page_->size(), QSize(783, 349));
    QCOMPARE(page_->background(), skin_.element(49, SkinState::Normal));
    // Written out from the dialog template rather than read from the layout table.
    const struct {
        int id;
        QRect rect;
        const char* name;
    } rows[] = {
        {1018, {35, 73, 16, 17}, "Enable X or Y Separate Setting"},
        {1087, {584, 14, 140, 26}, "Eanble Defined mode"},
        {1088, {706, 69, 44, 18}, "Defined value"},
        {1095, {698, 37, 54, 21}, "AngleSnap"},
        {1022, {78, 102, 595, 16}, "Xaxis"},
        {1023, {78, 121, 595, 15}, "Yaxis"},
        {1089, {280, 36, 52, 21}, "Step1x"},
        {1092, {454, 36, 52, 21}, "Step3x"},
        {1093, {367, 67, 51, 20}, "Step2xy"},
        {1097, {337, 29, 26, 64}, "XYaxisBK2"},
        {1024, {444, 211, 288, 17}, "Point Speed"},
        {1025, {424, 278, 329, 17}, "Lift Distance"},
        {1026, {36, 207, 101, 107}, "Quality Analyzer"},
        {1027, {233, 210, 96, 49}, "Surface"},
        {1021, {230, 295, 104, 26}, "Analyze Surface"},
        {1020, {636, 313, 54, 26}, "Test"},
        {1019, {697, 313, 56, 26}, "Save"},
    };
    for (const auto& row : rows) {
        QWidget* control = ControlOf<QWidget>(*page_, row.id);
        QVERIFY2(control != nullptr, QByteArray::number(row.id));
        QCOMPARE(control->geometry(), row.rect);
        // A drop-down is read by the choice it shows, its caption being its description.
        if (row.id == kAngleSnapButton.id) {
            QCOMPARE(control->accessibleDescription(), QString::fromLatin1(row.name));
        } else {
            QCOMPARE(control->accessibleName(), QString::fromLatin1(row.name));
        }
    }
    auto* box = ControlOf<CVokCheckBox>(*page_, kSeparateBox.id);
    QCOMPARE(box->images()[SkinState::Down], skin_.element(kSeparateBox, SkinState::Down));
    QVERIFY(!box->isChecked());

    for (const PlacedControl* axis : {&kXSlider, &kYSlider}) {
        CVokSliderCtrl3D* dpi = slider3D(*axis);
        QCOMPARE(dpi->minimum(), 50);
        QCOMPARE(dpi->maximum(), 7000);
        QCOMPARE(dpi->step(), 50);
        QCOMPARE(Thumbs(*dpi), (std::array<int, 3>{400, 1600, 7000}));
    }
    QCOMPARE(slider(kPointerSpeedSlider)->value(), 6);
    QCOMPARE(slider(kPointerSpeedSlider)->maximum(), 10);
    QCOMPARE(slider(kLiftDistanceSlider)->value(), 1);
    QCOMPARE(slider(kLiftDistanceSlider)->maximum(), 32);
    QCOMPARE(qualityBar()->position(), 0);
    QCOMPARE(qualityBar()->maximum(), 10);
    QVERIFY(qualityBar()->isVertical());
    QCOMPARE(label(kSurfacePicture)->imageIndex(), 0);

    CZVRComboButton* snap = angleSnap();
    QCOMPARE(snap->caption(), QStringLiteral("0"));
    QCOMPARE(snap->code(), 0);
    QCOMPARE(snap->menu()->entries().size(), size_t(16));
    QCOMPARE(snap->captionOf(15), QStringLiteral("15"));
    QCOMPARE(snap->menu()->size(), CZVRComboButton::kMenuSize);

    for (size_t level = 0; level < 3; ++level) {
        QVERIFY(!label(kXStepLabels[level])->isVisibleTo(page_));
        QVERIFY(label(kXYStepLabels[level])->isVisibleTo(page_));
        QCOMPARE(label(kAxisPictures[level])->imageIndex(), 0);
    }
    QCOMPARE(label(kXYStepLabels[1])->text(), QStringLiteral("1600"));
    QCOMPARE(definedEdit()->font().family(), QStringLiteral("NeoSansStd-Regular"));
    QCOMPARE(definedEdit()->font().pixelSize(), 13);
    QCOMPARE(QFontInfo(definedEdit()->font()).family(), QStringLiteral("Inter"));
}

void SensorDlgTest::draggingAnXThumbMovesYOnlyWhileTheAxesAreJoined() {
    dragThumb(kXSlider, 2, 420);
    const int moved = slider3D(kXSlider)->thumbValue(2);
    QVERIFY(moved != 1600 && moved % 50 == 0);
    QCOMPARE(Thumbs(*slider3D(kYSlider)), (std::array<int, 3>{400, moved, 7000}));
    QCOMPARE(label(kXYStepLabels[1])->text(), QString::number(moved));

    click(kSeparateBox.rect);
    dragThumb(kXSlider, 2, 520);
    const int apart = slider3D(kXSlider)->thumbValue(2);
    QVERIFY(apart > moved);
    QCOMPARE(slider3D(kYSlider)->thumbValue(2), moved);
    QCOMPARE(label(kXStepLabels[1])->text(), QString::number(apart));
    QCOMPARE(label(kXYStepLabels[1])->text(), QString::number(moved));
    const ProfileRecord record = stored();
    QCOMPARE(record.xySeparate, 1);
    QCOMPARE(record.dpiX2, apart);
    QCOMPARE(record.dpiY2, moved);

    // Joined again, dragging Y moves X.
    click(kSeparateBox.rect);
    dragThumb(kYSlider, 3, 300);
    QCOMPARE(Thumbs(*slider3D(kXSlider)), Thumbs(*slider3D(kYSlider)));
    QVERIFY(slider3D(kXSlider)->thumbValue(3) < 7000);
}

void SensorDlgTest::togglingTheSeparationMakesYEqualX() {
    load(WithLevels(1, {400, 1600, 7000}, {800, 2400, 5000}));
    // The separate Y levels survive the load.
    QCOMPARE(Thumbs(*slider3D(kYSlider)), (std::array<int, 3>{800, 2400, 5000}));
    for (size_t level = 0; level < 3; ++level) {
        QVERIFY(label(kXStepLabels[level])->isVisible());
        QCOMPARE(label(kAxisPictures[level])->imageIndex(), 1);
    }
    QCOMPARE(label(kXStepLabels[2])->text(), QStringLiteral("7000"));
    QCOMPARE(label(kXYStepLabels[2])->text(), QStringLiteral("5000"));

    click(kSeparateBox.rect);
    QCOMPARE(Thumbs(*slider3D(kYSlider)), (std::array<int, 3>{400, 1600, 7000}));
    QCOMPARE(Thumbs(*slider3D(kXSlider)), (std::array<int, 3>{400, 1600, 7000}));
    for (size_t level = 0; level < 3; ++level) {
        QVERIFY(!label(kXStepLabels[level])->isVisible());
        QVERIFY(label(kXYStepLabels[level])->isVisible());
        QCOMPARE(label(kAxisPictures[level])->imageIndex(), 0);
    }
    QCOMPARE(label(kXYStepLabels[2])->text(), QStringLiteral("7000"));

    // Switched on from the keyboard: the axes start equal.
    ControlOf<CVokCheckBox>(*page_, kSeparateBox.id)->setFocus();
    QTest::keyClick(window_->windowHandle(), Qt::Key_Space);
    QCOMPARE(stored().xySeparate, 1);
    QCOMPARE(Thumbs(*slider3D(kYSlider)), Thumbs(*slider3D(kXSlider)));
    QVERIFY(label(kXStepLabels[0])->isVisible());
    QCOMPARE(label(kAxisPictures[0])->imageIndex(), 1);
}

void SensorDlgTest::loadingClampsTheLevelsWithoutRounding() {
    load(WithLevels(1, {30, 425, 9000}, {425, -5, 7000}));
    QCOMPARE(Thumbs(*slider3D(kXSlider)), (std::array<int, 3>{50, 425, 7000}));
    QCOMPARE(Thumbs(*slider3D(kYSlider)), (std::array<int, 3>{425, 50, 7000}));
    QCOMPARE(stored().dpiX2, 425);
    QCOMPARE(label(kXStepLabels[0])->text(), QStringLiteral("50"));
}

void SensorDlgTest::loadingJoinedAxesWithDifferentLevelsShowsTheYLevels() {
    load(WithLevels(0, {400, 1600, 7000}, {800, 2400, 5000}));
    const std::array<int, 3> y{800, 2400, 5000};
    QCOMPARE(Thumbs(*slider3D(kXSlider)), y);
    QCOMPARE(Thumbs(*slider3D(kYSlider)), y);
    QCOMPARE(label(kXYStepLabels[0])->text(), QStringLiteral("800"));
    const ProfileRecord record = stored();
    QCOMPARE(record.dpiX3, 5000);
    QCOMPARE(record.dpiY3, 5000);
}

void SensorDlgTest::storingWritesEverySensorFieldAndNothingElse() {
    ProfileRecord loaded = WithLevels(1, {800, 1650, 3200}, {900, 1700, 4000});
    loaded.definedMode = 1;
    loaded.pointerSpeed = 3;
    loaded.liftDistance = 20;
    loaded.surfaceLevel = 4;
    loaded.angleSnap = 9;
    loaded.definedValue = -12;
    page_->LoadRecord(loaded);

    ProfileRecord record;
    record.name = u"Keep";
    record.wheelLines = 5;
    record.zoneColor2 = 0x123456;
    page_->StoreRecord(record);
    ProfileRecord expected = loaded;
    expected.name = u"Keep";
    expected.wheelLines = 5;
    expected.zoneColor2 = 0x123456;
    QVERIFY(record == expected);
    QCOMPARE(slider(kPointerSpeedSlider)->value(), 3);
    QCOMPARE(qualityBar()->position(), 4);
    QCOMPARE(label(kSurfacePicture)->imageIndex(), 4);
    QCOMPARE(definedEdit()->text(), QStringLiteral("-12"));
    QCOMPARE(angleSnap()->caption(), QStringLiteral("9"));
    QVERIFY(ControlOf<CVokCheckBox>(*page_, kDefinedModeBox.id)->isChecked());

    // Values the pages never write stay on the sliders' tracks.
    ProfileRecord odd;
    odd.pointerSpeed = 0;
    odd.liftDistance = 200;
    odd.surfaceLevel = 40;
    page_->LoadRecord(odd);
    record = stored();
    QCOMPARE(record.pointerSpeed, 1);
    QCOMPARE(record.liftDistance, 32);
    QCOMPARE(record.surfaceLevel, 10);
}

void SensorDlgTest::definedValueIsNormalisedAsItIsEdited_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");
    QTest::newRow("-45 typed becomes -30") << "-45" << false << "-30" << -30;
    QTest::newRow("045 pasted: cut to 04, then the zero goes") << "045" << true << "4" << 4;
    QTest::newRow("99 typed becomes 30") << "99" << false << "30" << 30;
    QTest::newRow("-0 stays") << "-0" << false << "-0" << 0;
    QTest::newRow("a lone minus stays and stores 0") << "-" << false << "-" << 0;
    QTest::newRow("empty stores 0") << "" << false << "" << 0;
    QTest::newRow("-7 stays") << "-7" << false << "-7" << -7;
    QTest::newRow("letters are refused") << "a1b" << false << "1" << 1;
}

void SensorDlgTest::definedValueIsNormalisedAsItIsEdited() {
    QFETCH(QString, keys);
    QFETCH(bool, pasted);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    click(kDefinedValueEdit.rect);
    QCOMPARE(QApplication::focusWidget(), definedEdit());
    QTest::keyClick(window_->windowHandle(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window_->windowHandle(), Qt::Key_Backspace);
    if (pasted) {
        QGuiApplication::clipboard()->setText(keys);
        QTest::keyClick(window_->windowHandle(), Qt::Key_V, Qt::ControlModifier);
    } else {
        type(keys);
    }
    QCOMPARE(definedEdit()->text(), shown);
    QCOMPARE(definedEdit()->cursorPosition(), shown.size());
    QCOMPARE(this->stored().definedValue, stored);
}

void SensorDlgTest::loadedDefinedValueOutsideItsRangeShowsTheNearestEnd() {
    const std::pair<int8_t, const char*> rows[] = {
        {-7, "-7"}, {0, "0"}, {100, "30"}, {-128, "-30"}};
    for (const auto& [value, text] : rows) {
        ProfileRecord record;
        record.definedValue = value;
        page_->LoadRecord(record);
        QCOMPARE(definedEdit()->text(), QString::fromLatin1(text));
    }
}

void SensorDlgTest::angleSnappingChoiceAndUnknownLevels() {
    ProfileRecord record;
    record.angleSnap = 5;
    page_->LoadRecord(record);
    QCOMPARE(angleSnap()->caption(), QStringLiteral("5"));
    record.angleSnap = 16;
    page_->LoadRecord(record);
    QCOMPARE(angleSnap()->caption(), QStringLiteral("5"));
    QCOMPARE(stored().angleSnap, 5);

    click(kAngleSnapButton.rect);
    SkinnedMenu* menu = angleSnap()->menu();
    QVERIFY(menu->isVisible());
    const MenuItem* twelve = menu->findEntry(12);
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                      QPoint(twelve->rect.centerX(), twelve->rect.centerY()));
    QVERIFY(!menu->isVisible());
    QCOMPARE(angleSnap()->caption(), QStringLiteral("12"));
    QCOMPARE(stored().angleSnap, 12);
}

void SensorDlgTest::menuTopMostRequestsReachTheMainWindow() {
    click(kAngleSnapButton.rect);
    SkinnedMenu* menu = angleSnap()->menu();
    QVERIFY(menu->isVisible());
    window_->reports.clear();
    const MenuItem* three = menu->findEntry(3);
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                      QPoint(three->rect.centerX(), three->rect.centerY()));
    QCOMPARE(window_->reports,
             (std::vector<RecordingOwner::Report>{{kTopMostRequestId, 1}, {kTopMostRequestId, 0}}));
}

void SensorDlgTest::pointerSpeedDraggedToTheLeftEndStoresOne() {
    CVokSliderCtrl* speed = slider(kPointerSpeedSlider);
    const QPoint thumb = speed->geometry().topLeft() + speed->thumbRect().center();
    drag(thumb, QPoint(kPointerSpeedSlider.rect.x, thumb.y()));
    QCOMPARE(stored().pointerSpeed, 1);

    CVokSliderCtrl* lift = slider(kLiftDistanceSlider);
    const QPoint liftThumb = lift->geometry().topLeft() + lift->thumbRect().center();
    drag(liftThumb, QPoint(kLiftDistanceSlider.rect.right() - 1, liftThumb.y()));
    QCOMPARE(stored().liftDistance, 32);
}

void SensorDlgTest::analysisShowsTheLevelOfTheMeasuredQuality_data() {
    QTest::addColumn<int>("quality");
    QTest::addColumn<int>("level");
    QTest::newRow("1 is level 0") << 1 << 0;
    QTest::newRow("2 is level 1") << 2 << 1;
    QTest::newRow("50 is level 9") << 50 << 9;
    QTest::newRow("51 is level 10") << 51 << 10;
}

void SensorDlgTest::analysisShowsTheLevelOfTheMeasuredQuality() {
    QFETCH(int, quality);
    QFETCH(int, level);
    SimMouseState state = sim_->mouse.State();
    state.surfaceQuality = static_cast<uint8_t>(quality);
    sim_->mouse.SetState(state);
    ProfileRecord record;
    record.surfaceLevel = 5;
    page_->LoadRecord(record);

    runAnalysis();
    QCOMPARE(qualityBar()->position(), level);
    QCOMPARE(label(kSurfacePicture)->imageIndex(), level);
    QCOMPARE(stored().surfaceLevel, level);
    QCOMPARE(sim_->commands(), (std::vector<std::vector<uint8_t>>{kStartAnalysis, kReadQuality}));
    QVERIFY(messages_.empty());
}

void SensorDlgTest::cancelDuringTheCountdownReadsNothing() {
    ProfileRecord record;
    record.surfaceLevel = 7;
    page_->LoadRecord(record);
    ModalSteps steps;
    steps
        .then([&] {
            CPopDlg* start = TopModal<CPopDlg>();
            QVERIFY(start != nullptr);
            QTest::mouseClick(
                start->windowHandle(), Qt::LeftButton, {},
                ToQRect(popup_layout::FindMode(popup_layout::kSurfaceStart)->ok.rect).center());
        })
        .then([&] {
            clock_.advance(4s);
            CPopDlg* countdown = TopModal<CPopDlg>();
            QVERIFY(countdown != nullptr);
            QCOMPARE(countdown->mode(), popup_layout::kSurfaceCountdown);
            QTest::mouseClick(
                countdown->windowHandle(), Qt::LeftButton, {},
                ToQRect(popup_layout::FindMode(popup_layout::kSurfaceCountdown)->cancel.rect)
                    .center());
        });
    steps.start();
    click(kAnalyzeButton.rect);
    QVERIFY(steps.finished());
    QCOMPARE(qualityBar()->position(), 0);
    QCOMPARE(label(kSurfacePicture)->imageIndex(), 7);
    QCOMPARE(sim_->commands(), (std::vector<std::vector<uint8_t>>{kStartAnalysis}));
    QCOMPARE(stored().surfaceLevel, 0);
}

void SensorDlgTest::failedQualityReadShowsNoLevel() {
    ProfileRecord record;
    record.surfaceLevel = 7;
    page_->LoadRecord(record);
    runAnalysis([&] { sim_->backend.Unplug(); });
    QCOMPARE(messages_, (std::vector<QString>{QStringLiteral("TAVRO mouse not found")}));
    QCOMPARE(qualityBar()->position(), 0);
    QCOMPARE(label(kSurfacePicture)->imageIndex(), 7);
}

void SensorDlgTest::liftDistanceIsSentWithinSixToThirtyOne_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("slider");
    QTest::addColumn<int>("sent");
    QTest::newRow("Test at 1 sends 6") << kTestButton.id << 1 << 6;
    QTest::newRow("Test at 32 sends 31") << kTestButton.id << 32 << 31;
    QTest::newRow("Test at 12 sends 12") << kTestButton.id << 12 << 12;
    QTest::newRow("Save at 1 sends 6") << kSaveButton.id << 1 << 6;
    QTest::newRow("Save at 32 sends 31") << kSaveButton.id << 32 << 31;
}

void SensorDlgTest::liftDistanceIsSentWithinSixToThirtyOne() {
    QFETCH(int, button);
    QFETCH(int, slider);
    QFETCH(int, sent);
    ProfileRecord record;
    record.liftDistance = static_cast<uint8_t>(slider);
    page_->LoadRecord(record);
    click(button == kTestButton.id ? kTestButton.rect : kSaveButton.rect);
    const uint8_t subCommand = button == kTestButton.id ? 0x01 : 0x02;
    QCOMPARE(
        sim_->commands(),
        (std::vector<std::vector<uint8_t>>{{0x60, 0x06, subCommand, 0x00, 0x00, uint8_t(sent)}}));
    QVERIFY(messages_.empty());
    // Neither button changes the profile.
    QCOMPARE(stored().liftDistance, slider);
    if (button == kSaveButton.id) {
        QCOMPARE(sim_->mouse.State().liftDistance, sent);
    }
}

void SensorDlgTest::liftDistanceWithoutAnAnsweringMouse() {
    sim_->backend.Unplug();
    click(kTestButton.rect);
    click(kSaveButton.rect);
    QVERIFY(messages_.empty());
    QVERIFY(sim_->mouse.ReceivedReports().empty());

    sim_->backend.PlugIn();
    sim_->mouse.RefuseSends(EIO, SimRefusal::kAlways);
    click(kTestButton.rect);
    click(kSaveButton.rect);
    QCOMPARE(messages_, (std::vector<QString>{QStringLiteral("Test_LOD failed."),
                                              QStringLiteral("Save_LOD failed.")}));
}

void SensorDlgTest::aSecondPressWhileTheMouseWorksIsIgnored() {
    int interruptions = 0;
    bool pressing = false;
    InterruptedMouse mouse(sim_->actions, [&] {
        ++interruptions;
        if (pressing) {
            return;
        }
        pressing = true;
        click(kSaveButton.rect);
        click(kAnalyzeButton.rect);
        pressing = false;
    });
    rebuildPage(mouse);
    click(kTestButton.rect);
    // The search and the test, each with presses that found the page busy.
    QCOMPARE(interruptions, 2);
    QCOMPARE(sim_->commands().size(), size_t(1));
    QCOMPARE(TopModal<CPopDlg>(), nullptr);
    // Afterwards the buttons work again.
    click(kSaveButton.rect);
    QCOMPARE(sim_->commands().size(), size_t(2));
    QVERIFY(messages_.empty());
}

void SensorDlgTest::aDraggedLevelReachesTheConfigurationImage() {
    ProfileRecord record;
    record.slot = 2;
    page_->LoadRecord(record);
    page_->OnPagesLoaded();
    dragThumb(kXSlider, 2, 600);
    const int level = slider3D(kXSlider)->thumbValue(2);
    QVERIFY(level > 1600);
    page_->StoreRecord(record);

    DeviceProfile device;
    PackProfile(record, device);
    QVERIFY(sim_->link.FindDevice());
    QCOMPARE(WriteImage(sim_->link, device), DeviceResult::kDone);
    const ConfigImage image = sim_->mouse.Image(2);
    // DPI level 2 from byte 60: separate flag, X and Y little-endian.
    QCOMPARE(image[60], 0);
    QCOMPARE(image[61] | image[62] << 8, level);
    QCOMPARE(image[63] | image[64] << 8, level);
    // Level 1 untouched.
    QCOMPARE(image[52] | image[53] << 8, 400);
}

}  // namespace tavro

QTEST_MAIN(tavro::SensorDlgTest)
#include "sensor_dlg_test.moc"
