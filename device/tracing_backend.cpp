#include "device/tracing_backend.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace tavro {
namespace {

class TracingDevice final : public HidDevice {
public:
    TracingDevice(std::unique_ptr<HidDevice> inner, TracingBackend& tracer)
        : inner_(std::move(inner)), tracer_(tracer) {}

    HidResult<HidSent> SendFeatureReport(std::span<const uint8_t> report) override {
        HidResult<HidSent> sent = inner_->SendFeatureReport(report);
        if (sent.ok()) {
            tracer_.Trace("send " + std::to_string(report.size()) + " bytes", report);
        } else {
            tracer_.Trace("send failed (" + sent.error().reason + ")", report);
        }
        return sent;
    }

    HidResult<size_t> GetFeatureReport(std::span<uint8_t> report) override {
        HidResult<size_t> got = inner_->GetFeatureReport(report);
        if (got.ok()) {
            const size_t count = std::min(got.value(), report.size());
            tracer_.Trace("recv " + std::to_string(got.value()) + " bytes", report.first(count));
        } else {
            tracer_.Trace("recv failed (" + got.error().reason + ")", report.first(1));
        }
        return got;
    }

    bool LockExchanges(std::chrono::milliseconds wait) override {
        return inner_->LockExchanges(wait);
    }
    void UnlockExchanges() override { inner_->UnlockExchanges(); }

private:
    std::unique_ptr<HidDevice> inner_;
    TracingBackend& tracer_;
};

}  // namespace

TracingBackend::TracingBackend(HidBackend& inner, Sink sink)
    : inner_(inner), sink_(std::move(sink)), start_(std::chrono::steady_clock::now()) {}

std::vector<HidInterfaceInfo> TracingBackend::ListInterfaces() {
    return inner_.ListInterfaces();
}

HidResult<std::unique_ptr<HidDevice>> TracingBackend::Open(const std::string& path) {
    HidResult<std::unique_ptr<HidDevice>> opened = inner_.Open(path);
    if (!opened.ok()) {
        return opened;
    }
    return std::unique_ptr<HidDevice>(
        std::make_unique<TracingDevice>(std::move(opened.value()), *this));
}

void TracingBackend::Trace(std::string_view what, std::span<const uint8_t> bytes) {
    const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start_);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "[%6lld.%03lld] ",
                  static_cast<long long>(elapsed.count() / 1000000),
                  static_cast<long long>(elapsed.count() / 1000 % 1000));
    std::string line = stamp;
    line += what;
    line += ':';
    for (uint8_t byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02x", byte);
        line += hex;
    }
    sink_(line);
}

}  // namespace tavro
