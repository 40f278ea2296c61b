#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "device/device_reports.h"
#include "sim/sim_state.h"

namespace tavro {

// Status the simulated mouse reports for a request it did not accept. The program
// reads it as "no result yet" and gives up after five reads.
inline constexpr uint8_t kSimStatusRejected = 0x02;

// The mouse's lift-off sensor takes distances in this range.
inline constexpr uint8_t kSimMinLiftDistance = 6;
inline constexpr uint8_t kSimMaxLiftDistance = 31;

// What a front end hands back to the host for a get-feature request.
struct SimGetReply {
    int error = 0;               // 0, or the errno the host sees
    std::vector<uint8_t> bytes;  // report id first; at most the length asked for
};

enum class SimRefusal { kOnce, kAlways };

// The simulated TAVRO mouse's side of the protocol, free of any transport: front ends
// (the in-process backend, a uhid responder) feed it the raw reports they receive.
//
// It checks every report: id and length, command and sub-command, zeros wherever the
// protocol has no field, slot 0–4, lift distance 6–31, and image halves in order (half
// 1 straight after half 0 of the same slot). Only a well-formed request gets status 1;
// a malformed one gets kSimStatusRejected, and a report of an unknown id or length is
// stalled (EPIPE) as a USB device stalls a request it does not declare.
//
// With a state file, the state is read before every request and written after every
// change, so processes that share the file share one mouse. A missing or unreadable
// file reads as the factory state; after a write that fails the mouse runs on what it
// holds in memory until a write succeeds again.
class SimMouse {
public:
    explicit SimMouse(std::optional<std::filesystem::path> stateFile = std::nullopt);

    // 0 when the report is taken, else the errno the host sees.
    int HandleSetFeature(std::span<const uint8_t> report);
    SimGetReply HandleGetFeature(uint8_t reportId, size_t length);

    SimMouseState State();
    void SetState(const SimMouseState& state);
    ConfigImage Image(int slot);

    // Faults for tests. Scripted replies answer the next status reads, in order, before
    // the real status; a refused send is not looked at.
    void ScriptStatuses(std::span<const uint8_t> statuses);
    void ScriptReplies(std::span<const StatusReport> replies);
    void RefuseSends(int error, SimRefusal refusal);
    void StopRefusing();

    // The last reports the host sent, refused ones included, oldest first.
    const std::deque<std::vector<uint8_t>>& ReceivedReports() const { return received_; }
    void ClearReceivedReports() { received_.clear(); }

private:
    void Reload();
    void Save();
    void Reply(uint8_t status, std::span<const uint8_t> values = {});
    bool HandleCommand(std::span<const uint8_t> report);
    bool HandleImageHalf(std::span<const uint8_t> report);

    std::optional<std::filesystem::path> stateFile_;
    bool fileCurrent_ = true;
    SimMouseState state_;
    StatusReport status_{};
    std::deque<StatusReport> scripted_;
    std::optional<int> refusalError_;
    SimRefusal refusal_ = SimRefusal::kOnce;
    std::optional<uint8_t> pendingHalfSlot_;  // slot whose first half arrived
    std::array<uint8_t, kImageHalfSize> pendingHalf_{};
    std::deque<std::vector<uint8_t>> received_;
};

}  // namespace tavro
