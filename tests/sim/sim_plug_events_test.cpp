#include "sim/sim_plug_events.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <filesystem>
#include <fstream>

#include "device/device_link.h"
#include "sim/sim_backend.h"
#include "sim/sim_mouse.h"
#include "sim/sim_state_file.h"
#include "tests/support/temp_folder.h"

namespace tavro {
namespace {

// Another process unplugs or plugs in the mouse through the state file, as tavroctl
// does; the watch must see what that writer does.
class SimPlugEventsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(PrepareSimStateFile(stateFile)); }

    void SetPluggedIn(bool pluggedIn) { ASSERT_TRUE(writer.SetPluggedIn(pluggedIn)); }

    // Replaces `name` in the folder the way a save does: a finished temporary file
    // renamed over it.
    void ReplaceFile(const std::string& name) {
        const std::filesystem::path temporary = folder / (name + ".tmp");
        std::ofstream(temporary) << "state";
        std::filesystem::rename(temporary, folder / name);
    }

    // Events once the watch has seen the change.
    std::vector<DeviceEvent> EventsAfterChange() {
        pollfd readable{events.Fd(), POLLIN, 0};
        EXPECT_EQ(poll(&readable, 1, 5000), 1);
        return events.TakeEvents();
    }

    // After the change, exactly one event of `kind`, for the simulated mouse's node.
    void ExpectOneEvent(DeviceEventKind kind) {
        const std::vector<DeviceEvent> taken = EventsAfterChange();
        ASSERT_EQ(taken.size(), 1u);
        EXPECT_EQ(taken[0].kind, kind);
        EXPECT_EQ(taken[0].path, kSimDevicePath);
    }

    testing::TempFolder folder;
    std::filesystem::path stateFile = folder / "mouse.state";
    SimMouse writer{stateFile};
    SimPlugEvents events{stateFile};
};

TEST_F(SimPlugEventsTest, UnplugAndPlugInBecomeRemovalAndArrival) {
    ASSERT_TRUE(events.Start());
    SetPluggedIn(false);
    ExpectOneEvent(DeviceEventKind::kRemoval);
    SetPluggedIn(true);
    ExpectOneEvent(DeviceEventKind::kArrival);
    EXPECT_TRUE(DeviceLink::IsMouseDevicePath(kSimDevicePath));
}

TEST_F(SimPlugEventsTest, AMouseUnpluggedBeforeTheStartComesBackAsAnArrival) {
    SetPluggedIn(false);
    SimPlugEvents unpluggedAtStart(stateFile);
    ASSERT_TRUE(unpluggedAtStart.Start());
    SetPluggedIn(true);
    pollfd readable{unpluggedAtStart.Fd(), POLLIN, 0};
    ASSERT_EQ(poll(&readable, 1, 5000), 1);
    const std::vector<DeviceEvent> taken = unpluggedAtStart.TakeEvents();
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].kind, DeviceEventKind::kArrival);
}

TEST_F(SimPlugEventsTest, OtherChangesAreNoEvents) {
    ASSERT_TRUE(events.Start());
    SimMouseState state = writer.State();
    state.activeSlot = 3;  // a profile selected, still plugged in
    ASSERT_TRUE(writer.SetState(state));
    EXPECT_TRUE(EventsAfterChange().empty());
    ReplaceFile("other.state");  // another simulated mouse in the same folder
    EXPECT_TRUE(EventsAfterChange().empty());
}

TEST_F(SimPlugEventsTest, AStateFileThatGoesAwayIsAPluggedInMouse) {
    SetPluggedIn(false);
    ASSERT_TRUE(events.Start());
    std::filesystem::remove(stateFile);
    ExpectOneEvent(DeviceEventKind::kArrival);
}

TEST(SimPlugEventsStartTest, AFolderThatDoesNotExistCannotBeWatched) {
    SimPlugEvents events("/nonexistent-tavro-folder/mouse.state");
    EXPECT_FALSE(events.Start());
    EXPECT_EQ(events.Fd(), -1);
    EXPECT_TRUE(events.TakeEvents().empty());
}

}  // namespace
}  // namespace tavro
