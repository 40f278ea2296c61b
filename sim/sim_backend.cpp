#include "sim/sim_backend.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

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
    // Closing the handle lets go of its lock, as closing a node does.
    ~SimHidDevice() override {
        UnlockExchanges();
        --backend_.openHandles_;
    }

    HidResult<HidSent> SendFeatureReport(std::span<const uint8_t> report) override {
        const int error = backend_.mouse_.HandleSetFeature(report);
        if (error != 0) {
            return ErrorOf(error);
        }
        return HidSent{};
    }

    HidResult<size_t> GetFeatureReport(std::span<uint8_t> report) override {
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

    bool LockExchanges(std::chrono::milliseconds wait) override {
        locked_ = locked_ || backend_.mouse_.LockExchanges(wait);
        return locked_;
    }
    void UnlockExchanges() override {
        if (std::exchange(locked_, false)) {
            backend_.mouse_.UnlockExchanges();
        }
    }

private:
    SimHidBackend& backend_;
    bool locked_ = false;
};

std::vector<HidInterfaceInfo> SimHidBackend::ListInterfaces() {
    if (!mouse_.PluggedIn()) {
        return {};
    }
    return {
        {kSimDevicePath, kTavroVendorId, kTavroProductId, 0x0001, 0x0002},
        {kSimDevicePath, kTavroVendorId, kTavroProductId, 0x0001, 0x0006},
        {kSimDevicePath, kTavroVendorId, kTavroProductId, kTavroUsagePage, kTavroUsage},
    };
}

HidResult<std::unique_ptr<HidDevice>> SimHidBackend::Open(const std::string& path) {
    if (path != kSimDevicePath || !mouse_.PluggedIn()) {
        return ErrorOf(ENOENT);
    }
    if (openError_) {
        return *openError_;
    }
    return std::unique_ptr<HidDevice>(std::make_unique<SimHidDevice>(*this));
}

}  // namespace tavro
