#pragma once

#include <QEvent>
#include <QObject>

namespace tavro {

// Controls report to the window that owns them with two numbers: the control's
// identifier (or a code) and a value. Both travel synchronously, so the owner has
// handled a report before the control goes on (a drop-down button relies on this to
// let its owner veto a choice).

// The identifier with which a menu asks the main window to stay on top (value 1) while
// one of its windows hides, and to stop (value 0) afterwards.
inline constexpr int kTopMostRequestId = 2234;

class OwnerNotifyEvent : public QEvent {
public:
    static QEvent::Type eventType();

    OwnerNotifyEvent(int id, int value) : QEvent(eventType()), id_(id), value_(value) {}

    int id() const { return id_; }
    int value() const { return value_; }

private:
    int id_;
    int value_;
};

// A click of a button or check box, as the owner's command with the control's identifier.
class ControlCommandEvent : public QEvent {
public:
    static QEvent::Type eventType();

    explicit ControlCommandEvent(int id) : QEvent(eventType()), id_(id) {}

    int id() const { return id_; }

private:
    int id_;
};

// Nothing is sent to a missing owner.
void NotifyOwner(QObject* owner, int id, int value);
void SendCommand(QObject* owner, int id);

// The dialog identifier of a control: 0 until set.
void SetControlId(QObject* control, int id);
int ControlId(const QObject* control);

// The owner of a plain control is the window that contains it.
void NotifyParent(QObject* control, int value);
void SendCommandToParent(QObject* control);

// Unpacks the two events for a window that dispatches on them; other events are left.
class OwnerNotificationReceiver {
public:
    virtual ~OwnerNotificationReceiver() = default;

    // True when `event` was a report or command and has been handed on.
    bool dispatchOwnerEvent(QEvent* event);

protected:
    virtual void onNotify(int id, int value) = 0;
    virtual void onCommand(int id) = 0;
};

}  // namespace tavro
