// The event editor's pure rules: what a row shows, the delays it takes, and scrolling.
#include <gtest/gtest.h>

#include "device/config_image.h"
#include "macros/event_delay.h"
#include "macros/event_row_label.h"
#include "macros/row_scroll.h"

namespace tavro {
namespace {

using Mark = EventRowLabel::Mark;

TEST(EventRowLabel, MouseCodesAreDescribedAndKeysNamedWithTheirArrows) {
    const struct {
        const char* what;
        int16_t key;
        uint8_t direction;
        int32_t delay;
        EventRowLabel expected;
    } rows[] = {
        {"mouse press", 1, 0, 0, {Mark::Line, "Left button Down", "0 ms"}},
        {"wheel whatever direction", 151, 1, 5, {Mark::Line, "Scroll wheel Up", "5 ms"}},
        {"key press", 0x74, 0, 250, {Mark::DownArrow, "F5", "250 ms"}},
        {"key release", 0xA0, 1, 0, {Mark::UpArrow, "Left SHIFT", "0 ms"}},
        {"key, odd direction", 0x41, 7, 0, {Mark::None, "A", "0 ms"}},
        {"mouse code, odd direction: the key's name", 1, 7, 3, {Mark::None, "Left Button", "3 ms"}},
        {"code without a name", 0xAD, 0, 12, {Mark::None, "", "12 ms"}},
        {"negative code from a damaged file", -5, 0, 0, {Mark::None, "", "0 ms"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(LabelOfEvent(row.key, row.direction, row.delay), row.expected) << row.what;
    }
}

TEST(EventDelay, TypedDigitsStopAtTheLongestDelayTheMouseKeeps) {
    EXPECT_EQ(EventDelayFromDigits(u"250"), 250);
    EXPECT_EQ(EventDelayFromDigits(u"0007"), 7);
    EXPECT_EQ(EventDelayFromDigits(u""), 0);
    EXPECT_EQ(EventDelayFromDigits(u"16777215"), kMaxImageDelay);
    // Would wrap to 3222784 ms in the image.
    EXPECT_EQ(EventDelayFromDigits(u"20000000"), kMaxImageDelay);
    EXPECT_EQ(EventDelayFromDigits(u"99999999999999999999999"), kMaxImageDelay);
    EXPECT_EQ(EventDelay(uint64_t{1} << 40), kMaxImageDelay);
}

// The editor and the list are 199 pixels high: ten rows fit whole under the 5-pixel
// margin (the tenth ends at 185), the eleventh would end at 203.
constexpr int kHeight = 199;

TEST(RowScroll, PositionsCountWholeRowsAndTheLastShowsTheLastRow) {
    EXPECT_EQ(FullRowsIn(kHeight), 10);
    EXPECT_EQ(FullRowsIn(3), 1);
    EXPECT_EQ(LastScrollPosition(0, kHeight), 0);
    EXPECT_EQ(LastScrollPosition(10, kHeight), 0);
    EXPECT_EQ(LastScrollPosition(11, kHeight), 1);
    EXPECT_EQ(LastScrollPosition(12, kHeight), 2);
    // At the last position the last row ends inside the area.
    for (int rows : {11, 12, 40}) {
        const int last = LastScrollPosition(rows, kHeight);
        EXPECT_LE(RowTop(rows - 1, last) + 18, kHeight) << rows;
        EXPECT_EQ(RowTop(last, last), 5) << rows;
    }
}

TEST(RowScroll, ShowingARowMovesTheLeastItCan) {
    EXPECT_EQ(PositionShowing(3, 0, 40, kHeight), 0);     // in view
    EXPECT_EQ(PositionShowing(10, 0, 40, kHeight), 1);    // one below: one row
    EXPECT_EQ(PositionShowing(25, 0, 40, kHeight), 16);   // far below: at the bottom
    EXPECT_EQ(PositionShowing(4, 20, 40, kHeight), 4);    // above: at the top
    EXPECT_EQ(PositionShowing(39, 35, 40, kHeight), 30);  // beyond the end: the last
    EXPECT_EQ(PositionShowing(0, 5, 3, kHeight), 0);
}

}  // namespace
}  // namespace tavro
