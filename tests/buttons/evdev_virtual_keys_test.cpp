#include <gtest/gtest.h>

#include "buttons/evdev_virtual_keys.h"

namespace tavro {
namespace {

TEST(VirtualKeyFromEvdev, FollowsTheKeyPositionNotItsLabel) {
    struct Row {
        unsigned evdev;
        uint8_t virtualKey;
    };
    const Row rows[] = {
        {30, 0x41},                       // A
        {44, 0x5A},                       // Z on US, Y on German layouts: still the Z position
        {2, 0x31},                        // 1
        {11, 0x30},                       // 0 comes after 9 in the row
        {59, 0x70},                       // F1
        {68, 0x79},                       // F10
        {87, 0x7A},                       // F11 is not next to F10 in evdev
        {88, 0x7B},                       // F12
        {183, 0x7C},                      // F13, whose default keysym is XF86Tools
        {194, 0x87},                      // F24
        {82, 0x60},                       // keypad 0
        {73, 0x69},                       // keypad 9
        {98, 0x6F},                       // keypad /
        {96, 0x0D},                       // keypad Enter shares Return
        {28, 0x0D},                       // Return
        {1, 0x1B},                        // Esc
        {102, 0x24},                      // Home
        {109, 0x22},                      // Page Down
        {99, 0x2C},                       // Print Screen (SysRq)
        {119, 0x13},                      // Pause
        {42, 0xA0},                       // left Shift
        {54, 0xA1},                       // right Shift
        {29, 0xA2},                       // left Ctrl
        {97, 0xA3},                       // right Ctrl
        {56, 0xA4},                       // left Alt
        {100, 0xA5},                      // right Alt (AltGr)
        {125, 0x5B},                      // left Windows
        {126, 0x5C},                      // right Windows
        {127, 0x5D},                      // Application key (KEY_COMPOSE)
        {139, 0x00},                      // KEY_MENU is another key, without a Windows code
        {39, 0xBA},                       // ;
        {86, 0xE2},                       // ISO <>
        {113, 0xAD},                      // mute
        {115, 0xAF},                      // volume up
        {158, 0xA6},                      // browser back
        {155, 0xB4},                      // mail
        {0, 0x00},                        // KEY_RESERVED
        {240, 0x00},                      // KEY_UNKNOWN
        {255, 0x00},        {256, 0x00},  // BTN_MISC and beyond
        {0xFFFFFFFF, 0x00},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(VirtualKeyFromEvdev(row.evdev), row.virtualKey) << "evdev " << row.evdev;
    }
}

TEST(VirtualKeyFromXKeycode, IsTheEvdevCodePlusEight) {
    EXPECT_EQ(VirtualKeyFromXKeycode(38), 0x41);   // A
    EXPECT_EQ(VirtualKeyFromXKeycode(105), 0xA3);  // right Ctrl
    EXPECT_EQ(VirtualKeyFromXKeycode(135), 0x5D);  // Menu
    EXPECT_EQ(VirtualKeyFromXKeycode(8), 0x00);
    EXPECT_EQ(VirtualKeyFromXKeycode(7), 0x00);  // below the X keycode range
    EXPECT_EQ(VirtualKeyFromXKeycode(0), 0x00);
}

}  // namespace
}  // namespace tavro
