#include "profile/profile_settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "profile/setting_rules.h"

namespace tavro {
namespace {

class LibraryDouble : public MacroByName {
public:
    std::optional<ButtonMacro> Find(std::u16string_view name) const override {
        const auto found = macros.find(std::u16string(name));
        return found == macros.end() ? std::nullopt : std::optional(found->second);
    }
    std::map<std::u16string, ButtonMacro> macros;
};

SettingsOutcome Set(ProfileRecord& record, std::vector<SettingEdit> edits,
                    const MacroByName& macros = LibraryDouble()) {
    return ApplySettings(record, edits, macros);
}

std::string Get(const ProfileRecord& record, std::string_view name) {
    const SettingInfo* setting = FindProfileSetting(name);
    EXPECT_NE(setting, nullptr) << name;
    const SettingValue value = FormatSetting(record, *setting);
    EXPECT_TRUE(value.ok()) << name << ": " << value.problem;
    return value.text;
}

// One row per setting: a value the page can produce and what it stores, then a value
// it cannot and the part of the message that says what the setting takes.
struct Row {
    std::string setting;
    std::string good;
    std::function<bool(const ProfileRecord&)> stored;
    std::string bad;
    std::string message;
};

TEST(ProfileSettings, EachSettingStoresWhatItsPageStoresAndRefusesWhatItCannot) {
    const Row rows[] = {
        {"name", "Gaming \u00e9", [](auto& r) { return r.name == u"Gaming \u00e9"; }, "a\nb",
         "control character"},
        {"enabled", "no", [](auto& r) { return r.enabled == 0; }, "maybe", "takes yes or no"},
        {"rate", "250", [](auto& r) { return r.reportInterval == 4; }, "300",
         "takes 125, 250, 500 or 1000"},
        {"rate", "125", [](auto& r) { return r.reportInterval == 8; }, "1000Hz", "takes 125"},
        {"dpi", "800,1600,3200",
         [](auto& r) {
             return r.xySeparate == 0 && r.dpiX1 == 800 && r.dpiY1 == 800 && r.dpiX3 == 3200 &&
                    r.dpiY3 == 3200;
         },
         "425,1600,3200", "50 to 7000 in steps of 50"},
        {"dpi", "50, 7000 ,100", [](auto& r) { return r.dpiY2 == 7000; }, "800,1600",
         "three levels"},
        {"dpi", "800,1600,3200", [](auto&) { return true; }, "0,1600,3200", "50 to 7000"},
        {"dpi.x", "100,200,300",
         [](auto& r) {
             return r.xySeparate == 1 && r.dpiX1 == 100 && r.dpiX3 == 300 && r.dpiY1 == 400 &&
                    r.dpiY3 == 7000;
         },
         "100,200,7050", "separates the axes"},
        {"dpi.y", "7000,7000,7000", [](auto& r) { return r.xySeparate == 1 && r.dpiY2 == 7000; },
         "a,b,c", "three levels"},
        {"angle-snap", "15", [](auto& r) { return r.angleSnap == 15; }, "16", "takes 0 to 15"},
        {"pointer-speed", "10", [](auto& r) { return r.pointerSpeed == 10; }, "0", "1 to 10"},
        {"lift-off", "32", [](auto& r) { return r.liftDistance == 32; }, "33", "1 to 32"},
        {"defined-mode", "ON", [](auto& r) { return r.definedMode == 1; }, "1", "on or off"},
        {"defined-value", "-30", [](auto& r) { return r.definedValue == -30; }, "-31", "-30 to 30"},
        {"double-click", "400", [](auto& r) { return r.doubleClickValue == 1200; }, "500",
         "200 to 1400 in steps of 200"},
        {"double-click", "1400", [](auto& r) { return r.doubleClickValue == 200; }, "1600",
         "double-click time in ms"},
        {"wheel-lines", "6", [](auto& r) { return r.wheelLines == 6; }, "7", "1 to 6"},
        {"acceleration", "2",
         [](auto& r) { return r.accelerationOn == 1 && r.accelerationLevel == 2; }, "4",
         "off, on, or a level 1 to 3"},
        {"lighting", "zones:1,4", [](auto& r) { return r.lightingMode == 16 + 1 + 8; }, "zones:2",
         "zones 1 (scroll wheel) and 4 (logo) only"},
        {"lighting", "zones:none", [](auto& r) { return r.lightingMode == 16; }, "dim",
         "on, off, or the zones"},
        {"lighting", "off", [](auto& r) { return r.lightingMode == 0; }, "zones:1;4", "only"},
        {"effect", "breathing", [](auto& r) { return r.lightingParam == 4; }, "strobe",
         "solid, blinking, pulsating or breathing"},
        {"color-shift", "on", [](auto& r) { return r.lightingParam == 1 + 16; }, "yes",
         "on or off"},
        {"color.1", "#FF8000", [](auto& r) { return r.zoneColor1 == 0x0080FF; }, "#FF80",
         "#RRGGBB or R,G,B"},
        {"color.4", "0, 128,255", [](auto& r) { return r.zoneColor4 == 0xFF8000; }, "0,128,256",
         "each 0 to 255"},
        {"button.3", "profile-switch-roll", [](auto& r) { return r.buttons[2].function == 8; },
         "single-key-assign...", "a function (tavroctl names functions)"},
        {"button.7", "Disable-Button", [](auto& r) { return r.buttons[6].function == 15; },
         "assign-record-macro", "key:NAME"},
        {"button.2", "key:F5",
         [](auto& r) { return r.buttons[1].function == 13 && r.buttons[1].parameter == 0x74; },
         "key:F25", "no such key (tavroctl names keys lists them)"},
        {"button.2", "key:0xAD", [](auto& r) { return r.buttons[1].parameter == 0xAD; },
         "key:0x100", "no such key"},
        {"button.4", "macro:Combo",
         [](auto& r) {
             return r.buttons[3].function == 14 && r.buttons[3].parameter == 17 &&
                    r.buttonMacros[3].name == u"Combo" && r.buttonMacros[3].events.size() == 2;
         },
         "macro:combo", "no macro of that name in the library"},
        {"button.5", "macro:Combo", [](auto&) { return true; }, "macro:Huge",
         "its identifier 40000 does not fit a button"},
    };
    LibraryDouble library;
    library.macros[u"Combo"] = {u"Combo", 17, {{1, 0x41, 0, 0}, {1, 0x41, 1, 20}}};
    library.macros[u"Huge"] = {u"Huge", 40000, {}};
    for (const Row& row : rows) {
        ProfileRecord record;
        const SettingsOutcome done = Set(record, {{row.setting, row.good}}, library);
        EXPECT_TRUE(done.ok()) << row.setting << "=" << row.good << ": " << done.problem;
        EXPECT_TRUE(row.stored(record)) << row.setting << "=" << row.good;

        const ProfileRecord before = record;
        const SettingsOutcome refused = Set(record, {{row.setting, row.bad}}, library);
        EXPECT_FALSE(refused.ok()) << row.setting << "=" << row.bad;
        EXPECT_EQ(refused.problem.rfind(row.setting + ": ", 0), 0u) << refused.problem;
        EXPECT_NE(refused.problem.find(row.message), std::string::npos) << refused.problem;
        EXPECT_EQ(refused.problem.find('\n'), std::string::npos) << refused.problem;
        EXPECT_EQ(record, before) << row.setting << "=" << row.bad;
    }
}

TEST(ProfileSettings, EveryListedValueReadsBackToTheSameRecord) {
    ProfileRecord record;
    ASSERT_TRUE(Set(record, {{"dpi.x", "100,200,300"},
                             {"button.1", "key:Num-Subtract"},
                             {"button.2", "left-click"},
                             {"button.6", "key:PAGE-UP"},
                             {"lighting", "zones:4"},
                             {"effect", "pulsating"},
                             {"color-shift", "on"},
                             {"name", "Caf\u00e9 \"1\""}})
                    .ok());
    std::vector<SettingEdit> listing;
    for (std::string_view name : ListedSettings(record)) {
        listing.push_back({std::string(name), Get(record, name)});
    }
    EXPECT_EQ(Get(record, "button.1"), "key:Num-Subtract");
    const ProfileRecord before = record;
    EXPECT_TRUE(Set(record, listing).ok());
    EXPECT_EQ(record, before);
    // Parsed afresh (not skipped as unchanged), every value gives the same record too.
    ProfileRecord fresh;
    ASSERT_TRUE(Set(fresh, listing).ok());
    EXPECT_EQ(fresh, record);
}

TEST(ProfileSettings, ValuesNoPageCanShowPrintRawAndStayWhenGivenBack) {
    ProfileRecord record;
    record.reportInterval = 3;
    record.enabled = 2;
    record.lightingMode = 7;
    record.lightingParam = 16 + 9;
    record.zoneColor1 = 0x01000000;
    record.buttons[2].function = 7;
    record.dpiX1 = 30;  // loads as 50 on the page, which shows the Y levels
    record.dpiY1 = 425;
    EXPECT_EQ(Get(record, "rate"), "raw:3");
    EXPECT_EQ(Get(record, "enabled"), "raw:2");
    EXPECT_EQ(Get(record, "lighting"), "raw:7");
    EXPECT_EQ(Get(record, "effect"), "raw:9");
    EXPECT_EQ(Get(record, "color-shift"), "on");
    EXPECT_EQ(Get(record, "color.1"), "raw:16777216");
    EXPECT_EQ(Get(record, "button.3"), "raw:7");
    EXPECT_EQ(Get(record, "dpi"), "425,1600,7000");

    const ProfileRecord before = record;
    std::vector<SettingEdit> listing;
    for (std::string_view name : ListedSettings(record)) {
        listing.push_back({std::string(name), Get(record, name)});
    }
    EXPECT_TRUE(Set(record, listing).ok());
    EXPECT_EQ(record, before);
    EXPECT_FALSE(Set(record, {{"rate", "raw:2"}}).ok());
    EXPECT_FALSE(Set(record, {{"dpi", "425,1600,7000,"}}).ok());
}

TEST(ProfileSettings, AxesJoinAndSeparateAsOnTheSensorPage) {
    ProfileRecord record;
    record.dpiX2 = 900;  // joined but different: the page shows and keeps the Y levels
    ASSERT_TRUE(Set(record, {{"dpi.y", "200,300,400"}}).ok());
    EXPECT_EQ(record.xySeparate, 1);
    EXPECT_EQ(record.dpiX2, 1600);
    EXPECT_EQ(Get(record, "dpi.x"), "400,1600,7000");
    const SettingValue joined = FormatSetting(record, *FindProfileSetting("dpi"));
    EXPECT_FALSE(joined.ok());
    EXPECT_NE(joined.problem.find("dpi.x and dpi.y"), std::string::npos);
    ASSERT_TRUE(Set(record, {{"dpi", "800,800,800"}}).ok());
    EXPECT_EQ(record.xySeparate, 0);
    EXPECT_EQ(record.dpiX2, 800);
    EXPECT_EQ(ListedSettings(record)[3], "dpi");
}

TEST(ProfileSettings, AccelerationOffKeepsTheLevelAndALevelIsNoted) {
    ProfileRecord record;
    SettingsOutcome outcome = Set(record, {{"acceleration", "3"}});
    ASSERT_TRUE(outcome.ok());
    ASSERT_EQ(outcome.notes.size(), 1u);
    EXPECT_NE(outcome.notes[0].find("keep only on or off"), std::string::npos);
    ASSERT_TRUE(Set(record, {{"acceleration", "off"}}).ok());
    EXPECT_EQ(record.accelerationOn, 0);
    EXPECT_EQ(record.accelerationLevel, 3);
    outcome = Set(record, {{"acceleration", "on"}});
    EXPECT_TRUE(outcome.ok() && outcome.notes.empty());
    EXPECT_EQ(Get(record, "acceleration"), "3");
}

TEST(ProfileSettings, ColorShiftAndEffectShareTheParameter) {
    ProfileRecord record;
    ASSERT_TRUE(Set(record, {{"color-shift", "on"}, {"effect", "blinking"}}).ok());
    EXPECT_EQ(record.lightingParam, 2 + 16);
    ASSERT_TRUE(Set(record, {{"color-shift", "off"}}).ok());
    EXPECT_EQ(record.lightingParam, 2);
}

TEST(ProfileSettings, TheLastLeftClickOfButtonsOneToSevenStays) {
    ProfileRecord record;
    const SettingsOutcome taken = Set(record, {{"button.1", "right-click"}});
    EXPECT_FALSE(taken.ok());
    EXPECT_NE(taken.problem.find("button.1: refused: the last left-click"), std::string::npos);
    EXPECT_EQ(record.buttons[0].function, 0);

    // Judged on the outcome: moving the left click in one edit is fine in either order.
    EXPECT_TRUE(Set(record, {{"button.1", "dpi-up"}, {"button.7", "left-click"}}).ok());
    EXPECT_EQ(record.buttons[6].function, 0);
    EXPECT_FALSE(Set(record, {{"button.7", "key:A"}}).ok());

    // Buttons 8 and 9 do not count, and a profile without a left click may stay so.
    ProfileRecord none;
    none.buttons[0].function = 1;
    none.buttons[7].function = 0;
    EXPECT_TRUE(Set(none, {{"button.2", "back"}}).ok());
}

TEST(ProfileSettings, UnknownSettingsAreNamed) {
    ProfileRecord record;
    const SettingsOutcome outcome = Set(record, {{"rate", "500"}, {"button.8", "back"}});
    EXPECT_EQ(outcome.problem, "\"button.8\" is no setting (tavroctl names settings lists them)");
    EXPECT_EQ(record.reportInterval, 1);  // the good edit before it is not kept either
}

TEST(ProfileSettings, FunctionNamesKeepTheParameterAsThePageDoes) {
    ProfileRecord record;
    ASSERT_TRUE(Set(record, {{"button.3", "key:A"}}).ok());
    ASSERT_TRUE(Set(record, {{"button.3", "scroll-up"}}).ok());
    EXPECT_EQ(record.buttons[2].function, 11);
    EXPECT_EQ(record.buttons[2].parameter, 0x41);
}

TEST(ProfileSettings, CompletionWordsComeFromTheSameRules) {
    EXPECT_EQ(CompletionWords(*FindProfileSetting("rate")),
              (std::vector<std::string>{"125", "250", "500", "1000"}));
    const std::vector<std::string> button = CompletionWords(*FindProfileSetting("button.1"));
    EXPECT_EQ(button.front(), "left-click");
    EXPECT_EQ(button.back(), "macro:");
    EXPECT_EQ(CompletionWords(*FindProfileSetting("enabled")),
              (std::vector<std::string>{"yes", "no"}));
}

TEST(SettingRules, TheEditsNormaliseAsTheUserTypes) {
    struct Case {
        std::string typed;
        std::string shown;
    };
    const Case definedValue[] = {{"-45", "-30"}, {"045", "4"}, {"99", "30"},   {"-0", "-0"},
                                 {"-", "-"},     {"7", "7"},   {"-123", "-12"}};
    for (const Case& c : definedValue) {
        EXPECT_EQ(setting_rules::NormaliseDefinedValueText(c.typed), c.shown) << c.typed;
    }
    EXPECT_EQ(setting_rules::DefinedValueFromText("-"), 0);
    EXPECT_EQ(setting_rules::DefinedValueFromText(""), 0);
    EXPECT_EQ(setting_rules::DefinedValueFromText("-30"), -30);
    const Case channel[] = {{"300", "255"}, {"1234", "234"}, {"12", "12"}, {"9999", "255"}};
    for (const Case& c : channel) {
        EXPECT_EQ(setting_rules::NormaliseColorChannelText(c.typed), c.shown) << c.typed;
    }
    EXPECT_EQ(setting_rules::ColorChannelFromText(""), 0);
    EXPECT_EQ(setting_rules::ColorChannelFromText("7"), 7);
    EXPECT_EQ(setting_rules::ColorChannelFromText("255"), 255);
    EXPECT_EQ(setting_rules::ColorChannelFromText("300"), 255);
}

TEST(SettingRules, ReportRateBoxesAndTheDoubleClickScale) {
    EXPECT_EQ(setting_rules::ReportIntervalForRate(250), 4);
    EXPECT_EQ(setting_rules::ReportIntervalForRate(300), std::nullopt);
    EXPECT_EQ(setting_rules::ReportRateForInterval(8), 125);
    EXPECT_EQ(setting_rules::ReportRateForInterval(3), std::nullopt);
    EXPECT_EQ(setting_rules::DoubleClickTime(200), 1400);
    EXPECT_TRUE(setting_rules::kDpi.Produces(7000));
    EXPECT_FALSE(setting_rules::kDpi.Produces(425));
    EXPECT_EQ(setting_rules::kDpi.Clamp(30), 50);
}

}  // namespace
}  // namespace tavro
