#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "macros/rect.h"
#include "profile/profile_record.h"

namespace tavro {

enum class EventKind : uint8_t { Key = 1, MouseButton = 16, Wheel = 17 };

// `key` of MouseButton and Wheel events: the Windows codes of the mouse buttons and
// browser keys, and two otherwise unassigned codes for the wheel.
inline constexpr int16_t kKeyLeftButton = 1;
inline constexpr int16_t kKeyRightButton = 2;
inline constexpr int16_t kKeyMiddleButton = 4;
inline constexpr int16_t kKeyWheelUp = 151;
inline constexpr int16_t kKeyWheelDown = 152;
inline constexpr int16_t kKeyBackButton = 166;
inline constexpr int16_t kKeyForwardButton = 167;

// Where a new event goes: 0 appends it, 1 puts it after the selected event.
enum class InsertMode { Append = 0, AfterSelected = 1 };

// Rows of the event editor (and of the macro list beside it) are 18 pixels high; the
// first starts 5 pixels below the top.
inline constexpr int32_t kEventRowHeight = 18;
inline constexpr int32_t kFirstRowTop = 5;
inline constexpr int32_t kRowLeft = 4;
inline constexpr int32_t kRowRightMargin = 2;

// An event of a library macro, with the row the editor draws it in.
struct CEventItem {
    Rect rowRect;
    uint32_t selected = 0;
    uint32_t sequence = 0;  // stored, never used to order anything
    uint8_t kind = 0;
    int16_t key = 0;
    uint8_t direction = 0;
    int32_t delay = 0;  // milliseconds

    bool operator==(const CEventItem&) const = default;
};

// The event editor that shows a macro. Told about changes that move its scroll bar.
class MacroOwner {
public:
    // The last row now ends below the macro's area; lastIndex is the number of events − 1.
    virtual void OnRowsOverflow(int lastIndex) = 0;
    // The event at this index is to be brought into view.
    virtual void OnShowEvent(int index) = 0;

protected:
    ~MacroOwner() = default;
};

// A macro of the library.
struct CMacro {
    MacroOwner* owner = nullptr;  // not owned; may be none
    Rect areaRect;                // the editor's client area when the macro was created
    int32_t id = 0;               // unique in the library, never below 16
    std::u16string name;          // unique in the library
    std::vector<CEventItem> events;

    // The new event becomes the only selected one; then the rows are laid out afresh
    // and the owner is told about an overflow and about the event to show. A macro that
    // holds kMaxMacroEvents takes no more (false).
    bool AddEvent(uint8_t kind, int16_t key, uint8_t direction, int32_t delay, InsertMode mode);
    // Removes the first selected event; the rows below it move up one row.
    void DeleteSelectedEvent();
    void Clear();
    // Selects the event whose row contains the point; false when no row does.
    bool SelectAt(int32_t x, int32_t y);
    // Index of the first selected event, or -1.
    int FirstSelectedIndex() const;
    // Moves every selection one event up; the first event loses its selection.
    void SelectPrevious();
    // Row i: left 4, top 5 + 18 i, right = areaRect.right − 2, bottom 23 + 18 i.
    void LayOutRows();

    bool operator==(const CMacro&) const = default;
};

// The macro page's hold test (macros/hold_macro.h): a macro with events of which none is
// a release. No macro, or an empty one, is not a hold macro.
bool IsHoldMacro(const CMacro* macro);

// A button's copy of the first library macro with the identifier, which arrives as a
// button's 16-bit parameter, sign-extended. Nothing when the library has no such macro.
std::optional<ButtonMacro> CopyForButton(std::span<const CMacro> library, int32_t id);

}  // namespace tavro
