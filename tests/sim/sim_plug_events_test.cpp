#include "sim/sim_plug_events.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <filesystem>
#include <fstream>

#include "device/device_link.h"
#include "tests/support/temp_folder.h"

namespace tavro {
namespace {

// The plug flag lives in the state file; the tests set the flag the loader reports
// and then change the file on disk, so that the watch sees what a writer would do.
class SimPlugEventsTest : public ::testing::Test {
protected:
    std::optional<SimMouseState> Load(const std::filesystem::path& path) {
        loadedPaths.push_back(path);
        if (!fileReadable) {
            return std::nullopt;
        }
        SimMouseState state;
        state.pluggedIn = pluggedIn;
        return state;
    }

    // Replaces `name` in the folder the way SaveSimState does: a finished temporary file
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
    SimMouse mouse;
    SimHidBackend backend{mouse};
    bool pluggedIn = true;
    bool fileReadable = true;
    std::vector<std::filesystem::path> loadedPaths;
    SimPlugEvents events{stateFile, backend, [this](const auto& path) { return Load(path); }};
};

TEST_F(SimPlugEventsTest, TakesThePlugStateOfTheFileFromTheStart) {
    pluggedIn = false;
    SimPlugEvents unpluggedAtStart(stateFile, backend,
                                   [this](const auto& path) { return Load(path); });
    EXPECT_FALSE(backend.IsPluggedIn());
    EXPECT_EQ(loadedPaths.back(), stateFile);
    pluggedIn = true;
    ASSERT_TRUE(unpluggedAtStart.Start());
    EXPECT_TRUE(backend.IsPluggedIn());
    EXPECT_GE(unpluggedAtStart.Fd(), 0);
}

TEST_F(SimPlugEventsTest, UnplugAndPlugInBecomeRemovalAndArrival) {
    ASSERT_TRUE(events.Start());
    pluggedIn = false;
    ReplaceFile("mouse.state");
    ExpectOneEvent(DeviceEventKind::kRemoval);
    EXPECT_FALSE(backend.IsPluggedIn());

    pluggedIn = true;
    ReplaceFile("mouse.state");
    ExpectOneEvent(DeviceEventKind::kArrival);
    EXPECT_TRUE(backend.IsPluggedIn());
    EXPECT_TRUE(DeviceLink::IsMouseDevicePath(kSimDevicePath));
}

TEST_F(SimPlugEventsTest, OtherChangesAreNoEvents) {
    ASSERT_TRUE(events.Start());
    ReplaceFile("mouse.state");  // a profile written, still plugged in
    EXPECT_TRUE(EventsAfterChange().empty());
    pluggedIn = false;
    ReplaceFile("other.state");  // another simulated mouse in the same folder
    EXPECT_TRUE(EventsAfterChange().empty());
    EXPECT_TRUE(backend.IsPluggedIn());
}

TEST_F(SimPlugEventsTest, AStateFileThatGoesAwayIsAPluggedInMouse) {
    pluggedIn = false;
    ReplaceFile("mouse.state");
    ASSERT_TRUE(events.Start());
    ASSERT_FALSE(backend.IsPluggedIn());
    fileReadable = false;
    std::filesystem::remove(stateFile);
    ExpectOneEvent(DeviceEventKind::kArrival);
}

TEST(SimPlugEventsStartTest, AFolderThatDoesNotExistCannotBeWatched) {
    SimMouse mouse;
    SimHidBackend backend(mouse);
    SimPlugEvents events("/nonexistent-tavro-folder/mouse.state", backend);
    EXPECT_FALSE(events.Start());
    EXPECT_EQ(events.Fd(), -1);
    EXPECT_TRUE(events.TakeEvents().empty());
}

}  // namespace
}  // namespace tavro
