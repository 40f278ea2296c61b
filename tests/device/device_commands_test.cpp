#include "device/device_commands.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <random>
#include <vector>

#include "sim/sim_backend.h"
#include "tests/support/recording_sleeper.h"

namespace tavro {
namespace {

using std::chrono::milliseconds;
using Bytes = std::vector<uint8_t>;
using Pauses = std::vector<milliseconds>;

class DeviceCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(link.FindDevice()); }

    const std::deque<Bytes>& Received() const { return mouse.ReceivedReports(); }

    SimMouse mouse;
    SimHidBackend backend{mouse};
    RecordingSleeper sleeper;
    DeviceLink link{backend, sleeper};
};

// --- The seven commands ---

struct CommandCase {
    const char* name;
    std::function<DeviceResult(DeviceLink&)> run;
    Bytes head;  // bytes 0–5; the other 58 are zero
    milliseconds pause;
    bool pauseAfterFailedSend;
};

DeviceResult Firmware(DeviceLink& link) {
    uint16_t version = 0;
    return ReadFirmwareVersion(link, version);
}

DeviceResult Active(DeviceLink& link) {
    uint8_t slot = 0;
    return ReadActiveProfile(link, slot);
}

DeviceResult Quality(DeviceLink& link) {
    uint8_t quality = 0;
    return ReadSurfaceQuality(link, quality);
}

const CommandCase kCommands[] = {
    {"ReadFirmwareVersion", Firmware, {0x60, 0x02, 0, 0, 0, 0}, milliseconds{50}, false},
    {"ReadActiveProfile", Active, {0x60, 0x03, 0, 0, 0, 0}, milliseconds{10}, false},
    {"SelectProfile3",
     [](DeviceLink& l) { return SelectProfile(l, 3); },
     {0x60, 0x04, 0, 0, 0, 0x03},
     milliseconds{1500},
     false},
    {"StartSurfaceAnalysis",
     StartSurfaceAnalysis,
     {0x60, 0x05, 0x01, 0, 0, 0},
     milliseconds{10},
     true},
    {"ReadSurfaceQuality", Quality, {0x60, 0x05, 0x02, 0, 0, 0}, milliseconds{10}, true},
    {"TestLiftDistance12",
     [](DeviceLink& l) { return TestLiftDistance(l, 12); },
     {0x60, 0x06, 0x01, 0, 0, 0x0C},
     milliseconds{20},
     true},
    {"SaveLiftDistance12",
     [](DeviceLink& l) { return SaveLiftDistance(l, 12); },
     {0x60, 0x06, 0x02, 0, 0, 0x0C},
     milliseconds{200},
     true},
};

class CommandTest : public DeviceCommandsTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandTest, SendsItsBytesAndPausesBeforeTheStatusRead) {
    const CommandCase& c = GetParam();
    EXPECT_EQ(c.run(link), DeviceResult::kDone);
    Bytes expected(kCommandReportSize, 0);
    std::copy(c.head.begin(), c.head.end(), expected.begin());
    ASSERT_EQ(Received().size(), 1u);
    EXPECT_EQ(Received()[0], expected);
    EXPECT_EQ(sleeper.pauses, Pauses{c.pause});
}

TEST_P(CommandTest, WithoutHandleFailsAfterTheRightPauses) {
    link.CloseDevice();
    EXPECT_EQ(GetParam().run(link), DeviceResult::kFailed);
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(sleeper.pauses,
              GetParam().pauseAfterFailedSend ? Pauses{GetParam().pause} : Pauses{});
}

TEST_P(CommandTest, RefusedSendFailsWithoutAStatusRead) {
    mouse.RefuseSends(EACCES, SimRefusal::kAlways);
    mouse.ScriptStatuses(std::vector<uint8_t>{kStatusDone});  // would be read by mistake
    EXPECT_EQ(GetParam().run(link), DeviceResult::kFailed);
    EXPECT_EQ(Received().size(), 1u);
    EXPECT_EQ(sleeper.pauses,
              GetParam().pauseAfterFailedSend ? Pauses{GetParam().pause} : Pauses{});
}

TEST_P(CommandTest, MouseThatNeverReportsDoneFails) {
    mouse.ScriptStatuses(std::vector<uint8_t>{0, 0, 0, 0, 0, kStatusDone});
    EXPECT_EQ(GetParam().run(link), DeviceResult::kFailed);
}

TEST_P(CommandTest, BusyMouseFailsAfterTwoShortPauses) {
    mouse.ScriptStatuses(std::vector<uint8_t>{kStatusBusy, kStatusBusy, kStatusBusy});
    EXPECT_EQ(GetParam().run(link), DeviceResult::kFailed);
    EXPECT_EQ(sleeper.pauses, (Pauses{GetParam().pause, milliseconds{20}, milliseconds{20}}));
}

INSTANTIATE_TEST_SUITE_P(All, CommandTest, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return info.param.name; });

// --- Reply values ---

StatusReport Reply(std::initializer_list<std::pair<size_t, uint8_t>> bytes) {
    StatusReport reply{kStatusReportId, kStatusDone};
    for (auto [offset, value] : bytes) {
        reply[offset] = value;
    }
    return reply;
}

TEST_F(DeviceCommandsTest, FirmwareVersionIsLittleEndianFromByte16) {
    uint16_t version = 0;
    EXPECT_EQ(ReadFirmwareVersion(link, version), DeviceResult::kDone);
    EXPECT_EQ(version, 124);  // the simulated mouse's 7C 00

    const StatusReport replies[] = {Reply({{16, 0x34}, {17, 0x12}})};
    mouse.ScriptReplies(replies);
    EXPECT_EQ(ReadFirmwareVersion(link, version), DeviceResult::kDone);
    EXPECT_EQ(version, 0x1234);
}

TEST_F(DeviceCommandsTest, SelectedProfileIsTheActiveOne) {
    ASSERT_EQ(SelectProfile(link, 3), DeviceResult::kDone);
    uint8_t slot = 0;
    EXPECT_EQ(ReadActiveProfile(link, slot), DeviceResult::kDone);
    EXPECT_EQ(slot, 3);
    EXPECT_EQ(mouse.State().activeSlot, 3);
}

TEST_F(DeviceCommandsTest, ActiveProfileAboveFourFailsAndKeepsTheOutValue) {
    const StatusReport replies[] = {Reply({{16, 4}}), Reply({{16, 5}}), Reply({{16, 255}})};
    mouse.ScriptReplies(replies);
    uint8_t slot = 9;
    EXPECT_EQ(ReadActiveProfile(link, slot), DeviceResult::kDone);
    EXPECT_EQ(slot, 4);
    EXPECT_EQ(ReadActiveProfile(link, slot), DeviceResult::kFailed);
    EXPECT_EQ(ReadActiveProfile(link, slot), DeviceResult::kFailed);
    EXPECT_EQ(slot, 4);
}

TEST_F(DeviceCommandsTest, SurfaceQualityAndSavedLiftDistanceComeFromTheMouse) {
    SimMouseState state = mouse.State();
    state.surfaceQuality = 51;
    mouse.SetState(state);
    uint8_t quality = 0;
    EXPECT_EQ(ReadSurfaceQuality(link, quality), DeviceResult::kDone);
    EXPECT_EQ(quality, 51);

    EXPECT_EQ(TestLiftDistance(link, 20), DeviceResult::kDone);
    EXPECT_EQ(mouse.State().liftDistance, 12);
    EXPECT_EQ(SaveLiftDistance(link, 20), DeviceResult::kDone);
    EXPECT_EQ(mouse.State().liftDistance, 20);
}

TEST_F(DeviceCommandsTest, RequestTheMouseRejectsFails) {
    EXPECT_EQ(SelectProfile(link, 5), DeviceResult::kFailed);
    EXPECT_EQ(TestLiftDistance(link, 5), DeviceResult::kFailed);
    EXPECT_EQ(mouse.State().activeSlot, 0);
}

TEST_F(DeviceCommandsTest, OutValuesAreWrittenOnlyOnDone) {
    link.CloseDevice();
    uint16_t version = 77;
    uint8_t quality = 77;
    EXPECT_EQ(ReadFirmwareVersion(link, version), DeviceResult::kFailed);
    EXPECT_EQ(ReadSurfaceQuality(link, quality), DeviceResult::kFailed);
    EXPECT_EQ(version, 77);
    EXPECT_EQ(quality, 77);
}

// Whatever the mouse answers, a command ends with a defined result and never waits
// longer than its own pause plus the two busy pauses.
TEST(DeviceCommandsUntrusted, AnyReplyGivesADefinedResult) {
    std::mt19937 random(20240611);
    for (int status = 0; status < 256; ++status) {
        for (const CommandCase& c : kCommands) {
            SimMouse mouse;
            SimHidBackend backend{mouse};
            RecordingSleeper sleeper;
            DeviceLink link{backend, sleeper};
            ASSERT_TRUE(link.FindDevice());
            std::vector<StatusReport> replies(5);
            for (StatusReport& reply : replies) {
                for (uint8_t& byte : reply) {
                    byte = static_cast<uint8_t>(random());
                }
                reply[kStatusOffset] = static_cast<uint8_t>(status);
            }
            mouse.ScriptReplies(replies);

            const DeviceResult result = c.run(link);
            const bool done = status == kStatusDone;
            EXPECT_TRUE(result == DeviceResult::kFailed || (done && result == DeviceResult::kDone))
                << c.name << " status " << status;
            milliseconds waited{0};
            for (milliseconds pause : sleeper.pauses) {
                waited += pause;
            }
            EXPECT_LE(waited, c.pause + milliseconds{40}) << c.name << " status " << status;
        }
    }
}

// --- WriteImage ---

DeviceProfile ProfileWithEvents(uint8_t slot, unsigned events) {
    DeviceProfile profile;
    profile.slot = slot;
    for (MacroSlot& macro : profile.macroSlots) {
        const unsigned count = std::min<unsigned>(events, kMacroSlotCapacity);
        macro.count = static_cast<uint16_t>(count);
        for (unsigned e = 0; e < count; ++e) {
            macro.events[e] = {1, 0x04, static_cast<uint8_t>(e % 2), 10};
        }
        events -= count;
    }
    return profile;
}

ConfigImage Encoded(const DeviceProfile& profile) {
    ConfigImage image{};
    EncodeImage(profile, image);
    return image;
}

const Pauses k60{milliseconds{60}};
const Pauses k60k60{milliseconds{60}, milliseconds{60}};

TEST_F(DeviceCommandsTest, WriteImageSendsTwoHalvesIntoTheProfilesSlot) {
    const DeviceProfile profile = ProfileWithEvents(2, 20);
    const ConfigImage image = Encoded(profile);
    EXPECT_EQ(WriteImage(link, profile), DeviceResult::kDone);
    EXPECT_EQ(sleeper.pauses, k60k60);
    ASSERT_EQ(Received().size(), 2u);
    for (uint8_t half = 0; half < 2; ++half) {
        const Bytes& report = Received()[half];
        ASSERT_EQ(report.size(), kImageReportSize);
        EXPECT_EQ(Bytes(report.begin(), report.begin() + 16),
                  (Bytes{0x61, 0x08, 0, 0, 0, 0x02, half, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_TRUE(
            std::equal(report.begin() + 16, report.begin() + 1040, image.begin() + 1024 * half));
        EXPECT_EQ(report[1040], 0);
    }
    EXPECT_EQ(mouse.Image(2), image);
}

TEST_F(DeviceCommandsTest, WriteImageTakes164EventsAndRefuses165WithNothingSent) {
    EXPECT_EQ(WriteImage(link, ProfileWithEvents(0, 164)), DeviceResult::kDone);
    EXPECT_EQ(Received().size(), 2u);
    mouse.ClearReceivedReports();
    sleeper.pauses.clear();

    EXPECT_EQ(WriteImage(link, ProfileWithEvents(1, 165)), DeviceResult::kRefused);
    EXPECT_TRUE(Received().empty());
    EXPECT_TRUE(sleeper.pauses.empty());
    EXPECT_EQ(mouse.Image(1), ConfigImage{});
}

TEST_F(DeviceCommandsTest, FirstHalfRefusedTwiceGivesNoSecondHalf) {
    mouse.RefuseSends(EPIPE, SimRefusal::kAlways);
    EXPECT_EQ(WriteImage(link, ProfileWithEvents(2, 0)), DeviceResult::kFailed);
    EXPECT_EQ(sleeper.pauses, k60);
    ASSERT_EQ(Received().size(), 2u);
    EXPECT_EQ(Received()[0][kImageHalfOffset], 0);
    EXPECT_EQ(Received()[1][kImageHalfOffset], 0);
}

TEST_F(DeviceCommandsTest, TransientRefusalOfASecondHalfIsRetried) {
    sleeper.onPause = [&](milliseconds) { mouse.RefuseSends(EPIPE, SimRefusal::kOnce); };
    const DeviceProfile profile = ProfileWithEvents(4, 3);
    EXPECT_EQ(WriteImage(link, profile), DeviceResult::kDone);
    EXPECT_EQ(Received().size(), 3u);
    EXPECT_EQ(mouse.Image(4), Encoded(profile));
}

TEST_F(DeviceCommandsTest, FailedStatusReadAfterFirstHalfStopsTheTransfer) {
    mouse.ScriptStatuses(std::vector<uint8_t>{kStatusBusy, kStatusBusy, kStatusBusy});
    EXPECT_EQ(WriteImage(link, ProfileWithEvents(1, 0)), DeviceResult::kFailed);
    EXPECT_EQ(Received().size(), 1u);
    EXPECT_EQ(sleeper.pauses, (Pauses{milliseconds{60}, milliseconds{20}, milliseconds{20}}));
}

TEST_F(DeviceCommandsTest, RemovalDuringTheTransferGivesFailure) {
    sleeper.onPause = [&](milliseconds) { backend.Unplug(); };
    EXPECT_EQ(WriteImage(link, ProfileWithEvents(3, 5)), DeviceResult::kFailed);
    EXPECT_EQ(Received().size(), 1u);
    EXPECT_EQ(sleeper.pauses, k60);
    backend.PlugIn();
    EXPECT_EQ(mouse.Image(3), ConfigImage{});
}

TEST_F(DeviceCommandsTest, WriteImageWithoutHandlePausesOnceAndFails) {
    link.CloseDevice();
    EXPECT_EQ(WriteImage(link, ProfileWithEvents(0, 0)), DeviceResult::kFailed);
    EXPECT_EQ(sleeper.pauses, k60);
}

}  // namespace
}  // namespace tavro
