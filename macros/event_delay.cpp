#include "macros/event_delay.h"

#include <algorithm>

#include "device/config_image.h"

namespace tavro {

int32_t EventDelay(uint64_t milliseconds) {
    return static_cast<int32_t>(std::min<uint64_t>(milliseconds, kMaxImageDelay));
}

int32_t EventDelayFromDigits(std::u16string_view digits) {
    uint64_t value = 0;
    for (char16_t c : digits) {
        if (c < u'0' || c > u'9') {
            break;
        }
        // Past the limit the rest of the digits change nothing.
        value = std::min<uint64_t>(value * 10 + (c - u'0'), kMaxImageDelay);
    }
    return EventDelay(value);
}

}  // namespace tavro
