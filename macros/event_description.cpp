#include "macros/event_description.h"

#include "macros/macro_model.h"

namespace tavro {
namespace {

struct Description {
    int16_t key;
    std::string_view press;
    std::string_view release;
};

constexpr Description kDescriptions[] = {
    {kKeyLeftButton, "Left button Down", "Left button Up"},
    {kKeyRightButton, "Right button Down", "Right button Up"},
    {kKeyMiddleButton, "Middle button Down", "Middle button Up"},
    {kKeyBackButton, "Back button Down", "Back button Up"},
    {kKeyForwardButton, "Forward button Down", "Forward button Up"},
};

}  // namespace

std::string_view EventDescription(int16_t key, uint8_t direction) {
    // A wheel step is the same whatever direction it carries.
    if (key == kKeyWheelUp) {
        return "Scroll wheel Up";
    }
    if (key == kKeyWheelDown) {
        return "Scroll wheel Down";
    }
    for (const Description& d : kDescriptions) {
        if (d.key == key) {
            return direction == kDirectionPress     ? d.press
                   : direction == kDirectionRelease ? d.release
                                                    : std::string_view{};
        }
    }
    return {};
}

}  // namespace tavro
