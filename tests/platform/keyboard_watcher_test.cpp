#include <QKeyEvent>
#include <QTest>
#include <QWindow>

#include <memory>
#include <vector>

#include "hook_target.h"
#include "platform/application_keyboard_watcher.h"
#include "platform/create_keyboard_watcher.h"
#include "tests/support/fake_keyboard_watcher.h"

namespace tavro {
namespace {

// A window that records the keys it gets, to show that watching swallows none.
class FocusWindow : public QWindow {
public:
    std::vector<int> pressed;
    std::vector<int> released;

protected:
    void keyPressEvent(QKeyEvent* event) override { pressed.push_back(event->key()); }
    void keyReleaseEvent(QKeyEvent* event) override { released.push_back(event->key()); }
};

void SendKey(QObject* receiver, QEvent::Type type, int key, quint32 xKeycode) {
    QKeyEvent event(type, key, Qt::NoModifier, xKeycode, 0, 0);
    QCoreApplication::sendEvent(receiver, &event);
}

}  // namespace

class KeyboardWatcherTest : public QObject {
    Q_OBJECT

private slots:
    void deliversPressAndReleaseAfterTheCallReturns() {
        FakeKeyboardWatcher watcher;
        HookTarget target;
        QVERIFY(watcher.Install(&target));
        watcher.InjectKey(0x74, false);
        watcher.InjectKey(0x74, true);
        QVERIFY(target.received.empty());  // posted, like the hook's message
        QCoreApplication::sendPostedEvents();
        QCOMPARE(target.received, (std::vector<ReceivedKey>{{0x74, 0}, {0x74, 0x80}}));
    }

    void installingForAnotherTargetReplacesTheFirst() {
        FakeKeyboardWatcher watcher;
        HookTarget popUp;
        HookTarget recorder;
        QVERIFY(watcher.Install(&popUp));
        QVERIFY(watcher.Install(&recorder));
        QCOMPARE(watcher.startCount(), 1);
        watcher.InjectKey(0x41, false);

        watcher.Remove(&popUp);  // no longer the target: changes nothing
        QVERIFY(watcher.isWatching());
        watcher.InjectKey(0x42, false);
        QCoreApplication::sendPostedEvents();
        QVERIFY(popUp.received.empty());
        QCOMPARE(recorder.received, (std::vector<ReceivedKey>{{0x41, 0}, {0x42, 0}}));

        watcher.Remove(&recorder);
        QVERIFY(!watcher.isWatching());
        watcher.InjectKey(0x43, false);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(recorder.received.size(), size_t{2});
    }

    void aDestroyedTargetStopsTheWatcher() {
        FakeKeyboardWatcher watcher;
        auto target = std::make_unique<HookTarget>();
        QVERIFY(watcher.Install(target.get()));
        watcher.InjectKey(0x41, false);  // still queued when the target goes
        target.reset();
        QVERIFY(!watcher.isWatching());
        QCOMPARE(watcher.target(), nullptr);
        watcher.InjectKey(0x42, false);
        QCoreApplication::sendPostedEvents();
    }

    void aFailedInstallChangesNothing() {
        FakeKeyboardWatcher watcher;
        watcher.setStartFails(true);
        HookTarget target;
        QVERIFY(!watcher.Install(&target));
        QCOMPARE(watcher.target(), nullptr);
        watcher.InjectKey(0x41, false);
        QCoreApplication::sendPostedEvents();
        QVERIFY(target.received.empty());

        watcher.setStartFails(false);
        QVERIFY(watcher.Install(&target));
        watcher.setStartFails(true);  // already watching: a new target needs no new start
        HookTarget other;
        QVERIFY(watcher.Install(&other));
        QCOMPARE(watcher.target(), &other);
    }

    void offscreenWatchesOnlyTheProgramsOwnWindows() {
        QCOMPARE(CreateKeyboardWatcher()->scope(), KeyWatchScope::kProgramWindows);
    }

    void applicationWatcherReportsByKeyPositionAndSwallowsNothing() {
        ApplicationKeyboardWatcher watcher;
        HookTarget target;
        FocusWindow window;
        QVERIFY(watcher.Install(&target));

        SendKey(&window, QEvent::KeyPress, Qt::Key_Control, 105);  // right Ctrl
        SendKey(&window, QEvent::KeyRelease, Qt::Key_Control, 105);
        SendKey(&window, QEvent::KeyPress, Qt::Key_Menu, 135);  // Application key
        SendKey(&window, QEvent::KeyPress, Qt::Key_A, 0);       // synthetic: no key position
        SendKey(&target, QEvent::KeyPress, Qt::Key_B, 56);      // passed on to a non-window
        QCoreApplication::sendPostedEvents();

        QCOMPARE(target.received,
                 (std::vector<ReceivedKey>{{0xA3, 0}, {0xA3, 0x80}, {0x5D, 0}, {0, 0}}));
        QCOMPARE(window.pressed, (std::vector<int>{Qt::Key_Control, Qt::Key_Menu, Qt::Key_A}));
        QCOMPARE(window.released, (std::vector<int>{Qt::Key_Control}));

        watcher.Remove(&target);
        SendKey(&window, QEvent::KeyPress, Qt::Key_Control, 105);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(target.received.size(), size_t{4});
        QCOMPARE(window.pressed.size(), size_t{4});
    }
};

}  // namespace tavro

QTEST_MAIN(tavro::KeyboardWatcherTest)
#include "keyboard_watcher_test.moc"
