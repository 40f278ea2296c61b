// Edits made on the real pages reach the mouse: the main window with its own page set,
// the simulated mouse behind a state file, temporary XDG folders. Controls are clicked
// at the centres of their rectangles in the layout tables.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>

#include "app/main_window_layout.h"
#include "app/tavro_dlg.h"
#include "device/config_image.h"
#include "lighting/lighting_layout.h"
#include "lighting/lighting_palette.h"
#include "profile/little_endian.h"
#include "sensor/sensor_layout.h"
#include "sensor/vok_slider_ctrl_3d.h"
#include "sim/sim_backend.h"
#include "sim/sim_mouse.h"
#include "sim/sim_plug_events.h"
#include "sim/sim_state_file.h"
#include "skin/layout_qt.h"
#include "tests/support/generated_skin.h"
#include "tests/support/recording_pointer_settings.h"
#include "tests/support/recording_sleeper.h"

namespace tavro {
namespace {

using testing::PlacedChild;

// A click as the pointer gives it: to the control under the point of `window` (the main
// window, or a page whose layout is in page pixels).
void ClickAt(QWidget& window, const LayoutRect& rect) {
    const QPoint point(rect.centerX(), rect.centerY());
    QWidget* target = window.childAt(point);
    QVERIFY2(target != nullptr, "no control at the point");
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window, point));
}

struct Program {
    Program() {
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        prepared = PrepareSimStateFile(stateFile).ok();
    }
    ~Program() {
        window.reset();
        qunsetenv("XDG_DATA_HOME");
    }

    CTavroDlg& Start() {
        window = std::make_unique<CTavroDlg>(TavroServices{
            .skin = testing::GeneratedSkin(),
            .link = link,
            .deviceEvents = &events,
            .pointerSettings = pointer,
            .addressOpener = opener,
            .showMessage = [this](QWidget*, const QString& text) { messages.append(text); },
            .trayAvailable = [] { return true; },
            .arrivalDelay = std::chrono::milliseconds(0),
        });
        window->deviceWorker().WaitUntilIdle();
        window->show();
        return *window;
    }

    void Apply() {
        ClickAt(*window, main_window_layout::kApplyButton.rect);
        window->deviceWorker().WaitUntilIdle();
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'|')));
    }

    ConfigImage ImageOfSlot(int slot) { return mouse.Image(slot); }

    QTemporaryDir data;
    std::filesystem::path stateFile{data.filePath(QStringLiteral("mouse.state")).toStdString()};
    bool prepared = false;
    SimMouse mouse{stateFile};
    SimHidBackend backend{mouse};
    RecordingSleeper sleeper;
    DeviceLink link{backend, sleeper};
    SimPlugEvents events{stateFile};
    RecordingPointerSettings pointer;
    RecordingAddressOpener opener;
    QStringList messages;
    std::unique_ptr<CTavroDlg> window;
};

class PageApplyTest : public QObject {
    Q_OBJECT

private slots:
    void aDpiThumbDraggedOnTheSensorPageReachesTheMouse() {
        Program program;
        QVERIFY(program.prepared);
        CTavroDlg& window = program.Start();
        ClickAt(window, main_window_layout::kSensorTab.rect);
        auto* page = window.pages().sensor;
        QVERIFY(page->isVisible());
        auto* slider = PlacedChild<CVokSliderCtrl3D>(*page, sensor_layout::kXSlider);
        QVERIFY(slider != nullptr);

        const QPoint grab = slider->thumbRect(2).center();
        QTest::mousePress(slider, Qt::LeftButton, {}, grab);
        QTest::mouseMove(slider, grab + QPoint(60, 0));
        QTest::mouseRelease(slider, Qt::LeftButton, {}, grab + QPoint(60, 0));
        const int level = slider->thumbValue(2);
        QVERIFY(level != 1600);
        QCOMPARE(level % 50, 0);

        program.Apply();
        const ConfigImage image = program.ImageOfSlot(0);
        // DPI level 2: X at 61, Y at 63, equal while the axes are joined.
        QCOMPARE(int(LoadU16(&image[61])), level);
        QCOMPARE(int(LoadU16(&image[63])), level);
    }

    void aPaletteColourPickedOnTheLightingPageReachesTheMouse() {
        Program program;
        QVERIFY(program.prepared);
        CTavroDlg& window = program.Start();
        ClickAt(window, main_window_layout::kColorSettingsTab.rect);
        auto* page = window.pages().lighting;
        QVERIFY(page->isVisible());
        constexpr int kOrange = 2;  // row 1, column 3
        ClickAt(*page, lighting_layout::kPaletteButtons[kOrange].rect);

        program.Apply();
        const ConfigImage image = program.ImageOfSlot(0);
        const PaletteColour colour = kLightingPalette[kOrange];
        // Zone records of zones 1 and 4: red, green, blue, then the effect byte.
        for (const int offset : {23, 27}) {
            QCOMPARE(int(image[offset]), int(colour.red));
            QCOMPARE(int(image[offset + 1]), int(colour.green));
            QCOMPARE(int(image[offset + 2]), int(colour.blue));
        }
    }
};

}  // namespace
}  // namespace tavro

QTEST_MAIN(tavro::PageApplyTest)
#include "page_apply_test.moc"
