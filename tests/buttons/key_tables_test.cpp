#include <gtest/gtest.h>

#include "buttons/button_functions.h"
#include "buttons/key_names.h"

namespace tavro {
namespace {

TEST(DeviceKeyCode, TranslatesEveryRangeAndPassesTheRestThrough) {
    struct Row {
        uint16_t vk;
        uint16_t device;
    };
    const Row rows[] = {
        {0x41, 0x04},
        {0x5A, 0x1D},  // letters
        {0x31, 0x1E},
        {0x39, 0x26},
        {0x30, 0x27},  // digits
        {0x70, 0x3A},
        {0x7B, 0x45},  // F1–F12
        {0x61, 0x59},
        {0x69, 0x61},
        {0x60, 0x62},  // keypad digits
        {0x03, 0x48},
        {0x13, 0x48},  // Break and Pause share a code
        {0x0D, 0x28},
        {0x1B, 0x29},
        {0x20, 0x2C},
        {0x25, 0x50},
        {0x28, 0x51},
        {0x5B, 0xE3},
        {0x5C, 0xE7},
        {0x5D, 0x65},
        {0xA0, 0xE1},
        {0xA1, 0xE5},
        {0xA2, 0xE0},
        {0xA3, 0xE4},
        {0xA4, 0xE2},
        {0xA5, 0xE6},
        {0xAE, 0x81},
        {0xAF, 0x80},
        {0xBA, 0x33},
        {0xC0, 0x35},
        {0xDE, 0x34},
        // pass through: F13–F24, generic modifiers, mute, mouse and wheel codes, big values
        {0x7C, 0x7C},
        {0x87, 0x87},
        {0x10, 0x10},
        {0x12, 0x12},
        {0xAD, 0xAD},
        {1, 1},
        {151, 151},
        {166, 166},
        {0, 0},
        {0x1234, 0x1234},
        {0xFFFF, 0xFFFF},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DeviceKeyCode(row.vk), row.device) << "vk " << row.vk;
    }
}

TEST(KeyName, MatchesTheFixedTable) {
    struct Row {
        unsigned vk;
        const char* name;
    };
    const Row rows[] = {
        {0, ""},
        {1, "Left Button"},
        {3, ""},
        {13, "ENTER"},
        {38, "UP ARROW "},
        {48, "0"},
        {57, "9"},
        {96, "0"},
        {105, "9"},
        {65, "A"},
        {90, "Z"},
        {91, "Left Window"},
        {93, "Application"},
        {107, "+"},
        {108, ""},
        {112, "F1"},
        {0x7C, "F13"},
        {135, "F24"},
        {136, ""},
        {16, ""},
        {160, "Left SHIFT"},
        {165, "Right ALT"},
        {166, "Browser Forward"},
        {167, "Browser Forward"},
        {0xAD, ""},
        {175, "Volume Up "},
        {187, "+"},
        {220, "\\"},
        {222, "'"},
        {223, ""},
        {255, "Fn"},
        {256, ""},
        {0x10041, ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(KeyName(row.vk), row.name) << "vk " << row.vk;
    }
}

TEST(FunctionCatalogue, LabelsAndEncodings) {
    struct Row {
        unsigned code;
        const char* label;
        uint8_t actionClass;
        uint8_t argument;
    };
    const Row rows[] = {
        {0, "Left Click", 0x00, 0x01},
        {1, "Right Click", 0x00, 0x02},
        {2, "Scroll Click", 0x00, 0x04},
        {3, "Forward", 0x00, 0x10},
        {4, "Back", 0x00, 0x08},
        {5, "Dpi up", 0x09, 0xF0},
        {6, "Dpi down", 0x09, 0xF2},
        {7, "", 0x00, 0x00},
        {8, "Profile switch roll", 0x08, 0xF1},
        {9, "Profile switch up", 0x08, 0xF0},
        {10, "Profile switch down", 0x08, 0xF2},
        {11, "Scroll up", 0x01, 0x01},
        {12, "Scroll down", 0x01, 0xFF},
        {13, "Single key assign...", 0x02, 0x00},
        {14, "Assign record macro", 0x03, 0x00},
        {15, "Disable Button", 0xFF, 0x00},
        {16, "", 0x00, 0x00},
        {255, "", 0x00, 0x00},
        {100000, "", 0x00, 0x00},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FunctionLabel(row.code), row.label) << "code " << row.code;
        const FunctionBytes bytes = FunctionEncoding(row.code);
        EXPECT_EQ(bytes.actionClass, row.actionClass) << "code " << row.code;
        EXPECT_EQ(bytes.actionArgument, row.argument) << "code " << row.code;
    }
}

}  // namespace
}  // namespace tavro
