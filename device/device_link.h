#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "device/device_events.h"
#include "device/device_reports.h"
#include "device/hid_backend.h"
#include "device/sleeper.h"

namespace tavro {

// The mouse's vendor interface.
inline constexpr uint16_t kTavroVendorId = 0x3D71;
inline constexpr uint16_t kTavroProductId = 0x4A96;
inline constexpr uint16_t kTavroUsagePage = 0xFF01;
inline constexpr uint16_t kTavroUsage = 2;

enum class SearchOutcome {
    kFound,
    kNotFound,    // no usable interface with the TAVRO ids
    kCannotOpen,  // the TAVRO vendor interface is listed but would not open (often EACCES)
};

// Why the last FindDevice ended as it did, for messages that say more than "not found".
struct DeviceSearch {
    SearchOutcome outcome = SearchOutcome::kNotFound;
    std::string path;                   // the interface found, or the one that would not open
    std::optional<HidError> openError;  // why the first listed vendor interface would not open
};

// Errno values taken as the transient refusals worth one immediate retry.
bool IsTransientSendError(int code);

class DeviceLink;

// The mouse held for one sequence of exchanges (an Apply from the first image to the
// select, one poll), so that another process's exchanges never interleave with it.
// Empty when the lock was not granted; released when destroyed, and with the handle.
class [[nodiscard]] ExchangeLock {
public:
    ExchangeLock() = default;
    ExchangeLock(ExchangeLock&& other) noexcept;
    ExchangeLock& operator=(ExchangeLock&& other) noexcept;
    ~ExchangeLock();

    explicit operator bool() const { return link_ != nullptr; }

private:
    friend class DeviceLink;
    ExchangeLock(DeviceLink* link, uint64_t handle) : link_(link), handle_(handle) {}
    void Release();

    DeviceLink* link_ = nullptr;
    uint64_t handle_ = 0;  // which opened handle holds the lock
};

// The one path between the program and the mouse: one open handle to its vendor
// interface, feature reports with one retry, the status read, and device events.
// Runs on one thread; the backend, the sleeper and an event source must outlive it.
class DeviceLink {
public:
    DeviceLink(HidBackend& backend, Sleeper& sleeper);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    bool FindDevice();
    const DeviceSearch& LastSearch() const { return lastSearch_; }
    bool IsOpen() const { return device_ != nullptr; }
    void CloseDevice();

    // Takes the exchange lock of the open handle, waiting at most `wait` for another
    // process to let go; empty without a handle or when it stays taken.
    ExchangeLock LockExchanges(std::chrono::milliseconds wait);

    bool SendFeature(std::span<const uint8_t> report);
    // `buffer` holds the request (0x60, zeros); on 1 it holds the whole status report.
    int ReadStatus(std::span<uint8_t, kStatusReportSize> buffer);

    // Starts `source` and remembers `handler`; false when the source cannot start.
    bool RegisterDeviceEvents(DeviceEventSource& source, DeviceEventHandler handler);
    // The descriptor the owner's loop watches; -1 until registration succeeded.
    int DeviceEventFd() const;
    // Called by the owner when DeviceEventFd() is readable: hands every waiting
    // event to the handler, on the caller's thread.
    void DispatchDeviceEvents();

    static bool IsMouseDevicePath(std::string_view path);

    // Set by a successful search; only the owner clears it, on the mouse's removal.
    bool deviceFound() const { return deviceFound_; }
    void ClearDeviceFound() { deviceFound_ = false; }

    void Pause(std::chrono::milliseconds duration) { sleeper_.Sleep(duration); }

private:
    friend class ExchangeLock;
    void UnlockExchanges(uint64_t handle);

    HidBackend& backend_;
    Sleeper& sleeper_;
    std::unique_ptr<HidDevice> device_;
    uint64_t handle_ = 0;  // counts the handles opened, so a lock knows its own
    bool locked_ = false;
    bool deviceFound_ = false;
    DeviceSearch lastSearch_;
    DeviceEventSource* eventSource_ = nullptr;
    DeviceEventHandler eventHandler_;
};

}  // namespace tavro
