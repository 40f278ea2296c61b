#include "device/device_link.h"

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <utility>

namespace tavro {
namespace {

constexpr int kMaxStatusReads = 5;
constexpr int kLastBusyRead = 2;  // a busy status at the third read ends the exchange
constexpr std::chrono::milliseconds kBusyPause{20};

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

}  // namespace

// The mouse's firmware was written against five transient Windows refusals. On Linux a
// feature report goes through hidraw's SET_REPORT control transfer, and these are its
// errnos that mean "the request did not get through this time" rather than "there is
// no device" (ENODEV, ESHUTDOWN), "no access" (EACCES) or "bad call" (EINVAL):
//   EPIPE      the mouse stalled the request (busy firmware)  ~ ERROR_INVALID_PARAMETER 87,
//                                                               ERROR_FUNCTION_FAILED 1627
//   ETIMEDOUT  no completion within the USB timeout          ~ ERROR_NOT_READY 21
//   EILSEQ     CRC or bit-stuffing error on the wire          ~ ERROR_CRC 23
//   EPROTO     protocol error from the host controller        ~ ERROR_WRITE_FAULT 29
//   ETIME      no response packet in time                     ~ ERROR_WRITE_FAULT 29
bool IsTransientSendError(int code) {
    switch (code) {
        case EPIPE:
        case ETIMEDOUT:
        case EILSEQ:
        case EPROTO:
        case ETIME:
            return true;
        default:
            return false;
    }
}

DeviceLink::DeviceLink(HidBackend& backend, Sleeper& sleeper)
    : backend_(backend), sleeper_(sleeper) {}

DeviceLink::~DeviceLink() = default;

bool DeviceLink::FindDevice() {
    CloseDevice();
    lastSearch_ = {};
    for (const HidInterfaceInfo& info : backend_.ListInterfaces()) {
        // The listing already carries the ids, so other makers' devices are never opened.
        if (info.vendorId != kTavroVendorId || info.productId != kTavroProductId) {
            continue;
        }
        const bool vendorCollection =
            info.usagePage == kTavroUsagePage && info.usage == kTavroUsage;
        HidResult<std::unique_ptr<HidDevice>> opened = backend_.Open(info.path);
        if (!opened.ok()) {
            if (vendorCollection && !lastSearch_.openError) {
                lastSearch_.path = info.path;
                lastSearch_.openError = opened.error();
            }
            continue;
        }
        if (!vendorCollection) {
            continue;  // the mouse's other collections; closed as `opened` goes
        }
        device_ = std::move(opened.value());
        ++handle_;
        deviceFound_ = true;
        lastSearch_.outcome = SearchOutcome::kFound;
        lastSearch_.path = info.path;
        return true;
    }
    lastSearch_.outcome =
        lastSearch_.openError ? SearchOutcome::kCannotOpen : SearchOutcome::kNotFound;
    return false;
}

void DeviceLink::CloseDevice() {
    // Closing the handle lets go of its lock.
    device_.reset();
    locked_ = false;
}

ExchangeLock DeviceLink::LockExchanges(std::chrono::milliseconds wait) {
    if (!device_ || locked_ || !device_->LockExchanges(wait)) {
        return {};
    }
    locked_ = true;
    return ExchangeLock(this, handle_);
}

void DeviceLink::UnlockExchanges(uint64_t handle) {
    if (device_ && locked_ && handle == handle_) {
        device_->UnlockExchanges();
        locked_ = false;
    }
}

ExchangeLock::ExchangeLock(ExchangeLock&& other) noexcept
    : link_(std::exchange(other.link_, nullptr)), handle_(other.handle_) {}

ExchangeLock& ExchangeLock::operator=(ExchangeLock&& other) noexcept {
    if (this != &other) {
        Release();
        link_ = std::exchange(other.link_, nullptr);
        handle_ = other.handle_;
    }
    return *this;
}

ExchangeLock::~ExchangeLock() {
    Release();
}

void ExchangeLock::Release() {
    if (link_ != nullptr) {
        std::exchange(link_, nullptr)->UnlockExchanges(handle_);
    }
}

bool DeviceLink::SendFeature(std::span<const uint8_t> report) {
    if (!device_) {
        return false;
    }
    HidResult<HidSent> sent = device_->SendFeatureReport(report);
    if (sent.ok()) {
        return true;
    }
    if (!IsTransientSendError(sent.error().code)) {
        return false;
    }
    return device_->SendFeatureReport(report).ok();
}

// The busy rule counts reads, not busy statuses: busy at the third read fails at once,
// busy at any other read pauses 20 ms before the next one, so busy, busy, busy fails
// after two pauses while other, other, other, busy, busy runs all five reads. Five
// reads without status 1 are a failure too: the caller would otherwise take its own
// zero-filled request for the mouse's reply.
int DeviceLink::ReadStatus(std::span<uint8_t, kStatusReportSize> buffer) {
    if (!device_) {
        return 0;
    }
    StatusReport work;
    for (int read = 0; read < kMaxStatusReads; ++read) {
        // Ask with the caller's request every time, whatever the last reply left behind.
        std::copy(buffer.begin(), buffer.end(), work.begin());
        HidResult<size_t> got = device_->GetFeatureReport(work);
        if (!got.ok() || got.value() != kStatusReportSize) {
            return 0;
        }
        const uint8_t status = work[kStatusOffset];
        if (status == kStatusDone) {
            std::copy(work.begin(), work.end(), buffer.begin());
            return 1;
        }
        if (status == kStatusBusy) {
            if (read == kLastBusyRead) {
                return 0;
            }
            // No pause after the last read: nothing would follow it.
            if (read + 1 < kMaxStatusReads) {
                Pause(kBusyPause);
            }
        }
    }
    return 0;
}

bool DeviceLink::RegisterDeviceEvents(DeviceEventSource& source, DeviceEventHandler handler) {
    assert(handler);
    if (!source.Start()) {
        return false;
    }
    eventSource_ = &source;
    eventHandler_ = std::move(handler);
    return true;
}

int DeviceLink::DeviceEventFd() const {
    return eventSource_ ? eventSource_->Fd() : -1;
}

void DeviceLink::DispatchDeviceEvents() {
    if (!eventSource_) {
        return;
    }
    for (const DeviceEvent& event : eventSource_->TakeEvents()) {
        eventHandler_(event);
    }
}

bool DeviceLink::IsMouseDevicePath(std::string_view path) {
    return (Contains(path, "3D71") || Contains(path, "3d71")) &&
           (Contains(path, "4A96") || Contains(path, "4a96"));
}

}  // namespace tavro
