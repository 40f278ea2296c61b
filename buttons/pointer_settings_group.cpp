#include "buttons/pointer_settings_group.h"

#include <cassert>
#include <utility>

namespace tavro {

void PointerSettingsGroup::Add(std::unique_ptr<PointerSettingsBackend> member) {
    assert(member);
    members_.push_back(std::move(member));
}

void PointerSettingsGroup::SetDoubleClickTime(int milliseconds) {
    for (auto& member : members_) {
        member->SetDoubleClickTime(milliseconds);
    }
}

void PointerSettingsGroup::SetPointerSpeed(int speed) {
    for (auto& member : members_) {
        member->SetPointerSpeed(speed);
    }
}

void PointerSettingsGroup::SetWheelScrollLines(int lines) {
    for (auto& member : members_) {
        member->SetWheelScrollLines(lines);
    }
}

void PointerSettingsGroup::SetAcceleration(const AccelerationTriple& triple) {
    for (auto& member : members_) {
        member->SetAcceleration(triple);
    }
}

}  // namespace tavro
