#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <cstdint>

namespace tavro {

enum class KeyWatchScope {
    kAllWindows,      // every key typed anywhere on the desktop
    kProgramWindows,  // only keys typed into this program's own windows
};

// The process-wide keyboard watcher shared by key capture and the macro recorder: one
// target at a time, which receives a KeyHookEvent for every key press and release on
// the user-interface thread. Keys are only watched, never swallowed: they still reach
// the window that has the focus.
class KeyboardWatcher : public QObject {
    Q_OBJECT

public:
    // Makes target the one receiver, in place of any earlier one, starting to watch if
    // needed. False when watching cannot start; nothing changes then.
    bool Install(QObject* target);
    // Stops watching, if target is still the receiver; a target replaced by a later
    // Install no longer owns the watcher. A destroyed target is removed by itself.
    void Remove(QObject* target);

    QObject* target() const { return target_; }
    bool isWatching() const { return watching_; }
    virtual KeyWatchScope scope() const = 0;

protected:
    virtual bool StartWatching() = 0;
    virtual void StopWatching() = 0;

    // For every key event, on the user-interface thread.
    void Report(uint8_t virtualKey, bool released);
    // Stops watching and forgets the target. Concrete watchers also call it from their
    // destructors, while their StopWatching can still run.
    void Stop();

private:
    bool watching_ = false;
    QPointer<QObject> target_;
    QMetaObject::Connection targetDestroyed_;
};

}  // namespace tavro
