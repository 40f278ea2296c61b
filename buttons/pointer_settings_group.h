#pragma once

#include <memory>
#include <vector>

#include "buttons/pointer_settings.h"

namespace tavro {

// Hands every setting to each member in turn, so the desktop's own settings and the
// program's own follow the same profile.
class PointerSettingsGroup : public PointerSettingsBackend {
public:
    void Add(std::unique_ptr<PointerSettingsBackend> member);
    size_t size() const { return members_.size(); }

    void SetDoubleClickTime(int milliseconds) override;
    void SetPointerSpeed(int speed) override;
    void SetWheelScrollLines(int lines) override;
    void SetAcceleration(const AccelerationTriple& triple) override;

private:
    std::vector<std::unique_ptr<PointerSettingsBackend>> members_;
};

}  // namespace tavro
