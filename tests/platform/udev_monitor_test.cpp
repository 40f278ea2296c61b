#include "platform/udev_monitor.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

constexpr char kSysfsPath[] =
    "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:3D71:4A96.0007/hidraw/hidraw3";

TEST(DeviceEventFromUdev, KeepsAddAndRemoveOnly) {
    const auto arrival = DeviceEventFromUdev("add", kSysfsPath);
    ASSERT_TRUE(arrival);
    EXPECT_EQ(arrival->kind, DeviceEventKind::kArrival);
    EXPECT_EQ(arrival->path, kSysfsPath);

    const auto removal = DeviceEventFromUdev("remove", kSysfsPath);
    ASSERT_TRUE(removal);
    EXPECT_EQ(removal->kind, DeviceEventKind::kRemoval);

    for (const char* action : {"change", "bind", "unbind", "move", "", "added"}) {
        EXPECT_FALSE(DeviceEventFromUdev(action, kSysfsPath)) << action;
    }
    EXPECT_FALSE(DeviceEventFromUdev(nullptr, kSysfsPath));
    EXPECT_FALSE(DeviceEventFromUdev("add", nullptr));
}

TEST(UdevMonitor, HasNothingToGiveBeforeItStarts) {
    UdevMonitor monitor;
    EXPECT_EQ(monitor.Fd(), -1);
    EXPECT_TRUE(monitor.TakeEvents().empty());
    EXPECT_TRUE(monitor.Source().empty());
}

TEST(UdevMonitor, StartedMonitorGivesADescriptorAndToleratesAnEmptyReceive) {
    UdevMonitor monitor;
    if (!monitor.Start()) {
        GTEST_SKIP() << "no netlink uevents in this environment";
    }
    EXPECT_GE(monitor.Fd(), 0);
    EXPECT_TRUE(monitor.Source() == "udev" || monitor.Source() == "kernel") << monitor.Source();
    EXPECT_TRUE(monitor.Start());  // a second start keeps the running monitor
    for (const DeviceEvent& event : monitor.TakeEvents()) {
        EXPECT_FALSE(event.path.empty());  // whatever arrived meanwhile is well-formed
    }
}

}  // namespace
}  // namespace tavro
