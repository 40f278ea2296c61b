// The state machine, the choice of look, the keys and the focus mark that every skinned
// button shares, tested once on the base.
#include <QAccessible>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include "skin/accent_colour.h"
#include "skin/place_control.h"
#include "skin/skinned_button.h"
#include "skin/vok_button.h"
#include "skin/vok_check_box.h"
#include "skin/vok_static.h"
#include "tests/support/control_pictures.h"
#include "tests/support/recording_owner.h"

namespace tavro {
namespace {

using State = SkinnedButton::VisualState;

constexpr QRgb kBehind = 0xFFFF00FF;
constexpr QRgb kNormal = 0xFFFF0000;
constexpr QRgb kOver = 0xFF00FF00;
constexpr QRgb kDown = 0xFF0000FF;
constexpr QRgb kDisable = 0xFFFFFF00;
constexpr QPoint kInside(20, 15);

// The base with nothing of its own.
class PlainButton : public SkinnedButton {
public:
    explicit PlainButton(QWidget* parent) : SkinnedButton(1005, parent) {}
    using SkinnedButton::setLooks;
};

FourStateImages Looks(bool over = true, bool down = true, bool disable = true) {
    return {Solid(kNormal), over ? Solid(kOver) : QImage(), down ? Solid(kDown) : QImage(),
            disable ? Solid(kDisable) : QImage()};
}

void SendMove(QWidget& control, QPoint point, Qt::MouseButtons held) {
    QMouseEvent move(QEvent::MouseMove, QPointF(point), control.mapToGlobal(QPointF(point)),
                     Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&control, &move);
}

// Moves the pointer onto `point` of `control` from outside it.
void Hover(QWidget& control, QPoint point = kInside) {
    QTest::mouseMove(control.window(), QPoint(199, 99));
    QTest::mouseMove(&control, point);
}

int CountPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour;
        }
    }
    return count;
}

// A shown, active window holding controls at (10, 10).
struct Window {
    RecordingOwner owner;
    bool active = false;
    Window() {
        owner.resize(200, 100);
        owner.show();
        owner.activateWindow();
        active = QTest::qWaitForWindowActive(&owner);
    }
    template <typename Control>
    Control& place(Control& control, int x = 10) {
        control.setGeometry(x, 10, 80, 30);
        control.show();
        return control;
    }
};

}  // namespace

class SkinnedButtonTest : public QObject {
    Q_OBJECT

private slots:
    void stateAndLookFollowThePointerAndTheKeys();
    void spaceAndEnterClickLikeThePointer();
    void focusMarkShowsOnlyForTheKeyboard();
    void placingNamesControlsForAssistiveTools();
};

void SkinnedButtonTest::stateAndLookFollowThePointerAndTheKeys() {
    const struct {
        const char* name;
        FourStateImages looks;
        std::function<void(PlainButton&)> act;
        State state;
        QRgb shown;
    } rows[] = {
        {"idle", Looks(), [](PlainButton&) {}, State::Normal, kNormal},
        {"hovered", Looks(), [](PlainButton& b) { Hover(b); }, State::Hover, kOver},
        {"pressed", Looks(),
         [](PlainButton& b) {
             Hover(b);
             QTest::mousePress(&b, Qt::LeftButton, {}, kInside);
         },
         State::Pressed, kDown},
        {"released over it", Looks(),
         [](PlainButton& b) {
             Hover(b);
             QTest::mouseClick(&b, Qt::LeftButton, {}, kInside);
         },
         State::Normal, kNormal},
        {"entered with the button held", Looks(),
         [](PlainButton& b) { SendMove(b, kInside, Qt::LeftButton); }, State::Pressed, kDown},
        {"left again", Looks(),
         [](PlainButton& b) {
             Hover(b);
             QTest::mouseMove(b.window(), QPoint(199, 99));
         },
         State::Normal, kNormal},
        {"selected shows pressed", Looks(), [](PlainButton& b) { b.setSelected(true); },
         State::Normal, kDown},
        {"selected without a pressed look shows its state", Looks(true, false),
         [](PlainButton& b) {
             b.setSelected(true);
             Hover(b);
         },
         State::Hover, kOver},
        {"disabled wins over selected", Looks(),
         [](PlainButton& b) {
             b.setSelected(true);
             b.setEnabled(false);
         },
         State::Normal, kDisable},
        {"disabled without a disabled look shows its state", Looks(true, true, false),
         [](PlainButton& b) { b.setEnabled(false); }, State::Normal, kNormal},
        {"a missing hover look draws nothing", Looks(false), [](PlainButton& b) { Hover(b); },
         State::Hover, kBehind},
        {"Space held", Looks(),
         [](PlainButton& b) {
             b.setFocus(Qt::OtherFocusReason);
             QTest::keyPress(&b, Qt::Key_Space);
         },
         State::Pressed, kDown},
        {"Space let go", Looks(),
         [](PlainButton& b) {
             b.setFocus(Qt::OtherFocusReason);
             QTest::keyClick(&b, Qt::Key_Space);
         },
         State::Normal, kNormal},
        {"Escape takes back a Space press", Looks(),
         [](PlainButton& b) {
             b.setFocus(Qt::OtherFocusReason);
             QTest::keyPress(&b, Qt::Key_Space);
             QTest::keyClick(&b, Qt::Key_Escape);
         },
         State::Normal, kNormal},
    };
    for (const auto& row : rows) {
        Window window;
        QVERIFY(window.active);
        PlainButton button(&window.owner);
        window.place(button).setLooks(row.looks);
        row.act(button);
        QVERIFY2(button.visualState() == row.state, row.name);
        QVERIFY2(Rendered(button, kBehind).pixel(40, 15) == row.shown, row.name);
    }
}

void SkinnedButtonTest::spaceAndEnterClickLikeThePointer() {
    Window window;
    QVERIFY(window.active);
    CVokButton button(1041, &window.owner);
    CVokCheckBox box(1018, &window.owner);
    window.place(button);
    window.place(box, 100);
    QSignalSpy clicks(&button, &QAbstractButton::clicked);

    button.setFocus(Qt::TabFocusReason);
    QTest::keyPress(&button, Qt::Key_Space);
    QCOMPARE(clicks.count(), 0);
    QTest::keyRelease(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Return);
    QTest::keyClick(&button, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(clicks.count(), 3);
    QCOMPARE(window.owner.commands, (std::vector<int>{1041, 1041, 1041}));

    box.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&box, Qt::Key_Space);
    QVERIFY(box.isChecked());
    QTest::keyClick(&box, Qt::Key_Return);
    QVERIFY(!box.isChecked());
    QCOMPARE(window.owner.commands, (std::vector<int>{1041, 1041, 1041, 1018, 1018}));
    // Keys report no pointer entering.
    QVERIFY(window.owner.reports.empty());
}

void SkinnedButtonTest::focusMarkShowsOnlyForTheKeyboard() {
    Window window;
    QVERIFY(window.active);
    PlainButton first(&window.owner);
    PlainButton second(&window.owner);
    window.place(first).setLooks(Looks());
    window.place(second, 100).setLooks(Looks());
    const auto marked = [](PlainButton& button) {
        return CountPixels(Rendered(button, kBehind), kAccentColour) > 20;
    };

    QTest::mouseClick(&first, Qt::LeftButton, {}, kInside);
    QVERIFY(first.hasFocus());
    QVERIFY(!marked(first));
    QTest::keyClick(&first, Qt::Key_Tab);
    QVERIFY(second.hasFocus());
    QVERIFY(marked(second));
    QVERIFY(!marked(first));
    // A pointer press hides it again; a key the button takes brings it back.
    QTest::mousePress(&second, Qt::LeftButton, {}, kInside);
    QVERIFY(!marked(second));
    QTest::mouseRelease(&second, Qt::LeftButton, {}, kInside);
    QTest::keyClick(&second, Qt::Key_Space);
    QVERIFY(marked(second));
    // The mark is the program's, over every look.
    second.setSelected(true);
    QVERIFY(marked(second));
}

void SkinnedButtonTest::placingNamesControlsForAssistiveTools() {
    Window window;
    const auto nameOf = [](QWidget& control) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control);
        return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
    };
    auto* apply = CreatePlaced<CVokButton>({1042, "Apply", 20, {617, 563, 55, 24}}, &window.owner);
    QCOMPARE(ControlId(apply), 1042);
    QCOMPARE(apply->geometry(), QRect(617, 563, 55, 24));
    QCOMPARE(nameOf(*apply), QStringLiteral("Apply"));

    // A profile button has no caption in the template: it is read by the name it shows.
    auto* profile = CreatePlaced<CVokButton>({1007, "", 8, {25, 187, 140, 20}}, &window.owner);
    profile->setText(QStringLiteral("Gaming"));
    QCOMPARE(nameOf(*profile), QStringLiteral("Gaming"));

    auto* label =
        CreatePlaced<CVokStatic>({1080, "FirmwareVer", -1, {239, 7, 29, 13}}, &window.owner);
    label->setText(QStringLiteral("1.24"));
    QCOMPARE(label->accessibleName(), QStringLiteral("FirmwareVer"));
    QCOMPARE(label->accessibleDescription(), QStringLiteral("1.24"));

    // No place in this layout: hidden, out of the Tab order.
    auto* cancel = CreatePlaced<CVokButton>({1077, "Cancel", -1, {}}, &window.owner);
    QVERIFY(cancel->isHidden());
}

}  // namespace tavro

QTEST_MAIN(tavro::SkinnedButtonTest)
#include "skinned_button_test.moc"
