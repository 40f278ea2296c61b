#include "device/macro_fit.h"

#include <gtest/gtest.h>

#include "buttons/button_functions.h"

namespace tavro {
namespace {

ButtonMacro MacroOf(const std::u16string& name, int32_t id, size_t events) {
    ButtonMacro macro{name, id, {}};
    for (size_t e = 0; e < events; ++e) {
        macro.events.push_back({1, 0x41, static_cast<uint8_t>(e % 2), 0});
    }
    return macro;
}

// A profile whose buttons (0 … 8) replay macros of the given sizes.
ProfileRecord WithMacros(std::initializer_list<std::pair<int, size_t>> buttons) {
    ProfileRecord record;
    int32_t id = 16;
    for (const auto& [button, events] : buttons) {
        record.buttons[button].function = kFunctionMacro;
        record.buttons[button].parameter = static_cast<int16_t>(id);
        record.buttonMacros[button] = MacroOf(u"M" + std::u16string(1, u'0' + button), id, events);
        ++id;
    }
    return record;
}

MacroFit FitOf(const ProfileRecord& record) {
    DeviceProfile device;
    PackProfile(record, device);
    return CheckMacroFit(record, device);
}

TEST(MacroFit, MacrosThatFitAreNotReported) {
    const ProfileRecord record = WithMacros({{2, 100}, {3, 64}});  // 164 in all
    const MacroFit fit = FitOf(record);
    EXPECT_TRUE(fit.cut.empty());
    EXPECT_EQ(fit.total, 164u);
    EXPECT_FALSE(fit.refused);
    EXPECT_TRUE(DescribeMacroFit(fit, u"Gaming").empty());
}

TEST(MacroFit, AMacroLongerThanASlotIsCutTo128) {
    const MacroFit fit = FitOf(WithMacros({{3, 130}, {5, 2}}));
    ASSERT_EQ(fit.cut.size(), 1u);
    EXPECT_EQ(fit.cut[0].button, 3);
    EXPECT_EQ(fit.cut[0].name, u"M3");
    EXPECT_EQ(fit.cut[0].events, 130u);
    EXPECT_EQ(fit.cut[0].kept, 128u);
    EXPECT_FALSE(fit.refused);
    EXPECT_EQ(DescribeMacroFit(fit, u"Gaming"),
              std::vector<std::string>{"Profile \"Gaming\", button 4: the macro \"M3\" has 130 "
                                       "events; the mouse keeps the first 128."});
}

TEST(MacroFit, AProfileOverTheLimitKeepsNoneOfItsMacros) {
    const MacroFit fit = FitOf(WithMacros({{0, 100}, {1, 3}, {6, 65}}));  // 168
    EXPECT_TRUE(fit.refused);
    EXPECT_EQ(fit.total, 168u);
    ASSERT_EQ(fit.cut.size(), 3u);
    for (const CutMacro& cut : fit.cut) {
        EXPECT_EQ(cut.kept, 0u);
    }
    EXPECT_EQ(DescribeMacroFit(fit, u"P\u00e9"),
              std::vector<std::string>{"Profile \"P\xC3\xA9\" was not written to the mouse: "
                                       "the macros of buttons 1, 2 and 7 have 168 events, and "
                                       "the mouse holds 164 per profile. The mouse keeps the "
                                       "profile it had."});
}

TEST(MacroFit, ACopyOfAnotherMacroIsNoCut) {
    ProfileRecord record = WithMacros({{4, 200}});
    record.buttonMacros[4].macroId = 99;  // the packing sends it empty
    EXPECT_TRUE(FitOf(record).cut.empty());
    // A button that no longer replays a macro keeps its old copy in the file.
    record = WithMacros({{4, 200}});
    record.buttons[4].function = 0;
    EXPECT_TRUE(FitOf(record).cut.empty());
}

}  // namespace
}  // namespace tavro
