#include "sim/sim_backend.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "device/device_link.h"

namespace tavro {
namespace {

HidError ErrorOf(int code) {
    return {code, std::strerror(code)};
}

}  // namespace

class SimHidDevice final : public HidDevice {
public:
    explicit SimHidDevice(SimHidBackend& backend) : backend_(backend) { ++backend_.openHandles_; }
    ~SimHidDevice() override { --backend_.openHandles_; }

    HidResult<HidSent> SendFeatureReport(std::span<const uint8_t> report) override {
        if (!backend_.pluggedIn_) {
            return ErrorOf(ENODEV);
        }
        const int error = backend_.mouse_.HandleSetFeature(report);
        if (error != 0) {
            return ErrorOf(error);
        }
        return HidSent{};
    }

    HidResult<size_t> GetFeatureReport(std::span<uint8_t> report) override {
        if (!backend_.pluggedIn_) {
            return ErrorOf(ENODEV);
        }
        if (report.empty()) {
            return ErrorOf(EINVAL);
        }
        const SimGetReply reply = backend_.mouse_.HandleGetFeature(report[0], report.size());
        if (reply.error != 0) {
            return ErrorOf(reply.error);
        }
        std::copy(reply.bytes.begin(), reply.bytes.end(), report.begin());
        return reply.bytes.size();
    }

private:
    SimHidBackend& backend_;
};

std::vector<HidInterfaceInfo> SimHidBackend::ListInterfaces() {
    if (!pluggedIn_) {
        return {};
    }
    return {
        {kSimDevicePath, kTavroVendorId, kTavroProductId, 0x0001, 0x0002},
        {kSimDevicePath, kTavroVendorId, kTavroProductId, 0x0001, 0x0006},
        {kSimDevicePath, kTavroVendorId, kTavroProductId, kTavroUsagePage, kTavroUsage},
    };
}

HidResult<std::unique_ptr<HidDevice>> SimHidBackend::Open(const std::string& path) {
    if (!pluggedIn_ || path != kSimDevicePath) {
        return ErrorOf(ENOENT);
    }
    if (openError_) {
        return *openError_;
    }
    return std::unique_ptr<HidDevice>(std::make_unique<SimHidDevice>(*this));
}

}  // namespace tavro
