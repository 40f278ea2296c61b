#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "device/device_reports.h"
#include "profile/atomic_write.h"
#include "sim/sim_state.h"
#include "sim/sim_state_file.h"

namespace tavro {

// Status the simulated mouse reports for a request it did not accept. The program
// reads it as "no result yet" and gives up after five reads.
inline constexpr uint8_t kSimStatusRejected = 0x02;

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
// With a state file (made ready by PrepareSimStateFile), every request loads the state,
// handles the request and saves the change under the file's lock, so processes that
// share the file share one mouse and never lose each other's changes. A request whose
// state cannot be loaded or saved fails as a device error does (the errno of the
// failing call, EIO when there is none), and the mouse keeps what the file holds:
// nothing is answered "done" that did not happen.
//
// Unplugged (SimMouseState::pluggedIn), every request fails with ENODEV.
class SimMouse {
public:
    explicit SimMouse(std::optional<std::filesystem::path> stateFile = std::nullopt,
                      WriteCalls& calls = SystemWriteCalls());

    // 0 when the report is taken, else the errno the host sees.
    int HandleSetFeature(std::span<const uint8_t> report);
    SimGetReply HandleGetFeature(uint8_t reportId, size_t length);

    // Holds the mouse for a sequence of exchanges against other processes sharing the
    // state file, waiting at most `wait` (0: tries once). Always granted without one.
    bool LockExchanges(std::chrono::milliseconds wait);
    void UnlockExchanges();

    // The state as the file holds it now (the last one known when it cannot be read).
    SimMouseState State();
    ConfigImage Image(int slot);
    bool PluggedIn();
    // Loads, changes and saves the state as one step under the state file's lock.
    FileResult ChangeState(const std::function<void(SimMouseState&)>& change);
    FileResult SetState(const SimMouseState& state);
    FileResult SetPluggedIn(bool pluggedIn);

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
    // 0, or the errno of the load that failed.
    int Reload();
    void Reply(uint8_t status, std::span<const uint8_t> values = {});
    bool HandleCommand(std::span<const uint8_t> report);
    bool HandleImageHalf(std::span<const uint8_t> report);
    int HandleRequest(std::span<const uint8_t> report);

    std::optional<SimStateFile> stateFile_;
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
