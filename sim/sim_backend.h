#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/hid_backend.h"
#include "sim/sim_mouse.h"

namespace tavro {

// The one node the simulated mouse's three collections share, as on Linux. It names
// the TAVRO ids the way a sysfs path does, so it passes IsMouseDevicePath.
inline constexpr char kSimDevicePath[] = "sim:/0003:3D71:4A96.0001";

// The simulated mouse as an in-process HID backend: it lists a mouse collection
// (0x0001/2), a keyboard collection (0x0001/6) and the vendor collection (0xFF01/2),
// all with the TAVRO ids, and passes every report of an open handle to the SimMouse,
// whose state file also carries the exchange lock. The mouse must outlive the backend,
// and the backend every device it opened.
class SimHidBackend final : public HidBackend {
public:
    explicit SimHidBackend(SimMouse& mouse) : mouse_(mouse) {}

    std::vector<HidInterfaceInfo> ListInterfaces() override;
    HidResult<std::unique_ptr<HidDevice>> Open(const std::string& path) override;

    // Every open fails with `error`, as for a node without access (EACCES).
    void RefuseOpen(HidError error) { openError_ = std::move(error); }
    void AllowOpen() { openError_.reset(); }

    // Unplugged (in the mouse's state, so every process sharing it sees it), the mouse
    // is not listed, does not open, and every call on a handle still open fails with
    // ENODEV.
    void Unplug() { mouse_.SetPluggedIn(false); }
    void PlugIn() { mouse_.SetPluggedIn(true); }

    int OpenHandleCount() const { return openHandles_; }

private:
    friend class SimHidDevice;

    SimMouse& mouse_;
    std::optional<HidError> openError_;
    int openHandles_ = 0;
};

}  // namespace tavro
