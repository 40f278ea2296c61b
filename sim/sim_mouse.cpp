#include "sim/sim_mouse.h"

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <utility>

#include "device/lift_distance.h"
#include "profile/little_endian.h"

namespace tavro {
namespace {

constexpr size_t kReceivedReportsKept = 256;  // enough for any test, bounded for long demos
// How long one request waits for another process's exchange sequence to end.
constexpr std::chrono::seconds kRequestLockWait{10};

int ErrorOf(const FileResult& result) {
    return result.error != 0 ? result.error : EIO;
}

// The change is in place for every other process to see, durable or not.
bool Saved(const FileResult& result) {
    return result.ok() || result.status == FileStatus::kNotDurable;
}

bool AllZero(std::span<const uint8_t> report, size_t from, size_t to) {
    return std::all_of(report.begin() + from, report.begin() + to,
                       [](uint8_t byte) { return byte == 0; });
}

}  // namespace

SimMouse::SimMouse(std::optional<std::filesystem::path> stateFile, WriteCalls& calls) {
    status_[0] = kStatusReportId;
    if (stateFile) {
        stateFile_.emplace(std::move(*stateFile), calls);
        Reload();
    }
}

int SimMouse::HandleSetFeature(std::span<const uint8_t> report) {
    if (!stateFile_) {
        return HandleRequest(report);
    }
    if (!stateFile_->Hold(kRequestLockWait)) {
        return EBUSY;
    }
    int error = Reload();
    if (error == 0) {
        const SimMouseState before = state_;
        error = HandleRequest(report);
        if (state_ != before) {
            const FileResult saved = stateFile_->Save(state_);
            if (!Saved(saved)) {
                state_ = before;
                Reply(kSimStatusRejected);
                error = ErrorOf(saved);
            }
        }
    }
    stateFile_->Release();
    return error;
}

int SimMouse::HandleRequest(std::span<const uint8_t> report) {
    if (!state_.pluggedIn) {
        return ENODEV;
    }
    received_.emplace_back(report.begin(), report.end());
    if (received_.size() > kReceivedReportsKept) {
        received_.pop_front();
    }
    if (refusalError_) {
        const int error = *refusalError_;
        if (refusal_ == SimRefusal::kOnce) {
            refusalError_.reset();
        }
        return error;
    }
    const bool command = report.size() == kCommandReportSize && report[0] == kCommandReportId;
    const bool imageHalf = report.size() == kImageReportSize && report[0] == kImageReportId;
    if (!command && !imageHalf) {
        return EPIPE;
    }
    const bool wellFormed = command ? HandleCommand(report) : HandleImageHalf(report);
    if (!wellFormed) {
        pendingHalfSlot_.reset();
        Reply(kSimStatusRejected);
    }
    return 0;
}

SimGetReply SimMouse::HandleGetFeature(uint8_t reportId, size_t length) {
    if (stateFile_) {
        if (const int error = Reload(); error != 0) {
            return {error, {}};
        }
    }
    if (!state_.pluggedIn) {
        return {ENODEV, {}};
    }
    if (reportId != kStatusReportId || length == 0) {
        return {EPIPE, {}};
    }
    StatusReport reply = status_;
    if (!scripted_.empty()) {
        reply = scripted_.front();
        scripted_.pop_front();
    }
    const size_t count = std::min(length, reply.size());
    return {0, std::vector<uint8_t>(reply.begin(), reply.begin() + count)};
}

bool SimMouse::HandleCommand(std::span<const uint8_t> report) {
    pendingHalfSlot_.reset();
    if (!AllZero(report, 3, kArgumentOffset) ||
        !AllZero(report, kArgumentOffset + 1, kCommandReportSize)) {
        return false;
    }
    const uint8_t subCommand = report[kSubCommandOffset];
    const uint8_t argument = report[kArgumentOffset];
    switch (report[kCommandOffset]) {
        case kCommandFirmwareVersion: {
            if (subCommand != 0 || argument != 0) {
                return false;
            }
            uint8_t version[2];
            StoreU16(version, state_.firmwareVersion);
            Reply(kStatusDone, version);
            return true;
        }
        case kCommandActiveProfile: {
            if (subCommand != 0 || argument != 0) {
                return false;
            }
            const uint8_t slot[] = {state_.activeSlot};
            Reply(kStatusDone, slot);
            return true;
        }
        case kCommandSelectProfile:
            if (subCommand != 0 || argument >= kProfileCount) {
                return false;
            }
            state_.activeSlot = argument;
            Reply(kStatusDone);
            return true;
        case kCommandSurface: {
            if (argument != 0) {
                return false;
            }
            if (subCommand == kSubCommandStartSurfaceAnalysis) {
                Reply(kStatusDone);
                return true;
            }
            if (subCommand != kSubCommandReadSurfaceQuality) {
                return false;
            }
            const uint8_t quality[] = {state_.surfaceQuality};
            Reply(kStatusDone, quality);
            return true;
        }
        case kCommandLiftDistance:
            if (!IsCommandLiftDistance(argument)) {
                return false;
            }
            if (subCommand == kSubCommandSaveLiftDistance) {
                state_.liftDistance = argument;
            } else if (subCommand != kSubCommandTestLiftDistance) {
                return false;
            }
            Reply(kStatusDone);
            return true;
        default:
            return false;
    }
}

bool SimMouse::HandleImageHalf(std::span<const uint8_t> report) {
    const uint8_t slot = report[kImageSlotOffset];
    const uint8_t half = report[kImageHalfOffset];
    if (report[kCommandOffset] != kImageCommand || !AllZero(report, 2, kImageSlotOffset) ||
        !AllZero(report, kImageHalfOffset + 1, kImageDataOffset) ||
        report[kImageReportSize - 1] != 0 || slot >= kProfileCount || half >= kImageHalfCount) {
        return false;
    }
    const auto data = report.subspan(kImageDataOffset, kImageHalfSize);
    if (half == 0) {
        pendingHalfSlot_ = slot;
        std::copy(data.begin(), data.end(), pendingHalf_.begin());
        Reply(kStatusDone);
        return true;
    }
    if (pendingHalfSlot_ != slot) {
        return false;
    }
    pendingHalfSlot_.reset();
    ConfigImage& image = state_.images[slot];
    std::copy(pendingHalf_.begin(), pendingHalf_.end(), image.begin());
    std::copy(data.begin(), data.end(), image.begin() + kImageHalfSize);
    Reply(kStatusDone);
    return true;
}

void SimMouse::Reply(uint8_t status, std::span<const uint8_t> values) {
    status_.fill(0);
    status_[0] = kStatusReportId;
    status_[kStatusOffset] = status;
    std::copy(values.begin(), values.end(), status_.begin() + kReplyOffset);
}

bool SimMouse::LockExchanges(std::chrono::milliseconds wait) {
    return !stateFile_ || stateFile_->Hold(wait);
}

void SimMouse::UnlockExchanges() {
    if (stateFile_ && stateFile_->held()) {
        stateFile_->Release();
    }
}

SimMouseState SimMouse::State() {
    if (stateFile_) {
        Reload();
    }
    return state_;
}

ConfigImage SimMouse::Image(int slot) {
    assert(slot >= 0 && slot < kProfileCount);
    return State().images[slot];
}

bool SimMouse::PluggedIn() {
    return State().pluggedIn;
}

FileResult SimMouse::ChangeState(const std::function<void(SimMouseState&)>& change) {
    if (!stateFile_) {
        change(state_);
        assert(state_.activeSlot < kProfileCount);
        return {};
    }
    if (!stateFile_->Hold(kRequestLockWait)) {
        return {FileStatus::kNotWritten, EBUSY, stateFile_->path()};
    }
    FileResult result;
    if (const int error = Reload(); error != 0) {
        result = {FileStatus::kUnreadable, error, stateFile_->path()};
    } else {
        SimMouseState changed = state_;
        change(changed);
        assert(changed.activeSlot < kProfileCount);
        result = stateFile_->Save(changed);
        if (Saved(result)) {
            state_ = changed;
        }
    }
    stateFile_->Release();
    return result;
}

FileResult SimMouse::SetState(const SimMouseState& state) {
    return ChangeState([&](SimMouseState& current) { current = state; });
}

FileResult SimMouse::SetPluggedIn(bool pluggedIn) {
    return ChangeState([&](SimMouseState& current) { current.pluggedIn = pluggedIn; });
}

void SimMouse::ScriptStatuses(std::span<const uint8_t> statuses) {
    for (uint8_t status : statuses) {
        StatusReport reply{};
        reply[0] = kStatusReportId;
        reply[kStatusOffset] = status;
        scripted_.push_back(reply);
    }
}

void SimMouse::ScriptReplies(std::span<const StatusReport> replies) {
    scripted_.insert(scripted_.end(), replies.begin(), replies.end());
}

void SimMouse::RefuseSends(int error, SimRefusal refusal) {
    assert(error != 0);
    refusalError_ = error;
    refusal_ = refusal;
}

void SimMouse::StopRefusing() {
    refusalError_.reset();
}

int SimMouse::Reload() {
    SimMouseState loaded;
    const FileResult result = stateFile_->Load(loaded);
    if (!result) {
        return ErrorOf(result);
    }
    state_ = loaded;
    return 0;
}

}  // namespace tavro
