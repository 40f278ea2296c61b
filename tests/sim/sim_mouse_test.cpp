#include "sim/sim_mouse.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "device/device_commands.h"
#include "device/device_link.h"
#include "device/lift_distance.h"
#include "profile/unique_fd.h"
#include "sim/sim_backend.h"
#include "sim/sim_state_file.h"
#include "tests/support/failing_write_calls.h"
#include "tests/support/recording_sleeper.h"
#include "tests/support/temp_folder.h"

namespace tavro {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Command(uint8_t number, uint8_t subCommand = 0, uint8_t argument = 0) {
    Bytes report(kCommandReportSize, 0);
    report[0] = kCommandReportId;
    report[kCommandOffset] = number;
    report[kSubCommandOffset] = subCommand;
    report[kArgumentOffset] = argument;
    return report;
}

Bytes ImageHalf(uint8_t slot, uint8_t half, uint8_t fill = 0xA5) {
    Bytes report(kImageReportSize, 0);
    report[0] = kImageReportId;
    report[kCommandOffset] = kImageCommand;
    report[kImageSlotOffset] = slot;
    report[kImageHalfOffset] = half;
    std::fill(report.begin() + kImageDataOffset, report.begin() + kImageDataOffset + kImageHalfSize,
              fill);
    return report;
}

Bytes With(Bytes report, size_t offset, uint8_t value) {
    report[offset] = value;
    return report;
}

uint8_t StatusAfter(SimMouse& mouse) {
    const SimGetReply reply = mouse.HandleGetFeature(kStatusReportId, kStatusReportSize);
    EXPECT_EQ(reply.error, 0);
    EXPECT_EQ(reply.bytes.size(), kStatusReportSize);
    return reply.bytes.size() > kStatusOffset ? reply.bytes[kStatusOffset] : 0;
}

// --- Validation ---

struct MalformedCase {
    const char* name;
    std::vector<Bytes> before;  // well-formed reports sent first
    Bytes report;
    int error;  // EPIPE: stalled; 0: taken and answered with the rejected status
};

class MalformedReportTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedReportTest, GetsNoDoneStatus) {
    SimMouse mouse;
    for (const Bytes& report : GetParam().before) {
        ASSERT_EQ(mouse.HandleSetFeature(report), 0);
        ASSERT_EQ(StatusAfter(mouse), kStatusDone);
    }
    const SimMouseState before = mouse.State();
    EXPECT_EQ(mouse.HandleSetFeature(GetParam().report), GetParam().error);
    EXPECT_NE(StatusAfter(mouse), kStatusDone);
    EXPECT_EQ(mouse.State(), before);
}

const Bytes kFirmware = Command(kCommandFirmwareVersion);

INSTANTIATE_TEST_SUITE_P(
    Reports, MalformedReportTest,
    ::testing::Values(
        MalformedCase{"UnknownReportId", {}, With(kFirmware, 0, 0x62), EPIPE},
        MalformedCase{
            "CommandReportTooShort", {}, Bytes(kFirmware.begin(), kFirmware.end() - 1), EPIPE},
        MalformedCase{
            "CommandIdAtImageLength", {}, With(ImageHalf(0, 0), 0, kCommandReportId), EPIPE},
        MalformedCase{
            "ImageReportTooShort", {}, Bytes(kImageReportSize - 1, kImageReportId), EPIPE},
        MalformedCase{"Empty", {}, {}, EPIPE},
        MalformedCase{"UnknownCommand", {}, Command(0x07), 0},
        MalformedCase{"FirmwareWithSubCommand", {}, Command(kCommandFirmwareVersion, 1), 0},
        MalformedCase{"ActiveProfileWithArgument", {}, Command(kCommandActiveProfile, 0, 1), 0},
        MalformedCase{"SelectSlotFive", {}, Command(kCommandSelectProfile, 0, 5), 0},
        MalformedCase{"SurfaceSubCommandThree", {}, Command(kCommandSurface, 3), 0},
        MalformedCase{"LiftSubCommandZero", {}, Command(kCommandLiftDistance, 0, 12), 0},
        MalformedCase{"LiftDistanceFive", {}, Command(kCommandLiftDistance, 2, 5), 0},
        MalformedCase{"LiftDistanceThirtyTwo", {}, Command(kCommandLiftDistance, 2, 32), 0},
        MalformedCase{"CommandByteThreeSet", {}, With(kFirmware, 3, 1), 0},
        MalformedCase{"CommandLastByteSet", {}, With(kFirmware, 63, 1), 0},
        MalformedCase{"ImageWrongCommand", {}, With(ImageHalf(0, 0), kCommandOffset, 0x09), 0},
        MalformedCase{"ImageSlotFive", {}, ImageHalf(5, 0), 0},
        MalformedCase{"ImageHalfTwo", {}, ImageHalf(0, 2), 0},
        MalformedCase{"ImageByteSevenSet", {}, With(ImageHalf(0, 0), 7, 1), 0},
        MalformedCase{"ImageLastByteSet", {}, With(ImageHalf(0, 0), kImageReportSize - 1, 1), 0},
        MalformedCase{"SecondHalfFirst", {}, ImageHalf(1, 1), 0},
        MalformedCase{"SecondHalfOfAnotherSlot", {ImageHalf(1, 0)}, ImageHalf(2, 1), 0},
        MalformedCase{
            "SecondHalfAfterAnotherReport", {ImageHalf(1, 0), kFirmware}, ImageHalf(1, 1), 0},
        MalformedCase{"SecondHalfTwice", {ImageHalf(1, 0), ImageHalf(1, 1)}, ImageHalf(1, 1), 0}),
    [](const auto& info) { return info.param.name; });

TEST(SimMouse, KeepsAnImageOnlyWhenBothHalvesArriveInOrder) {
    SimMouse mouse;
    ASSERT_EQ(mouse.HandleSetFeature(ImageHalf(3, 0, 0x11)), 0);
    EXPECT_EQ(mouse.Image(3), ConfigImage{});  // half an image is not an image
    ASSERT_EQ(mouse.HandleSetFeature(ImageHalf(3, 1, 0x22)), 0);
    EXPECT_EQ(StatusAfter(mouse), kStatusDone);
    const ConfigImage image = mouse.Image(3);
    EXPECT_EQ(image[0], 0x11);
    EXPECT_EQ(image[1023], 0x11);
    EXPECT_EQ(image[1024], 0x22);
    EXPECT_EQ(image[2047], 0x22);
    EXPECT_EQ(mouse.Image(2), ConfigImage{});
}

TEST(SimMouse, ShortGetIsCutAndOtherReportsStall) {
    SimMouse mouse;
    ASSERT_EQ(mouse.HandleSetFeature(kFirmware), 0);
    const SimGetReply cut = mouse.HandleGetFeature(kStatusReportId, 17);
    EXPECT_EQ(cut.error, 0);
    EXPECT_EQ(cut.bytes, (Bytes{0x60, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x7C}));
    EXPECT_EQ(mouse.HandleGetFeature(kImageReportId, kImageReportSize).error, EPIPE);
}

TEST(SimMouse, FaultsComeInTheOrderScripted) {
    SimMouse mouse;
    mouse.RefuseSends(ETIMEDOUT, SimRefusal::kOnce);
    EXPECT_EQ(mouse.HandleSetFeature(kFirmware), ETIMEDOUT);
    EXPECT_EQ(mouse.HandleSetFeature(kFirmware), 0);

    mouse.ScriptStatuses(std::vector<uint8_t>{kStatusBusy, 0x09});
    EXPECT_EQ(StatusAfter(mouse), kStatusBusy);
    EXPECT_EQ(StatusAfter(mouse), 0x09);
    EXPECT_EQ(StatusAfter(mouse), kStatusDone);

    mouse.RefuseSends(EPIPE, SimRefusal::kAlways);
    EXPECT_EQ(mouse.HandleSetFeature(kFirmware), EPIPE);
    EXPECT_EQ(mouse.HandleSetFeature(kFirmware), EPIPE);
    mouse.StopRefusing();
    EXPECT_EQ(mouse.HandleSetFeature(kFirmware), 0);
    EXPECT_EQ(mouse.ReceivedReports().size(), 5u);
}

// --- State file ---

class SimStateFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(PrepareSimStateFile(file)); }

    Bytes Read() { return testing::ReadBytes(file); }

    testing::TempFolder folder;
    std::filesystem::path file = folder / "mouse.state";
};

SimMouseState SampleState() {
    SimMouseState state;
    state.activeSlot = 4;
    state.firmwareVersion = 0x1234;
    state.liftDistance = 25;
    state.surfaceQuality = 7;
    state.pluggedIn = false;
    for (int slot = 0; slot < kProfileCount; ++slot) {
        state.images[slot].fill(static_cast<uint8_t>(0x10 + slot));
    }
    return state;
}

TEST_F(SimStateFileTest, RoundTripsWithTheDocumentedHeader) {
    EXPECT_EQ(Read(), EncodeSimState(SimMouseState{}));  // a missing file starts as the factory's
    ASSERT_TRUE(SaveSimState(file, SampleState()));
    const Bytes bytes = Read();
    ASSERT_EQ(bytes.size(), 10256u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 16),
              (Bytes{'T', 'A', 'V', 'R', 'O', 'S', 'I', 'M', 1, 4, 0x34, 0x12, 25, 7, 1, 0}));
    EXPECT_EQ(bytes[16], 0x10);
    EXPECT_EQ(bytes[16 + 4 * 2048], 0x14);
    SimMouseState loaded;
    ASSERT_TRUE(LoadSimState(file, loaded));
    EXPECT_EQ(loaded, SampleState());
    // Files from before the unplugged flag hold 0 there: plugged in.
    testing::WriteBytes(file, With(bytes, 14, 0));
    ASSERT_TRUE(LoadSimState(file, loaded));
    EXPECT_TRUE(loaded.pluggedIn);
    // Only the state file is left: the temporary one was renamed over it.
    EXPECT_EQ(testing::EntryNames(folder.path()), std::vector<std::string>{"mouse.state"});
}

TEST_F(SimStateFileTest, DamagedFilesAreRefusedAndNeverReset) {
    const Bytes good = Read();
    const std::tuple<const char*, Bytes, FileStatus> damaged[] = {
        {"empty", {}, FileStatus::kTruncated},
        {"one byte short", Bytes(good.begin(), good.end() - 1), FileStatus::kTruncated},
        {"one byte long",
         [&] {
             Bytes longer = good;
             longer.push_back(0);
             return longer;
         }(),
         FileStatus::kDamaged},
        {"much longer, not even read", Bytes(3 * good.size(), 0x11), FileStatus::kDamaged},
        {"other magic", With(good, 0, 'X'), FileStatus::kForeignSignature},
        {"other format version", With(good, 8, 2), FileStatus::kForeignSignature},
        {"active slot five", With(good, 9, 5), FileStatus::kDamaged},
    };
    for (const auto& [name, bytes, status] : damaged) {
        testing::WriteBytes(file, bytes);
        SimMouseState state;
        EXPECT_EQ(LoadSimState(file, state).status, status) << name;
        EXPECT_EQ(PrepareSimStateFile(file).status, status) << name;
        SimMouse mouse(file);
        EXPECT_NE(mouse.HandleSetFeature(Command(kCommandSelectProfile, 0, 2)), 0) << name;
        EXPECT_EQ(Read(), bytes) << name;
    }
    if (::geteuid() != 0) {  // root reads any file
        ASSERT_TRUE(SaveSimState(file, SimMouseState{}));
        ASSERT_EQ(::chmod(file.c_str(), 0), 0);
        EXPECT_EQ(PrepareSimStateFile(file).status, FileStatus::kUnreadable);
    }
}

TEST_F(SimStateFileTest, ProcessesSharingTheFileShareOneMouse) {
    SimMouse program(file);
    SimMouse tool(file);
    ASSERT_EQ(program.HandleSetFeature(Command(kCommandSelectProfile, 0, 3)), 0);
    ASSERT_EQ(program.HandleSetFeature(ImageHalf(2, 0, 0x31)), 0);
    ASSERT_EQ(program.HandleSetFeature(ImageHalf(2, 1, 0x32)), 0);

    ASSERT_EQ(tool.HandleSetFeature(Command(kCommandActiveProfile)), 0);
    const SimGetReply reply = tool.HandleGetFeature(kStatusReportId, kStatusReportSize);
    ASSERT_EQ(reply.bytes.size(), kStatusReportSize);
    EXPECT_EQ(reply.bytes[kReplyOffset], 3);
    EXPECT_EQ(tool.Image(2)[2047], 0x32);

    ASSERT_EQ(tool.HandleSetFeature(Command(kCommandLiftDistance, 2, 30)), 0);
    EXPECT_EQ(SimMouse(file).State().liftDistance, 30);
    EXPECT_EQ(program.State().liftDistance, 30);

    ASSERT_TRUE(tool.SetPluggedIn(false));
    EXPECT_FALSE(program.PluggedIn());
    EXPECT_EQ(program.HandleSetFeature(kFirmware), ENODEV);
    EXPECT_EQ(program.HandleGetFeature(kStatusReportId, kStatusReportSize).error, ENODEV);
}

// Nothing may answer "done" that the file does not hold: the exchange fails as a
// device error and the mouse keeps what the file has.
TEST_F(SimStateFileTest, AChangeThatCannotBeSavedFailsTheExchange) {
    testing::FailingWriteCalls diskFull(0);
    SimMouse full(file, diskFull);
    EXPECT_EQ(full.HandleSetFeature(Command(kCommandSelectProfile, 0, 2)), ENOSPC);
    EXPECT_EQ(full.State().activeSlot, 0);
    EXPECT_EQ(full.HandleSetFeature(kFirmware), 0);  // a request that changes nothing works

    SimMouse gone(file);
    std::filesystem::remove_all(folder.path());
    EXPECT_NE(gone.HandleSetFeature(Command(kCommandSelectProfile, 0, 2)), 0);
    const SimGetReply status = gone.HandleGetFeature(kStatusReportId, kStatusReportSize);
    EXPECT_TRUE(status.error != 0 || status.bytes[kStatusOffset] != kStatusDone);
}

// The lock another process would take: a descriptor of its own on the file.
UniqueFd LockedElsewhere(const std::filesystem::path& file) {
    UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    EXPECT_EQ(::flock(fd.get(), LOCK_EX | LOCK_NB), 0);
    return fd;
}

TEST_F(SimStateFileTest, OneWriterAtATimeAndAPollDuringAnApplySkips) {
    SimMouse applying(file);
    SimHidBackend applyingBackend(applying);
    RecordingSleeper sleeper;
    DeviceLink apply(applyingBackend, sleeper);
    SimMouse polling(file);
    SimHidBackend pollingBackend(polling);
    DeviceLink poll(pollingBackend, sleeper);
    ASSERT_TRUE(apply.FindDevice());
    ASSERT_TRUE(poll.FindDevice());

    {
        ExchangeLock held = apply.LockExchanges(std::chrono::milliseconds(0));
        ASSERT_TRUE(held);
        EXPECT_FALSE(poll.LockExchanges(std::chrono::milliseconds(0)));
        // Each change replaces the file; the lock must pass to the new one.
        DeviceProfile profile;
        PackProfile(ProfileRecord{}, profile);
        ASSERT_EQ(WriteImage(apply, profile), DeviceResult::kDone);
        EXPECT_FALSE(poll.LockExchanges(std::chrono::milliseconds(0)));
        EXPECT_EQ(polling.Image(0), applying.Image(0));  // readers see whole states
    }
    EXPECT_TRUE(poll.LockExchanges(std::chrono::milliseconds(0)));

    UniqueFd other = LockedElsewhere(file);
    EXPECT_FALSE(apply.LockExchanges(std::chrono::milliseconds(0)));
    other.Reset();
    ExchangeLock kept = apply.LockExchanges(std::chrono::milliseconds(0));
    EXPECT_TRUE(kept);
    apply.CloseDevice();  // a closed handle holds nothing, whatever its lock object says
    EXPECT_TRUE(poll.LockExchanges(std::chrono::milliseconds(0)));
}

TEST(SimMouse, EverySettingOfTheLiftDistanceSliderBecomesACommandTheMouseTakes) {
    SimMouse mouse;
    for (int setting = kMinLiftDistanceSetting; setting <= kMaxLiftDistanceSetting; ++setting) {
        const uint8_t sent = LiftDistanceForCommand(setting);
        ASSERT_EQ(mouse.HandleSetFeature(Command(kCommandLiftDistance, 1, sent)), 0);
        EXPECT_EQ(StatusAfter(mouse), kStatusDone) << setting;
        EXPECT_LE(LiftDistanceForImage(static_cast<uint8_t>(setting)), kMaxCommandLiftDistance);
    }
}

// --- The in-process front end ---

class SimBackendTest : public ::testing::Test {
protected:
    SimMouse mouse;
    SimHidBackend backend{mouse};
    RecordingSleeper sleeper;
    DeviceLink link{backend, sleeper};
};

TEST_F(SimBackendTest, ListsMouseKeyboardAndVendorCollectionsInThatOrder) {
    const std::vector<HidInterfaceInfo> interfaces = backend.ListInterfaces();
    ASSERT_EQ(interfaces.size(), 3u);
    const std::pair<uint16_t, uint16_t> usages[] = {{0x0001, 2}, {0x0001, 6}, {0xFF01, 2}};
    for (size_t i = 0; i < interfaces.size(); ++i) {
        EXPECT_EQ(interfaces[i].vendorId, 0x3D71);
        EXPECT_EQ(interfaces[i].productId, 0x4A96);
        EXPECT_EQ(interfaces[i].usagePage, usages[i].first);
        EXPECT_EQ(interfaces[i].usage, usages[i].second);
    }
    ASSERT_TRUE(link.FindDevice());
    EXPECT_EQ(backend.OpenHandleCount(), 1);
    EXPECT_TRUE(DeviceLink::IsMouseDevicePath(link.LastSearch().path));
}

TEST_F(SimBackendTest, NodeWithoutAccessIsReportedAsSuch) {
    backend.RefuseOpen({EACCES, "Permission denied"});
    EXPECT_FALSE(link.FindDevice());
    EXPECT_EQ(link.LastSearch().outcome, SearchOutcome::kCannotOpen);
    EXPECT_EQ(link.LastSearch().openError->code, EACCES);
    backend.AllowOpen();
    EXPECT_TRUE(link.FindDevice());
}

TEST_F(SimBackendTest, UnpluggedMouseFailsEveryCall) {
    ASSERT_TRUE(link.FindDevice());
    backend.Unplug();
    EXPECT_FALSE(link.SendFeature(Command(kCommandFirmwareVersion)));
    StatusReport status{kStatusReportId};
    EXPECT_EQ(link.ReadStatus(status), 0);
    EXPECT_TRUE(mouse.ReceivedReports().empty());
    EXPECT_TRUE(backend.ListInterfaces().empty());
    EXPECT_FALSE(link.FindDevice());
    EXPECT_EQ(link.LastSearch().outcome, SearchOutcome::kNotFound);

    backend.PlugIn();
    EXPECT_TRUE(link.FindDevice());
}

}  // namespace
}  // namespace tavro
