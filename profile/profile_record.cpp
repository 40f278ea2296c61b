#include "profile/profile_record.h"

#include <cassert>

namespace tavro {

std::array<ButtonAssignment, kButtonCount> DefaultButtons() {
    std::array<ButtonAssignment, kButtonCount> buttons;
    for (int i = 0; i < kButtonCount; ++i) {
        const uint8_t function = i <= 6 ? static_cast<uint8_t>(i) : uint8_t{15};
        buttons[i] = {static_cast<uint8_t>(i), function, 0, function};
    }
    return buttons;
}

void ResetToDefaults(ProfileRecord& record) {
    ProfileRecord defaults;
    defaults.filePath = std::move(record.filePath);
    defaults.name = std::move(record.name);
    defaults.slot = record.slot;
    defaults.buttonMacros = std::move(record.buttonMacros);
    for (int i = 0; i < kButtonCount; ++i) {
        defaults.buttons[i].defaultFunction = record.buttons[i].defaultFunction;
    }
    record = std::move(defaults);
}

std::u16string DefaultProfileName(int slot) {
    assert(slot >= 0 && slot < kProfileCount);
    return u"Profile" + std::u16string(1, static_cast<char16_t>(u'1' + slot));
}

}  // namespace tavro
