#include "device/device_link.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "tests/device/scripted_backend.h"
#include "tests/support/recording_sleeper.h"

namespace tavro {
namespace {

using std::chrono::milliseconds;
using Strings = std::vector<std::string>;

HidInterfaceInfo Tavro(const std::string& path, uint16_t usagePage, uint16_t usage) {
    return {path, kTavroVendorId, kTavroProductId, usagePage, usage};
}

HidInterfaceInfo Vendor(const std::string& path) {
    return Tavro(path, kTavroUsagePage, kTavroUsage);
}

class DeviceLinkTest : public ::testing::Test {
protected:
    ScriptedBackend backend;
    RecordingSleeper sleeper;
    DeviceLink link{backend, sleeper};
};

struct SearchCase {
    const char* name;
    std::vector<HidInterfaceInfo> interfaces;
    std::vector<std::string> unopenable;  // refused with EACCES
    std::string found;                    // empty: not found
    SearchOutcome outcome;
    Strings log;
};

class DeviceSearchTest : public DeviceLinkTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(DeviceSearchTest, FollowsTheSearchRules) {
    const SearchCase& c = GetParam();
    backend.interfaces = c.interfaces;
    for (const std::string& path : c.unopenable) {
        backend.openErrors.emplace(path, ScriptedBackend::Error(EACCES));
    }
    EXPECT_EQ(link.FindDevice(), !c.found.empty());
    EXPECT_EQ(link.IsOpen(), !c.found.empty());
    EXPECT_EQ(link.deviceFound(), !c.found.empty());
    EXPECT_EQ(backend.openHandles, c.found.empty() ? 0 : 1);
    EXPECT_EQ(backend.log, c.log);
    EXPECT_EQ(link.LastSearch().outcome, c.outcome);
    if (!c.found.empty()) {
        EXPECT_EQ(link.LastSearch().path, c.found);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeviceSearchTest,
    ::testing::Values(SearchCase{"MouseCollectionIsClosedAndVendorOneKept",
                                 {Tavro("a", 0x0001, 2), Tavro("a", 0x0001, 6), Vendor("b")},
                                 {},
                                 "b",
                                 SearchOutcome::kFound,
                                 {"open a", "close a", "open a", "close a", "open b"}},
                      SearchCase{"InterfaceThatCannotBeOpenedIsSkipped",
                                 {Vendor("a"), Vendor("b")},
                                 {"a"},
                                 "b",
                                 SearchOutcome::kFound,
                                 {"refuse a", "open b"}},
                      SearchCase{"FirstMatchWins",
                                 {Vendor("a"), Vendor("b")},
                                 {},
                                 "a",
                                 SearchOutcome::kFound,
                                 {"open a"}},
                      SearchCase{"OtherMakersDevicesAreNeverOpened",
                                 {{"k", 0x046D, 0xC52B, kTavroUsagePage, kTavroUsage},
                                  {"p", kTavroVendorId, 0x4A90, kTavroUsagePage, kTavroUsage},
                                  Vendor("b")},
                                 {},
                                 "b",
                                 SearchOutcome::kFound,
                                 {"open b"}},
                      SearchCase{"NoInterfaces", {}, {}, "", SearchOutcome::kNotFound, {}},
                      SearchCase{"OnlyTheMouseCollections",
                                 {Tavro("a", 0x0001, 2), Tavro("a", 0xFF01, 5)},
                                 {},
                                 "",
                                 SearchOutcome::kNotFound,
                                 {"open a", "close a", "open a", "close a"}},
                      SearchCase{"VendorInterfaceWithoutAccess",
                                 {Tavro("a", 0x0001, 2), Vendor("a")},
                                 {"a"},
                                 "",
                                 SearchOutcome::kCannotOpen,
                                 {"refuse a", "refuse a"}},
                      SearchCase{"OtherCollectionWithoutAccessIsNoAccessProblem",
                                 {Tavro("a", 0x0001, 2)},
                                 {"a"},
                                 "",
                                 SearchOutcome::kNotFound,
                                 {"refuse a"}}),
    [](const auto& info) { return info.param.name; });

TEST_F(DeviceLinkTest, CannotOpenCarriesTheErrorAndPath) {
    backend.interfaces = {Vendor("/dev/hidraw3")};
    backend.openErrors.emplace("/dev/hidraw3", ScriptedBackend::Error(EACCES));
    ASSERT_FALSE(link.FindDevice());
    ASSERT_TRUE(link.LastSearch().openError);
    EXPECT_EQ(link.LastSearch().openError->code, EACCES);
    EXPECT_EQ(link.LastSearch().path, "/dev/hidraw3");
}

TEST_F(DeviceLinkTest, NewSearchReleasesTheOpenHandleFirst) {
    backend.interfaces = {Vendor("a")};
    ASSERT_TRUE(link.FindDevice());
    ASSERT_TRUE(link.FindDevice());
    EXPECT_EQ(backend.log, (Strings{"open a", "close a", "open a"}));
    EXPECT_EQ(backend.openHandles, 1);
}

TEST_F(DeviceLinkTest, FailedSearchDropsTheHandleButKeepsDeviceFound) {
    backend.interfaces = {Vendor("a")};
    ASSERT_TRUE(link.FindDevice());
    backend.interfaces.clear();
    EXPECT_FALSE(link.FindDevice());
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(backend.openHandles, 0);
    EXPECT_TRUE(link.deviceFound());
    link.ClearDeviceFound();
    EXPECT_FALSE(link.deviceFound());
}

TEST_F(DeviceLinkTest, CloseDeviceForgetsTheHandle) {
    backend.interfaces = {Vendor("a")};
    ASSERT_TRUE(link.FindDevice());
    link.CloseDevice();
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(backend.openHandles, 0);
    link.CloseDevice();
    EXPECT_EQ(backend.log, (Strings{"open a", "close a"}));
}

TEST_F(DeviceLinkTest, ExchangeLockIsHeldOnceAndGoesWithItsHandle) {
    EXPECT_FALSE(link.LockExchanges(std::chrono::milliseconds(0)));
    backend.interfaces = {Vendor("a")};
    ASSERT_TRUE(link.FindDevice());
    {
        ExchangeLock held = link.LockExchanges(std::chrono::milliseconds(0));
        EXPECT_TRUE(held);
        EXPECT_FALSE(link.LockExchanges(std::chrono::milliseconds(0)));
        ExchangeLock moved = std::move(held);
        EXPECT_TRUE(moved);
    }
    ExchangeLock stale = link.LockExchanges(std::chrono::milliseconds(0));
    ASSERT_TRUE(link.FindDevice());
    // The lock of the closed handle must not release the new one's.
    stale = ExchangeLock();
    backend.lockTaken = true;
    EXPECT_FALSE(link.LockExchanges(std::chrono::milliseconds(0)));
    EXPECT_EQ(backend.log, (Strings{"open a", "lock a", "unlock a", "lock a", "close a", "open a",
                                    "lock busy a"}));
}

// --- SendFeature ---

struct RetryCase {
    const char* name;
    int firstError;
    bool retried;
};

class SendRetryTest : public DeviceLinkTest, public ::testing::WithParamInterface<RetryCase> {};

TEST_P(SendRetryTest, RetriesOnceOnlyOnTransientErrors) {
    backend.interfaces = {Vendor("a")};
    ASSERT_TRUE(link.FindDevice());
    backend.sendErrors = {ScriptedBackend::Error(GetParam().firstError)};
    const CommandReport report{kCommandReportId, 0x02};
    EXPECT_EQ(link.SendFeature(report), GetParam().retried);
    ASSERT_EQ(backend.sent.size(), GetParam().retried ? 2u : 1u);
    for (const auto& attempt : backend.sent) {
        EXPECT_EQ(attempt, std::vector<uint8_t>(report.begin(), report.end()));
    }
    EXPECT_TRUE(sleeper.pauses.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, SendRetryTest,
    ::testing::Values(RetryCase{"Stall", EPIPE, true}, RetryCase{"Timeout", ETIMEDOUT, true},
                      RetryCase{"Crc", EILSEQ, true}, RetryCase{"Protocol", EPROTO, true},
                      RetryCase{"NoResponse", ETIME, true},
                      RetryCase{"PermissionDenied", EACCES, false},
                      RetryCase{"Unplugged", ENODEV, false},
                      RetryCase{"ControllerGone", ESHUTDOWN, false},
                      RetryCase{"BadLength", EINVAL, false}, RetryCase{"IoError", EIO, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(DeviceLinkTest, SecondTransientRefusalFails) {
    backend.interfaces = {Vendor("a")};
    ASSERT_TRUE(link.FindDevice());
    backend.sendErrors = {ScriptedBackend::Error(EPIPE), ScriptedBackend::Error(EPIPE)};
    EXPECT_FALSE(link.SendFeature(CommandReport{kCommandReportId}));
    EXPECT_EQ(backend.sent.size(), 2u);
}

TEST_F(DeviceLinkTest, SendWithoutHandleFails) {
    EXPECT_FALSE(link.SendFeature(CommandReport{kCommandReportId}));
    EXPECT_TRUE(backend.sent.empty());
}

// --- ReadStatus ---

struct StatusCase {
    const char* name;
    std::vector<ScriptedBackend::Read> reads;
    int result;
    std::vector<milliseconds> pauses;
    size_t readsMade;
};

ScriptedBackend::Read S(uint8_t status) {
    return ScriptedBackend::Status(status);
}

ScriptedBackend::Read Short(uint8_t status) {
    ScriptedBackend::Read read = S(status);
    read.count = kStatusReportSize - 1;
    return read;
}

ScriptedBackend::Read Failed() {
    ScriptedBackend::Read read;
    read.error = ScriptedBackend::Error(EPIPE);
    return read;
}

class ReadStatusTest : public DeviceLinkTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(ReadStatusTest, FollowsTheBusyRule) {
    backend.interfaces = {Vendor("a")};
    ASSERT_TRUE(link.FindDevice());
    const StatusCase& c = GetParam();
    backend.reads.assign(c.reads.begin(), c.reads.end());
    StatusReport buffer{kStatusReportId};
    EXPECT_EQ(link.ReadStatus(buffer), c.result);
    EXPECT_EQ(sleeper.pauses, c.pauses);
    EXPECT_EQ(backend.requestedIds, std::vector<uint8_t>(c.readsMade, kStatusReportId));
}

const milliseconds k20{20};

INSTANTIATE_TEST_SUITE_P(
    Sequences, ReadStatusTest,
    ::testing::Values(
        StatusCase{"DoneAtOnce", {S(1)}, 1, {}, 1},
        StatusCase{"OtherValuesAreReadAgainAtOnce", {S(0), S(0), S(1)}, 1, {}, 3},
        StatusCase{"BusyThenDone", {S(4), S(1)}, 1, {k20}, 2},
        StatusCase{"TwoBusyThenDone", {S(4), S(4), S(1)}, 1, {k20, k20}, 3},
        StatusCase{"ThirdBusyFails", {S(4), S(4), S(4), S(1)}, 0, {k20, k20}, 3},
        StatusCase{"BusyAsThirdReadFailsAtOnce", {S(0), S(0), S(4), S(1)}, 0, {}, 3},
        StatusCase{"FiveReadsWithoutDoneFail", {S(0), S(2), S(7), S(0), S(255), S(1)}, 0, {}, 5},
        StatusCase{
            "LateBusyDoesNotPauseAfterTheLastRead", {S(0), S(0), S(0), S(4), S(4)}, 0, {k20}, 5},
        StatusCase{"FailedReadFails", {S(0), Failed(), S(1)}, 0, {}, 2},
        StatusCase{"ShortReadFails", {Short(1)}, 0, {}, 1}),
    [](const auto& info) { return info.param.name; });

TEST_F(DeviceLinkTest, DoneCopiesTheWholeReplyAndFailureLeavesTheBufferAlone) {
    backend.interfaces = {Vendor("a")};
    ASSERT_TRUE(link.FindDevice());
    ScriptedBackend::Read reply = S(1);
    reply.bytes[16] = 0x7C;
    reply.bytes[63] = 0xAA;
    ScriptedBackend::Read garbage = S(9);
    garbage.bytes[0] = 0x33;  // a reply that would ask for another report next time
    garbage.bytes[20] = 0x55;
    backend.reads = {garbage, reply};

    StatusReport buffer{kStatusReportId};
    ASSERT_EQ(link.ReadStatus(buffer), 1);
    EXPECT_EQ(buffer, reply.bytes);
    EXPECT_EQ(backend.requestedIds, (std::vector<uint8_t>{kStatusReportId, kStatusReportId}));

    backend.reads = {garbage, garbage, garbage, garbage, garbage};
    StatusReport untouched{kStatusReportId};
    EXPECT_EQ(link.ReadStatus(untouched), 0);
    EXPECT_EQ(untouched, (StatusReport{kStatusReportId}));
}

TEST_F(DeviceLinkTest, ReadStatusWithoutHandleFails) {
    StatusReport buffer{kStatusReportId};
    EXPECT_EQ(link.ReadStatus(buffer), 0);
    EXPECT_TRUE(backend.requestedIds.empty());
}

// --- Device paths and events ---

struct PathCase {
    const char* name;
    const char* path;
    bool mouse;
};

class MouseDevicePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(MouseDevicePathTest, NeedsBothIdsInOneCase) {
    EXPECT_EQ(DeviceLink::IsMouseDevicePath(GetParam().path), GetParam().mouse);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, MouseDevicePathTest,
    ::testing::Values(
        PathCase{"WindowsLowerCase", R"(\\?\hid#vid_3d71&pid_4a96&mi_01#7&1a2b&0&0000)", true},
        PathCase{"WindowsOtherProduct", R"(\\?\hid#vid_3d71&pid_4a90&mi_01#7&1a2b&0&0000)", false},
        PathCase{"SysfsUpperCase",
                 "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:3D71:4A96.0007/"
                 "hidraw/hidraw3",
                 true},
        PathCase{"MixedCaseAcrossIds", "vid_3D71&pid_4a96", true},
        PathCase{"VendorOnly", "0003:3D71:1234.0001", false},
        PathCase{"ProductOnly", "0003:046D:4A96.0001", false},
        PathCase{"HidrawNodeNamesNoIds", "/dev/hidraw3", false}, PathCase{"Empty", "", false}),
    [](const auto& info) { return info.param.name; });

class FakeEventSource final : public DeviceEventSource {
public:
    bool Start() override {
        started = startable;
        return started;
    }
    int Fd() const override { return started ? 42 : -1; }
    std::vector<DeviceEvent> TakeEvents() override { return std::exchange(waiting, {}); }

    bool startable = true;
    bool started = false;
    std::vector<DeviceEvent> waiting;
};

TEST_F(DeviceLinkTest, DeviceEventsReachTheHandlerInOrder) {
    FakeEventSource source;
    std::vector<std::string> seen;
    link.DispatchDeviceEvents();  // before registration: nothing to do
    ASSERT_TRUE(link.RegisterDeviceEvents(source, [&](const DeviceEvent& event) {
        seen.push_back((event.kind == DeviceEventKind::kArrival ? "+" : "-") + event.path);
    }));
    EXPECT_EQ(link.DeviceEventFd(), 42);

    link.DispatchDeviceEvents();  // an empty wake-up
    source.waiting = {{DeviceEventKind::kArrival, "x"}, {DeviceEventKind::kRemoval, "y"}};
    link.DispatchDeviceEvents();
    EXPECT_EQ(seen, (Strings{"+x", "-y"}));
}

TEST_F(DeviceLinkTest, RegistrationFailsCleanlyWithoutEvents) {
    FakeEventSource source;
    source.startable = false;
    EXPECT_FALSE(link.RegisterDeviceEvents(source, [](const DeviceEvent&) { FAIL(); }));
    EXPECT_EQ(link.DeviceEventFd(), -1);
    source.waiting = {{DeviceEventKind::kArrival, "x"}};
    link.DispatchDeviceEvents();
}

}  // namespace
}  // namespace tavro
