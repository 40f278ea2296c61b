#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include "skin/vok_button.h"
#include "skin/vok_check_box.h"
#include "tests/support/control_pictures.h"
#include "tests/support/recording_owner.h"

namespace tavro {
namespace {

constexpr QRgb kBehind = 0xFFFF00FF;
constexpr QRgb kNormal = 0xFFFF0000;
constexpr QRgb kOver = 0xFF00FF00;
constexpr QRgb kDown = 0xFF0000FF;
constexpr QRgb kDisable = 0xFFFFFF00;

FourStateImages AllLooks() {
    return {Solid(kNormal), Solid(kOver), Solid(kDown), Solid(kDisable)};
}

// The looks and the state machine are the base's (skinned_button_test); here what the
// push button and the check box add: the caption, the reports and the toggling.
bool HasPixel(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

// Moves the pointer onto `point` of `control` from outside it, so that the move is seen
// even where an earlier test left the pointer.
void Hover(QWidget& control, QPoint point) {
    QTest::mouseMove(control.window(), QPoint(199, 99));
    QTest::mouseMove(&control, point);
}

// A shown window holding one control at (10, 10).
struct Window {
    RecordingOwner owner;
    Window() {
        owner.resize(200, 100);
        owner.show();
    }
    template <typename Control>
    Control& place(Control& control) {
        control.setGeometry(10, 10, 80, 30);
        control.show();
        return control;
    }
};

}  // namespace

class VokButtonTest : public QObject {
    Q_OBJECT

private slots:
    void captionColourFollowsTheState_data();
    void captionColourFollowsTheState();
    void reportsEnteringOnceAndClicksAsCommands();
    void checkBoxTogglesAndShowsThePressedLookWhenChecked();
};

void VokButtonTest::captionColourFollowsTheState_data() {
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<uint>("expected");
    QTest::newRow("normal") << false << false << true << uint{CVokButton::kDefaultTextColour};
    QTest::newRow("hovered") << true << false << true << uint{CVokButton::kHoverTextColour};
    QTest::newRow("selected") << true << true << true
                              << uint{CVokButton::kDefaultSelectedTextColour};
    QTest::newRow("disabled and selected is grey")
        << false << true << false << uint{CVokButton::kDisabledTextColour};
}

void VokButtonTest::captionColourFollowsTheState() {
    QFETCH(bool, hovered);
    QFETCH(bool, selected);
    QFETCH(bool, enabled);
    QFETCH(uint, expected);
    Window window;
    CVokButton button(1005, &window.owner);
    window.place(button).setText(QStringLiteral("HIH"));
    button.setSelected(selected);
    button.setEnabled(enabled);
    if (hovered) {
        Hover(button, QPoint(20, 15));
    }
    const QImage shown = Rendered(button, kBehind);
    QVERIFY(HasPixel(shown, expected));
    // Centred with the left edge moved right: nothing of the caption in the first pixels.
    QCOMPARE(shown.copy(0, 0, CVokButton::kCaptionIndent + 20, 30), [] {
        QImage empty(CVokButton::kCaptionIndent + 20, 30, QImage::Format_ARGB32);
        empty.fill(kBehind);
        return empty;
    }());
}

void VokButtonTest::reportsEnteringOnceAndClicksAsCommands() {
    Window window;
    CVokButton button(1005, &window.owner);
    window.place(button);
    Hover(button, QPoint(20, 15));
    QTest::mouseMove(&button, QPoint(30, 15));
    QCOMPARE(window.owner.reports, (std::vector<RecordingOwner::Report>{{1005, 0}}));
    QTest::mouseMove(&window.owner, QPoint(150, 80));
    QCOMPARE(button.visualState(), SkinnedButton::VisualState::Normal);
    Hover(button, QPoint(20, 15));
    QCOMPARE(window.owner.reports.size(), size_t{2});

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 15));
    QCOMPARE(button.visualState(), SkinnedButton::VisualState::Pressed);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(20, 15));
    QCOMPARE(button.visualState(), SkinnedButton::VisualState::Normal);
    QCOMPARE(window.owner.commands, std::vector<int>{1005});

    // Dragged off with the button held: the moves outside still arrive, and change
    // nothing once the button has let the pointer go.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 15));
    QMouseEvent outside(QEvent::MouseMove, QPointF(120, 15), button.mapToGlobal(QPointF(120, 15)),
                        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &outside);
    QCOMPARE(button.visualState(), SkinnedButton::VisualState::Normal);
    QCoreApplication::sendEvent(&button, &outside);
    QCOMPARE(button.visualState(), SkinnedButton::VisualState::Normal);
    QCOMPARE(window.owner.reports.size(), size_t{2});
}

void VokButtonTest::checkBoxTogglesAndShowsThePressedLookWhenChecked() {
    Window window;
    CVokCheckBox box(1018, &window.owner);
    window.place(box).setImages(AllLooks());
    QCOMPARE(Rendered(box, kBehind).pixel(40, 15), kNormal);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(20, 15));
    QVERIFY(box.isChecked());
    QCOMPARE(window.owner.commands, std::vector<int>{1018});
    QTest::mouseMove(&window.owner, QPoint(150, 80));
    QCOMPARE(Rendered(box, kBehind).pixel(40, 15), kDown);
    QVERIFY(window.owner.reports.empty());
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(20, 15));
    QVERIFY(!box.isChecked());
}

}  // namespace tavro

QTEST_MAIN(tavro::VokButtonTest)
#include "vok_button_test.moc"
