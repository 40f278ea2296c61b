#include "macros/macro_names.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavro {
namespace {

TEST(MacroNames, CollidingNamesGetTheNextNumber) {
    struct Row {
        const char* what;
        std::vector<std::u16string> names;
        std::u16string typed;
        std::u16string unique;
    };
    const Row rows[] = {
        {"free", {u"Other"}, u"Macro", u"Macro"},
        {"first clash", {u"Macro"}, u"Macro", u"Macro(1)"},
        {"third of three", {u"Macro", u"Macro(1)"}, u"Macro", u"Macro(2)"},
        {"numbered clash", {u"Macro(1)"}, u"Macro(1)", u"Macro(2)"},
        {"not a number", {u"Test(x)"}, u"Test(x)", u"Test(1)"},
        {"case matters", {u"macro"}, u"Macro", u"Macro"},
        {"rescan after change", {u"A(1)", u"A"}, u"A", u"A(2)"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(UniqueMacroName(row.typed, row.names), row.unique) << row.what;
    }
}

TEST(MacroNames, IdentifiersStartAt16AndFollowTheLargest) {
    EXPECT_EQ(NextMacroId({}), 16);
    EXPECT_EQ(NextMacroId(std::vector<int32_t>{16, 17}), 18);
    EXPECT_EQ(NextMacroId(std::vector<int32_t>{17}), 18);  // 16 is not reused below the largest
    EXPECT_EQ(NextMacroId(std::vector<int32_t>{3}), 16);
    EXPECT_EQ(NextMacroId(std::vector<int32_t>{-1}), 0);  // compared unsigned, as the list does
}

}  // namespace
}  // namespace tavro
