#pragma once

#include <cstdint>

#include "device/device_commands.h"
#include "device/device_link.h"

namespace tavro {

// What a page or a pop-up may ask of the mouse. Pages never hold the device link: the
// main window implements this so that each exchange runs without freezing the window
// and never beside an Apply.
class MouseActions {
public:
    virtual ~MouseActions() = default;

    virtual bool deviceFound() const = 0;
    // A new search; leaves the handle open on success.
    virtual bool FindDevice() = 0;
    virtual void CloseDevice() = 0;

    virtual DeviceResult StartSurfaceAnalysis() = 0;
    virtual DeviceResult ReadSurfaceQuality(uint8_t& quality) = 0;
    virtual DeviceResult TestLiftDistance(uint8_t distance) = 0;
    virtual DeviceResult SaveLiftDistance(uint8_t distance) = 0;
};

// The actions run at once on the caller's thread: for tests and the command line.
class LinkMouseActions final : public MouseActions {
public:
    explicit LinkMouseActions(DeviceLink& link) : link_(link) {}

    bool deviceFound() const override { return link_.deviceFound(); }
    bool FindDevice() override { return link_.FindDevice(); }
    void CloseDevice() override { link_.CloseDevice(); }

    DeviceResult StartSurfaceAnalysis() override { return tavro::StartSurfaceAnalysis(link_); }
    DeviceResult ReadSurfaceQuality(uint8_t& quality) override {
        return tavro::ReadSurfaceQuality(link_, quality);
    }
    DeviceResult TestLiftDistance(uint8_t distance) override {
        return tavro::TestLiftDistance(link_, distance);
    }
    DeviceResult SaveLiftDistance(uint8_t distance) override {
        return tavro::SaveLiftDistance(link_, distance);
    }

private:
    DeviceLink& link_;
};

}  // namespace tavro
