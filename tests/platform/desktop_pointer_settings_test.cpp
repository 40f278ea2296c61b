#include <QGuiApplication>
#include <QStyleHints>
#include <QTest>

#include <cstdlib>

#include "buttons/pointer_settings.h"
#include "platform/desktop_pointer_settings.h"
#include "platform/gnome_pointer_settings.h"
#include "platform/qt_pointer_settings.h"

namespace tavro {

class DesktopPointerSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Keep GSettings writes inside this process.
        qputenv("GSETTINGS_BACKEND", "memory");
    }

    void qtSettingsFollowDoubleClickAndWheelLines() {
        QtPointerSettings qt;
        QStyleHints* hints = QGuiApplication::styleHints();
        qt.SetDoubleClickTime(1400);
        qt.SetWheelScrollLines(6);
        QCOMPARE(hints->mouseDoubleClickInterval(), 1400);
        QCOMPARE(hints->wheelScrollLines(), 6);

        qt.SetWheelScrollLines(kWheelPageScroll);  // Qt cannot scroll by pages: unchanged
        qt.SetPointerSpeed(20);
        qt.SetAcceleration(AccelerationForLevel(3));
        QCOMPARE(hints->wheelScrollLines(), 6);

        qt.SetDoubleClickTime(1600 - 32767);
        qt.SetWheelScrollLines(-32768);
        QCOMPARE(hints->mouseDoubleClickInterval(), kMinDoubleClickTime);
        QCOMPARE(hints->wheelScrollLines(), 1);
    }

    void eachDesktopGetsItsOwnSettingsAndTheProgramsOwn() {
        const size_t gnome = GnomePointerSettings::SchemaInstalled() ? 2 : 1;
        QCOMPARE(CreatePointerSettings(DesktopKind::kGnome)->size(), gnome);
        QCOMPARE(CreatePointerSettings(DesktopKind::kKdePlasma)->size(), size_t{2});
        QCOMPARE(CreatePointerSettings(DesktopKind::kOther)->size(), size_t{1});
    }
};

}  // namespace tavro

QTEST_MAIN(tavro::DesktopPointerSettingsTest)
#include "desktop_pointer_settings_test.moc"
