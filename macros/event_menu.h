#pragma once

#include <array>
#include <cstdint>

#include "macros/macro_model.h"

// The event editor's context menu: 29 entries, some opening sub-menus.
namespace tavro::event_menu {

inline constexpr int kTopLevel = 0;  // `parent` of the entries of the menu itself

inline constexpr int kRecordBefore = 1;
inline constexpr int kRecordAfter = 2;
inline constexpr int kInsertMouseEvent = 3;
inline constexpr int kInsertDelay = 4;
inline constexpr int kEditDelay = 5;
inline constexpr int kDelete = 6;

// Pixels of the menu and of the "Insert mouse event" sub-menu (the others start at the
// skinned menu's 50); heights follow the entries. A menu whose longest text would not
// fit is made wide enough: the text starts 11 pixels in and stops short of the arrows.
inline constexpr int kMenuWidth = 170;
inline constexpr int kMouseEventMenuWidth = 120;
inline constexpr int kMenuHeight = 20;
inline constexpr int kMenuTextRoom = 32;

struct Entry {
    int code;
    const char* text;
    int parent;  // the entry whose sub-menu holds this one
};

inline constexpr std::array<Entry, 29> kEntries{{
    {kRecordBefore, "Start record before event", kTopLevel},
    {kRecordAfter, "Start record after event", kTopLevel},
    {kInsertMouseEvent, "Insert mouse event", kTopLevel},
    {kInsertDelay, "Insert delay", kTopLevel},
    {kEditDelay, "Edit delay", kTopLevel},
    {kDelete, "Delete", kTopLevel},
    {7, "Left button", kInsertMouseEvent},
    {8, "Down", 7},
    {9, "Up", 7},
    {10, "Click", 7},
    {11, "Right button", kInsertMouseEvent},
    {12, "Down", 11},
    {13, "Up", 11},
    {14, "Click", 11},
    {15, "Middle button", kInsertMouseEvent},
    {16, "Down", 15},
    {17, "Up", 15},
    {18, "Click", 15},
    {19, "Forward button", kInsertMouseEvent},
    {20, "Down", 19},
    {21, "Up", 19},
    {22, "Click", 19},
    {23, "Back button", kInsertMouseEvent},
    {24, "Down", 23},
    {25, "Up", 23},
    {26, "Click", 23},
    {27, "Scroll wheel", kInsertMouseEvent},
    {28, "Down", 27},
    {29, "Up", 27},
}};

// The events an entry of "Insert mouse event" adds: one press, one release, or a
// press and then a release (a click).
struct MouseEventAction {
    int code;
    EventKind kind;
    int16_t key;
    bool press;
    bool release;
};

inline constexpr std::array<MouseEventAction, 17> kMouseEventActions{{
    {8, EventKind::MouseButton, kKeyLeftButton, true, false},
    {9, EventKind::MouseButton, kKeyLeftButton, false, true},
    {10, EventKind::MouseButton, kKeyLeftButton, true, true},
    {12, EventKind::MouseButton, kKeyRightButton, true, false},
    {13, EventKind::MouseButton, kKeyRightButton, false, true},
    {14, EventKind::MouseButton, kKeyRightButton, true, true},
    {16, EventKind::MouseButton, kKeyMiddleButton, true, false},
    {17, EventKind::MouseButton, kKeyMiddleButton, false, true},
    {18, EventKind::MouseButton, kKeyMiddleButton, true, true},
    {20, EventKind::MouseButton, kKeyForwardButton, true, false},
    {21, EventKind::MouseButton, kKeyForwardButton, false, true},
    {22, EventKind::MouseButton, kKeyForwardButton, true, true},
    {24, EventKind::MouseButton, kKeyBackButton, true, false},
    {25, EventKind::MouseButton, kKeyBackButton, false, true},
    {26, EventKind::MouseButton, kKeyBackButton, true, true},
    // A wheel step is a press whichever way it turns.
    {28, EventKind::Wheel, kKeyWheelDown, true, false},
    {29, EventKind::Wheel, kKeyWheelUp, true, false},
}};

constexpr const MouseEventAction* FindMouseEventAction(int code) {
    for (const MouseEventAction& action : kMouseEventActions) {
        if (action.code == code) {
            return &action;
        }
    }
    return nullptr;
}

}  // namespace tavro::event_menu
