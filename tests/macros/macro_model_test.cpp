#include "macros/macro_model.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "buttons/button_functions.h"
#include "device/config_image.h"
#include "macros/event_description.h"
#include "macros/macro_limits.h"

namespace tavro {
namespace {

// Records what a macro tells its editor.
class RecordingOwner : public MacroOwner {
public:
    void OnRowsOverflow(int lastIndex) override { notes.push_back({"overflow", lastIndex}); }
    void OnShowEvent(int index) override { notes.push_back({"show", index}); }

    std::vector<std::pair<std::string, int>> notes;
};

constexpr uint8_t kKey = uint8_t(EventKind::Key);

// A macro in a 200 × 199 editor whose events carry keys 1 … n.
CMacro MacroWithKeys(int n, MacroOwner* owner = nullptr) {
    CMacro macro;
    macro.areaRect = {0, 0, 200, 199};
    for (int key = 1; key <= n; ++key) {
        macro.AddEvent(kKey, int16_t(key), 0, 0, InsertMode::Append);
    }
    macro.owner = owner;
    return macro;
}

std::vector<int> Keys(const CMacro& macro) {
    std::vector<int> keys;
    for (const CEventItem& event : macro.events) {
        keys.push_back(event.key);
    }
    return keys;
}

TEST(MacroModel, InsertingAfterNothingSelected) {
    CMacro empty;
    empty.AddEvent(kKey, 65, 0, 0, InsertMode::AfterSelected);
    EXPECT_EQ(Keys(empty), std::vector<int>{65});

    CMacro macro = MacroWithKeys(3);
    for (CEventItem& event : macro.events) {
        event.selected = 0;
    }
    macro.AddEvent(kKey, 99, 0, 0, InsertMode::AfterSelected);
    EXPECT_EQ(Keys(macro), (std::vector<int>{99, 1, 2, 3}));
    EXPECT_EQ(macro.FirstSelectedIndex(), 0);
}

TEST(MacroModel, SuccessiveInsertionsFormARunAfterTheSelectedEvent) {
    CMacro macro = MacroWithKeys(5);
    ASSERT_TRUE(macro.SelectAt(10, macro.events[1].rowRect.top + 1));  // event 2
    for (int key : {101, 102, 103}) {
        macro.AddEvent(kKey, int16_t(key), 0, 0, InsertMode::AfterSelected);
    }
    EXPECT_EQ(Keys(macro), (std::vector<int>{1, 2, 101, 102, 103, 3, 4, 5}));
    EXPECT_EQ(macro.FirstSelectedIndex(), 4);
    int selected = 0;
    for (const CEventItem& event : macro.events) {
        selected += event.selected != 0;
    }
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(macro.events[4].sequence, 8u);  // 1 + the largest so far
}

TEST(MacroModel, AppendingDeselectsTheRestAndNumbersFromTheLargestSequence) {
    CMacro macro = MacroWithKeys(2);
    macro.events[0].sequence = 0xFFFFFFF0;
    macro.AddEvent(kKey, 3, 1, 40, InsertMode::Append);
    EXPECT_EQ(macro.events.back(), (CEventItem{{4, 41, 198, 59}, 1, 0xFFFFFFF1, kKey, 3, 1, 40}));
    EXPECT_EQ(macro.FirstSelectedIndex(), 2);
}

TEST(MacroModel, AddingLaysRowsOutAndTellsTheEditor) {
    RecordingOwner owner;
    CMacro macro = MacroWithKeys(9, &owner);
    for (size_t i = 0; i < macro.events.size(); ++i) {
        const int32_t top = 5 + 18 * int32_t(i);
        EXPECT_EQ(macro.events[i].rowRect, (Rect{4, top, 198, top + 18})) << i;
    }
    macro.AddEvent(kKey, 10, 0, 0, InsertMode::Append);  // bottom 185: still inside 199
    macro.AddEvent(kKey, 11, 0, 0, InsertMode::Append);  // bottom 203: below the area
    const std::vector<std::pair<std::string, int>> expected = {
        {"show", 9}, {"overflow", 10}, {"show", 10}};
    EXPECT_EQ(owner.notes, expected);

    owner.notes.clear();
    macro.events[2].selected = 1;
    macro.events[10].selected = 0;
    macro.AddEvent(kKey, 12, 0, 0, InsertMode::AfterSelected);
    EXPECT_EQ(owner.notes,
              (std::vector<std::pair<std::string, int>>{{"overflow", 11}, {"show", 3}}));
}

TEST(MacroModel, DeletingMovesLaterRowsUpAndSelectsTheNextOrTheFirst) {
    RecordingOwner owner;
    CMacro macro = MacroWithKeys(4, &owner);
    macro.SelectAt(10, macro.events[1].rowRect.top);
    const Rect third = macro.events[2].rowRect;
    macro.DeleteSelectedEvent();
    EXPECT_EQ(Keys(macro), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(macro.FirstSelectedIndex(), 1);
    EXPECT_EQ(macro.events[1].rowRect,
              (Rect{third.left, third.top - 18, third.right, third.bottom - 18}));
    EXPECT_TRUE(owner.notes.empty());

    macro.SelectAt(10, macro.events[2].rowRect.top);
    macro.DeleteSelectedEvent();  // the last one
    EXPECT_EQ(Keys(macro), (std::vector<int>{1, 3}));
    EXPECT_EQ(macro.FirstSelectedIndex(), 0);
    EXPECT_EQ(owner.notes, (std::vector<std::pair<std::string, int>>{{"show", 0}}));

    CMacro single = MacroWithKeys(1);
    single.DeleteSelectedEvent();
    EXPECT_TRUE(single.events.empty());
    single.DeleteSelectedEvent();  // nothing selected: nothing happens
    EXPECT_EQ(single.FirstSelectedIndex(), -1);
}

TEST(MacroModel, SelectingByPointAndStepsBack) {
    CMacro macro = MacroWithKeys(3);
    EXPECT_FALSE(macro.SelectAt(199, 10));  // right of the rows
    EXPECT_EQ(macro.FirstSelectedIndex(), 2);
    EXPECT_TRUE(macro.SelectAt(4, 5));
    EXPECT_EQ(macro.FirstSelectedIndex(), 0);
    EXPECT_TRUE(macro.SelectAt(197, 5 + 18 + 17));
    EXPECT_EQ(macro.FirstSelectedIndex(), 1);

    macro.SelectPrevious();
    EXPECT_EQ(macro.FirstSelectedIndex(), 0);
    macro.SelectPrevious();  // the first event has nothing before it
    EXPECT_EQ(macro.FirstSelectedIndex(), -1);

    macro.Clear();
    EXPECT_TRUE(macro.events.empty());
}

TEST(MacroModel, DescribesMouseAndWheelEventsByKeyThenDirection) {
    const struct {
        int16_t key;
        uint8_t direction;
        const char* text;
    } cases[] = {
        {1, 0, "Left button Down"},
        {1, 1, "Left button Up"},
        {2, 0, "Right button Down"},
        {2, 1, "Right button Up"},
        {4, 0, "Middle button Down"},
        {4, 1, "Middle button Up"},
        {166, 0, "Back button Down"},
        {166, 1, "Back button Up"},
        {167, 0, "Forward button Down"},
        {167, 1, "Forward button Up"},
        {151, 0, "Scroll wheel Up"},
        {151, 1, "Scroll wheel Up"},
        {151, 7, "Scroll wheel Up"},
        {152, 0, "Scroll wheel Down"},
        {152, 1, "Scroll wheel Down"},
        {1, 2, ""},
        {65, 0, ""},
        {3, 0, ""},
        {-1, 0, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EventDescription(c.key, c.direction), c.text) << c.key << "/" << int(c.direction);
    }
}

TEST(MacroModel, HoldMacrosHaveEventsAndNoRelease) {
    EXPECT_FALSE(IsHoldMacro(nullptr));
    CMacro macro;
    macro.AddEvent(kKey, 0x10, 0, 0, InsertMode::Append);
    macro.AddEvent(kKey, 0x41, 0, 0, InsertMode::Append);
    EXPECT_TRUE(IsHoldMacro(&macro));
    macro.AddEvent(kKey, 0x41, 1, 0, InsertMode::Append);
    EXPECT_FALSE(IsHoldMacro(&macro));
}

// The one place the two users of the hold rule differ, each on purpose.
TEST(HoldMacro, AnEmptyMacroIsNoHoldMacroOnThePageButHeldOnTheMouse) {
    std::vector<CMacro> library(1);
    library[0].id = 16;
    library[0].name = u"Empty";
    EXPECT_FALSE(IsHoldMacro(&library[0]));

    ProfileRecord record;
    record.buttons[2] = {2, 14, 16, 2};
    record.buttonMacros[2] = *CopyForButton(library, 16);
    DeviceProfile device;
    PackProfile(record, device);
    EXPECT_EQ(device.macroSlots[2].count, 0);
    EXPECT_EQ(device.buttons[2].actionArgument, kHoldMacroMarker);
}

TEST(MacroModel, AMacroTakesNoEventBeyondTheLibraryLimit) {
    CMacro macro = MacroWithKeys(kMaxMacroEvents);
    EXPECT_FALSE(macro.AddEvent(kKey, 0x41, 0, 0, InsertMode::AfterSelected));
    EXPECT_EQ(macro.events.size(), size_t{kMaxMacroEvents});
    EXPECT_EQ(macro.FirstSelectedIndex(), kMaxMacroEvents - 1);
}

TEST(MacroModel, CopiesTheFirstLibraryMacroWithTheIdentifierForAButton) {
    std::vector<CMacro> library(3);
    library[0].id = 16, library[0].name = u"one";
    library[1].id = 17, library[1].name = u"two";
    library[1].AddEvent(kKey, 0x41, 0, 12, InsertMode::Append);
    library[1].AddEvent(uint8_t(EventKind::Wheel), kKeyWheelUp, 0, 0, InsertMode::Append);
    library[2].id = 17, library[2].name = u"later";

    const std::optional<ButtonMacro> copy = CopyForButton(library, 17);
    ASSERT_TRUE(copy);
    EXPECT_EQ(*copy, (ButtonMacro{u"two", 17, {{kKey, 0x41, 0, 12}, {17, 151, 0, 0}}}));
    EXPECT_FALSE(CopyForButton(library, 18));

    // A button keeps identifiers in 16 bits: one above 32767 is never found again.
    library[0].id = 40000;
    EXPECT_FALSE(CopyForButton(library, int16_t(uint16_t(40000))));
}

}  // namespace
}  // namespace tavro
