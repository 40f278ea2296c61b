#include "buttons/evdev_virtual_keys.h"

#include <array>
#include <utility>

namespace tavro {

namespace {

constexpr unsigned kXKeycodeOffset = 8;
constexpr unsigned kEvdevCodeLimit = 256;

// Pairs of (evdev code from linux/input-event-codes.h, virtual-key code from winuser.h).
constexpr std::pair<uint8_t, uint8_t> kPairs[] = {
    // letters
    {30, 0x41},
    {48, 0x42},
    {46, 0x43},
    {32, 0x44},
    {18, 0x45},
    {33, 0x46},
    {34, 0x47},
    {35, 0x48},
    {23, 0x49},
    {36, 0x4A},
    {37, 0x4B},
    {38, 0x4C},
    {50, 0x4D},
    {49, 0x4E},
    {24, 0x4F},
    {25, 0x50},
    {16, 0x51},
    {19, 0x52},
    {31, 0x53},
    {20, 0x54},
    {22, 0x55},
    {47, 0x56},
    {17, 0x57},
    {45, 0x58},
    {21, 0x59},
    {44, 0x5A},
    // digit row 1 … 9, 0
    {2, 0x31},
    {3, 0x32},
    {4, 0x33},
    {5, 0x34},
    {6, 0x35},
    {7, 0x36},
    {8, 0x37},
    {9, 0x38},
    {10, 0x39},
    {11, 0x30},
    // F1 … F24
    {59, 0x70},
    {60, 0x71},
    {61, 0x72},
    {62, 0x73},
    {63, 0x74},
    {64, 0x75},
    {65, 0x76},
    {66, 0x77},
    {67, 0x78},
    {68, 0x79},
    {87, 0x7A},
    {88, 0x7B},
    {183, 0x7C},
    {184, 0x7D},
    {185, 0x7E},
    {186, 0x7F},
    {187, 0x80},
    {188, 0x81},
    {189, 0x82},
    {190, 0x83},
    {191, 0x84},
    {192, 0x85},
    {193, 0x86},
    {194, 0x87},
    // keypad with NumLock on; Windows reports navigation keys when it is off, which the
    // key's position alone cannot tell
    {82, 0x60},
    {79, 0x61},
    {80, 0x62},
    {81, 0x63},
    {75, 0x64},
    {76, 0x65},
    {77, 0x66},
    {71, 0x67},
    {72, 0x68},
    {73, 0x69},
    {55, 0x6A},
    {78, 0x6B},
    {74, 0x6D},
    {83, 0x6E},
    {98, 0x6F},
    {96, 0x0D},
    // navigation and editing
    {103, 0x26},
    {108, 0x28},
    {105, 0x25},
    {106, 0x27},
    {102, 0x24},
    {107, 0x23},
    {104, 0x21},
    {109, 0x22},
    {110, 0x2D},
    {111, 0x2E},
    {1, 0x1B},
    {15, 0x09},
    {28, 0x0D},
    {57, 0x20},
    {14, 0x08},
    // locks and system
    {58, 0x14},
    {69, 0x90},
    {70, 0x91},
    {119, 0x13},
    {99, 0x2C},
    // left and right modifiers stay apart; 127 is the PC Application key
    {42, 0xA0},
    {54, 0xA1},
    {29, 0xA2},
    {97, 0xA3},
    {56, 0xA4},
    {100, 0xA5},
    {125, 0x5B},
    {126, 0x5C},
    {127, 0x5D},
    // OEM keys at their US positions
    {39, 0xBA},
    {13, 0xBB},
    {51, 0xBC},
    {12, 0xBD},
    {52, 0xBE},
    {53, 0xBF},
    {41, 0xC0},
    {26, 0xDB},
    {43, 0xDC},
    {27, 0xDD},
    {40, 0xDE},
    {86, 0xE2},
    // volume, browser and media
    {113, 0xAD},
    {114, 0xAE},
    {115, 0xAF},
    {158, 0xA6},
    {159, 0xA7},
    {173, 0xA8},
    {128, 0xA9},
    {217, 0xAA},
    {156, 0xAB},
    {172, 0xAC},
    {163, 0xB0},
    {165, 0xB1},
    {166, 0xB2},
    {164, 0xB3},
    {155, 0xB4},
};

constexpr bool EveryCodeListedOnce() {
    std::array<bool, kEvdevCodeLimit> seen{};
    for (const auto& pair : kPairs) {
        if (seen[pair.first]) {
            return false;
        }
        seen[pair.first] = true;
    }
    return true;
}
static_assert(EveryCodeListedOnce());

constexpr std::array<uint8_t, kEvdevCodeLimit> BuildTable() {
    std::array<uint8_t, kEvdevCodeLimit> table{};
    for (const auto& [evdev, virtualKey] : kPairs) {
        table[evdev] = virtualKey;
    }
    return table;
}

constexpr std::array<uint8_t, kEvdevCodeLimit> kTable = BuildTable();

}  // namespace

uint8_t VirtualKeyFromEvdev(unsigned evdevCode) {
    return evdevCode < kTable.size() ? kTable[evdevCode] : 0;
}

uint8_t VirtualKeyFromXKeycode(unsigned xKeycode) {
    return xKeycode >= kXKeycodeOffset ? VirtualKeyFromEvdev(xKeycode - kXKeycodeOffset) : 0;
}

}  // namespace tavro
