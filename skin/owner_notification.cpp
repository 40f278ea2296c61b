#include "skin/owner_notification.h"

#include <QCoreApplication>
#include <QVariant>

namespace tavro {

namespace {

constexpr const char* kControlIdProperty = "tavroControlId";

}  // namespace

QEvent::Type OwnerNotifyEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QEvent::Type ControlCommandEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void NotifyOwner(QObject* owner, int id, int value) {
    if (owner == nullptr) {
        return;
    }
    OwnerNotifyEvent event(id, value);
    QCoreApplication::sendEvent(owner, &event);
}

void SendCommand(QObject* owner, int id) {
    if (owner == nullptr) {
        return;
    }
    ControlCommandEvent event(id);
    QCoreApplication::sendEvent(owner, &event);
}

void SetControlId(QObject* control, int id) {
    control->setProperty(kControlIdProperty, id);
}

int ControlId(const QObject* control) {
    return control->property(kControlIdProperty).toInt();
}

void NotifyParent(QObject* control, int value) {
    NotifyOwner(control->parent(), ControlId(control), value);
}

void SendCommandToParent(QObject* control) {
    SendCommand(control->parent(), ControlId(control));
}

bool OwnerNotificationReceiver::dispatchOwnerEvent(QEvent* event) {
    if (event->type() == OwnerNotifyEvent::eventType()) {
        const auto* report = static_cast<OwnerNotifyEvent*>(event);
        onNotify(report->id(), report->value());
        return true;
    }
    if (event->type() == ControlCommandEvent::eventType()) {
        onCommand(static_cast<ControlCommandEvent*>(event)->id());
        return true;
    }
    return false;
}

}  // namespace tavro
