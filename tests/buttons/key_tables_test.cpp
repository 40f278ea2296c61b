#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <set>
#include <string>
#include <vector>

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

TEST(TypedKeyNames, EveryCodeReadsBackFromTheNameItPrintsAs) {
    std::set<std::string> folded;
    for (unsigned code = 0; code < 256; ++code) {
        const std::string name = TypedKeyName(code);
        EXPECT_EQ(KeyByTypedName(name), code) << name;
        EXPECT_EQ(name.find(' '), std::string::npos) << name;
    }
    for (const std::string& name : TypedKeyNames()) {
        std::string lower;
        for (char c : name) {
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        EXPECT_TRUE(folded.insert(lower).second) << "two keys are named " << name;
    }
}

TEST(TypedKeyNames, AreForgivingAndTellTheKeypadApart) {
    struct Row {
        std::string typed;
        std::optional<uint8_t> code;
    };
    const Row rows[] = {
        {"F5", 0x74},
        {"f5", 0x74},
        {" page up ", 33},
        {"Page_Up", 33},
        {"PAGE-UP", 33},
        {"UP ARROW ", 38},
        {"up-arrow", 38},
        {"volume up", 175},
        {"0", 48},
        {"Num-0", 96},
        {"num 9", 105},
        {"+", 187},
        {"Num-Add", 107},
        {"-", 189},
        {"Num-Subtract", 109},
        {".", 190},
        {"/", 191},
        {"Num-Divide", 111},
        {"Browser-Back", 166},
        {"Browser Forward", 167},
        {"left shift", 160},
        {"0xAD", 0xAD},
        {"0x00", 0},
        {"0x100", std::nullopt},
        {"Left Button", std::nullopt},
        {"F25", std::nullopt},
        {"", std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(KeyByTypedName(row.typed), row.code) << "\"" << row.typed << "\"";
    }
    EXPECT_EQ(TypedKeyName(38), "UP-ARROW");
    EXPECT_EQ(TypedKeyName(0xAD), "0xAD");
    EXPECT_EQ(TypedKeyName(1), "0x01");   // a mouse button is no key
    EXPECT_EQ(KeyName(38), "UP ARROW ");  // what the program shows is untouched
}

TEST(TypedFunctionNames, AreTheLabelsInLowerCaseWithHyphens) {
    EXPECT_EQ(TypedFunctionNames(),
              (std::vector<std::string>{"left-click", "right-click", "scroll-click", "forward",
                                        "back", "dpi-up", "dpi-down", "profile-switch-roll",
                                        "profile-switch-up", "profile-switch-down", "scroll-up",
                                        "scroll-down", "disable-button"}));
    EXPECT_EQ(FunctionByTypedName("Profile-Switch-Roll"), 8);
    EXPECT_EQ(FunctionByTypedName("disable-button"), 15);
    EXPECT_EQ(FunctionByTypedName("single-key-assign..."), std::nullopt);
    EXPECT_EQ(FunctionByTypedName(""), std::nullopt);
}

TEST(LeftClickRule, OnlyTheLastLeftClickIsKept) {
    const std::vector<uint8_t> one = {0, 1, 2, 3, 4, 5, 6};
    EXPECT_TRUE(TakesLastLeftClick(one, 0, 1));
    EXPECT_FALSE(TakesLastLeftClick(one, 0, 0));  // choosing it again
    EXPECT_FALSE(TakesLastLeftClick(one, 1, 0));
    const std::vector<uint8_t> two = {0, 0, 2, 3, 4, 5, 6};
    EXPECT_FALSE(TakesLastLeftClick(two, 0, 1));
}

}  // namespace
}  // namespace tavro
