#include "platform/hidapi_backend.h"

#include <fcntl.h>
#include <hidapi.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <string_view>

#include "device/file_lock.h"
#include "profile/text_codec.h"
#include "profile/unique_fd.h"

namespace tavro {
namespace {

constexpr char kHidrawPrefix[] = "/dev/hidraw";
constexpr char kHidrawClass[] = "/sys/class/hidraw/";

HidError NotHidraw(const std::string& path) {
    return {EINVAL, "not a hidraw device node: " + path};
}

// The node must be the very character device that sysfs lists as this hidraw node,
// so that a symlink or a stray file under the same name never reaches hidapi. Gives the
// device number it found in `device`.
std::optional<HidError> CheckHidrawNode(const std::string& path, dev_t& device) {
    if (!IsHidrawPathName(path)) {
        return NotHidraw(path);
    }
    struct stat node {};
    if (stat(path.c_str(), &node) != 0) {
        const int error = errno;
        return HidError{error, path + ": " + std::strerror(error)};
    }
    if (!S_ISCHR(node.st_mode)) {
        return NotHidraw(path);
    }
    const std::string name = path.substr(std::strlen("/dev/"));
    std::ifstream numbers(kHidrawClass + name + "/dev");
    unsigned listedMajor = 0;
    unsigned listedMinor = 0;
    char colon = 0;
    if (!(numbers >> listedMajor >> colon >> listedMinor) || colon != ':' ||
        listedMajor != major(node.st_rdev) || listedMinor != minor(node.st_rdev)) {
        return NotHidraw(path);
    }
    device = node.st_rdev;
    return std::nullopt;
}

// The exchange lock is an advisory lock on the node itself, which every process that
// talks to the mouse opens; hidapi keeps its own descriptor to itself, so the lock is
// taken on a second one of the same node.
class HidapiDevice final : public HidDevice {
public:
    HidapiDevice(hid_device* device, tavro::UniqueFd lockFd)
        : device_(device), lockFd_(std::move(lockFd)) {}
    ~HidapiDevice() override { hid_close(device_); }
    HidapiDevice(const HidapiDevice&) = delete;
    HidapiDevice& operator=(const HidapiDevice&) = delete;

    HidResult<HidSent> SendFeatureReport(std::span<const uint8_t> report) override {
        errno = 0;
        const int sent = hid_send_feature_report(device_, report.data(), report.size());
        const int savedErrno = errno;
        if (sent < 0) {
            return HidapiError(savedErrno, hid_error(device_));
        }
        if (static_cast<size_t>(sent) < report.size()) {
            return HidError{EIO, "short feature report: " + std::to_string(sent) + " of " +
                                     std::to_string(report.size()) + " bytes sent"};
        }
        return HidSent{};
    }

    HidResult<size_t> GetFeatureReport(std::span<uint8_t> report) override {
        errno = 0;
        const int got = hid_get_feature_report(device_, report.data(), report.size());
        const int savedErrno = errno;
        if (got < 0) {
            return HidapiError(savedErrno, hid_error(device_));
        }
        return static_cast<size_t>(got);
    }

    bool LockExchanges(std::chrono::milliseconds wait) override {
        return LockFileWithin(lockFd_.get(), wait);
    }
    void UnlockExchanges() override { ::flock(lockFd_.get(), LOCK_UN); }

private:
    hid_device* device_;
    UniqueFd lockFd_;
};

// A second descriptor of the node hidapi opened, checked to be the same device.
HidResult<UniqueFd> OpenLockDescriptor(const std::string& path, dev_t device) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat node {};
    if (!fd.valid() || ::fstat(fd.get(), &node) != 0) {
        const int error = errno;
        return HidError{error, path + ": " + std::strerror(error)};
    }
    if (!S_ISCHR(node.st_mode) || node.st_rdev != device) {
        return NotHidraw(path);
    }
    return fd;
}

}  // namespace

HidapiBackend::HidapiBackend() {
    hid_init();
}

HidapiBackend::~HidapiBackend() {
    hid_exit();
}

std::vector<HidInterfaceInfo> HidapiBackend::ListInterfaces() {
    std::vector<HidInterfaceInfo> interfaces;
    hid_device_info* const list = hid_enumerate(0, 0);
    for (const hid_device_info* entry = list; entry != nullptr; entry = entry->next) {
        if (entry->path == nullptr) {
            continue;
        }
        interfaces.push_back(
            {entry->path, entry->vendor_id, entry->product_id, entry->usage_page, entry->usage});
    }
    hid_free_enumeration(list);
    return interfaces;
}

HidResult<std::unique_ptr<HidDevice>> HidapiBackend::Open(const std::string& path) {
    dev_t node = 0;
    if (std::optional<HidError> refused = CheckHidrawNode(path, node)) {
        return *refused;
    }
    errno = 0;
    hid_device* const device = hid_open_path(path.c_str());
    const int savedErrno = errno;
    if (device == nullptr) {
        return HidapiError(savedErrno, hid_error(nullptr));
    }
    HidResult<UniqueFd> lockFd = OpenLockDescriptor(path, node);
    if (!lockFd.ok()) {
        hid_close(device);
        return lockFd.error();
    }
    return std::unique_ptr<HidDevice>(
        std::make_unique<HidapiDevice>(device, std::move(lockFd.value())));
}

bool IsHidrawPathName(const std::string& path) {
    const std::string_view prefix = kHidrawPrefix;
    if (!path.starts_with(prefix) || path.size() == prefix.size()) {
        return false;
    }
    return std::all_of(path.begin() + static_cast<std::ptrdiff_t>(prefix.size()), path.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

HidError HidapiError(int savedErrno, const wchar_t* message) {
    const int code = savedErrno != 0 ? savedErrno : EIO;
    std::string reason = message != nullptr ? WideToUtf8(message) : std::string();
    if (reason.empty()) {
        reason = std::strerror(code);
    }
    return {code, std::move(reason)};
}

std::string WideToUtf8(const wchar_t* text) {
    std::u32string utf32;
    for (const wchar_t* c = text; c != nullptr && *c != L'\0'; ++c) {
        utf32 += static_cast<char32_t>(*c);
    }
    return Utf32ToUtf8(utf32);
}

}  // namespace tavro
