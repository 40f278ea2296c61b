#pragma once

#include <QObject>

#include <vector>

#include "platform/key_hook_event.h"

namespace tavro {

struct ReceivedKey {
    unsigned virtualKey;
    unsigned releaseFlag;
    bool operator==(const ReceivedKey&) const = default;
};

// Stands in for the key-capture pop-up or the macro page: collects the watcher's messages.
class HookTarget : public QObject {
public:
    std::vector<ReceivedKey> received;

protected:
    bool event(QEvent* event) override {
        if (event->type() == KeyHookEvent::EventType()) {
            const auto* key = static_cast<KeyHookEvent*>(event);
            received.push_back({key->virtualKey(), key->releaseFlag()});
            return true;
        }
        return QObject::event(event);
    }
};

}  // namespace tavro
