#include "platform/key_hook_event.h"

namespace tavro {

namespace {

constexpr int kHookMessageNumber = 1192;

}  // namespace

QEvent::Type KeyHookEvent::EventType() {
    static const auto type =
        static_cast<QEvent::Type>(QEvent::registerEventType(kHookMessageNumber));
    return type;
}

KeyHookEvent::KeyHookEvent(uint8_t virtualKey, uint8_t releaseFlag)
    : QEvent(EventType()), virtualKey_(virtualKey), releaseFlag_(releaseFlag) {}

}  // namespace tavro
