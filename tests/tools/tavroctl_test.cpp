// End-to-end runs of the real tavroctl binary.
#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

#include "device/config_image.h"
#include "macros/macro_library.h"
#include "profile/profile_file.h"
#include "tests/support/temp_folder.h"
#include "tests/tools/tool_run.h"
#include "tools/tavroctl/mouse_session.h"

namespace tavro {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

using testing::ToolRun;

class Tavroctl : public ::testing::Test {
protected:
    ToolRun Tool(const std::string& arguments) { return testing::RunTool(arguments, temp_.path()); }

    std::string Path(const std::string& name) { return (temp_ / name).string(); }
    std::string Sim() { return "--simulate=" + Path("mouse.state"); }

    static ConfigImage CoreImage(const ProfileRecord& record) {
        DeviceProfile device;
        PackProfile(record, device);
        ConfigImage image;
        EncodeImage(device, image);
        return image;
    }

    static ProfileRecord WithMacro(int slot, int events) {
        ProfileRecord record;
        record.slot = static_cast<uint8_t>(slot);
        record.name = DefaultProfileName(slot);
        record.definedValue = -30;
        record.buttons[1] = {1, 14, 17, 1};
        record.buttonMacros[1] = {u"Combo \u20ac", 17, {}};
        for (int e = 0; e < events; ++e) {
            record.buttonMacros[1].events.push_back({1, 0x41, static_cast<uint8_t>(e % 2), 10 * e});
        }
        return record;
    }

    TempFolder temp_;
};

TEST_F(Tavroctl, NewThenShowGivesTheDefaultsOfTheSlot) {
    ASSERT_EQ(Tool("new --slot 3 -o " + Path("p.profile")).exit, 0);
    const ToolRun shown = Tool("show " + Path("p.profile"));
    ASSERT_EQ(shown.exit, 0) << shown.err;
    const nlohmann::json json = nlohmann::json::parse(shown.out);
    EXPECT_EQ(json["name"], "Profile4");
    EXPECT_EQ(json["zoneColor1"], 16711680);
    EXPECT_EQ(json["buttons"].size(), 9u);
    EXPECT_EQ(json["buttons"][8]["function"], 15);
    EXPECT_EQ(json["buttonMacros"][0]["events"].size(), 0u);
    const nlohmann::ordered_json ordered = nlohmann::ordered_json::parse(shown.out);
    EXPECT_EQ(ordered.begin().key(), "enabled");  // keys in the record's order
}

TEST_F(Tavroctl, ShowKeepsSignsAndMacroEvents) {
    ASSERT_TRUE(SaveProfile(WithMacro(0, 3), Path("m.profile")));
    const ToolRun shown = Tool("show " + Path("m.profile"));
    ASSERT_EQ(shown.exit, 0) << shown.err;
    const nlohmann::json json = nlohmann::json::parse(shown.out);
    EXPECT_EQ(json["definedValue"], -30);
    const nlohmann::json& macro = json["buttonMacros"][1];
    EXPECT_EQ(macro["macroId"], 17);
    EXPECT_EQ(macro["name"], "Combo \u20ac");
    ASSERT_EQ(macro["events"].size(), 3u);
    EXPECT_EQ(macro["events"][2],
              (nlohmann::json{{"kind", 1}, {"key", 0x41}, {"direction", 0}, {"delay", 20}}));
}

TEST_F(Tavroctl, ImageIsWhatTheCoreEncodesForTheSlot) {
    ASSERT_EQ(Tool("new --slot 0 -o " + Path("p.profile")).exit, 0);
    ASSERT_EQ(Tool("image " + Path("p.profile") + " --slot 2 -o " + Path("img")).exit, 0);
    ProfileRecord expected;
    expected.slot = 2;
    expected.name = u"Profile1";  // the file's name wins over the slot's default
    const ConfigImage image = CoreImage(expected);
    EXPECT_EQ(ReadBytes(Path("img")), std::vector<uint8_t>(image.begin(), image.end()));
}

TEST_F(Tavroctl, ApplyWritesWhatImageComputes) {
    std::filesystem::create_directory(Path("profiles"));
    for (int slot : {0, 2, 4}) {  // 1 and 3 missing: their defaults are written
        ASSERT_TRUE(SaveProfile(WithMacro(slot, 4 + slot),
                                Path("profiles/Default" + std::to_string(slot + 1) + ".profile")));
    }
    const ToolRun applied = Tool(Sim() + " apply --dir " + Path("profiles") + " --select 4");
    ASSERT_EQ(applied.exit, 0) << applied.err;
    EXPECT_EQ(applied.out,
              "slot 0: written\nslot 1: written\nslot 2: written\nslot 3: written\n"
              "slot 4: written\nselect 4: done\n");

    for (int slot = 0; slot < kProfileCount; ++slot) {
        const std::string n = std::to_string(slot);
        const std::string file = Path("profiles/Default" + std::to_string(slot + 1) + ".profile");
        ASSERT_EQ(Tool(Sim() + " sim-image " + n + " -o " + Path("held" + n)).exit, 0);
        ASSERT_EQ(Tool("image " + file + " --slot " + n + " -o " + Path("want" + n)).exit,
                  slot % 2 ? 2 : 0);  // no file for the odd slots
        if (slot % 2) {
            ProfileRecord defaults;
            defaults.slot = static_cast<uint8_t>(slot);
            defaults.name = DefaultProfileName(slot);
            const ConfigImage image = CoreImage(defaults);
            EXPECT_EQ(ReadBytes(Path("held" + n)),
                      std::vector<uint8_t>(image.begin(), image.end()));
        } else {
            EXPECT_EQ(ReadBytes(Path("held" + n)), ReadBytes(Path("want" + n))) << "slot " << n;
        }
    }
    EXPECT_EQ(Tool(Sim() + " info").out, "firmware: 1.24\nactive profile: 4\n");
}

TEST_F(Tavroctl, ProfilesWithMoreThan164MacroEventsAreRefused) {
    std::filesystem::create_directory(Path("profiles"));
    ASSERT_TRUE(SaveProfile(WithMacro(1, 128), Path("profiles/Default2.profile")));
    ProfileRecord big = WithMacro(1, 128);
    big.buttons[2] = {2, 14, 18, 2};
    big.buttonMacros[2] = {u"More", 18, std::vector<CMacroEvent>(37, {1, 0x42, 1, 0})};
    ASSERT_TRUE(SaveProfile(big, Path("big.profile")));

    const ToolRun image = Tool("image " + Path("big.profile") + " --slot 1 -o " + Path("img"));
    EXPECT_EQ(image.exit, 1);
    EXPECT_NE(image.err.find("refused: more than 164 macro events"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Path("img")));

    ASSERT_TRUE(SaveProfile(big, Path("profiles/Default4.profile")));
    const ToolRun applied = Tool(Sim() + " apply --dir " + Path("profiles"));
    EXPECT_EQ(applied.exit, 1);
    EXPECT_NE(applied.out.find("slot 1: written\n"), std::string::npos);  // 128 is allowed
    EXPECT_NE(applied.out.find("slot 3: refused: more than 164 macro events\n"), std::string::npos);
}

TEST_F(Tavroctl, ExitCodesForMissingMouseBadArgumentsAndBadFiles) {
    testing::WriteBytes(Path("foreign.profile"), std::vector<uint8_t>{0x12, 0x06, 0x33, 0x02});
    struct Row {
        std::string arguments;
        int exit;
        std::string stderrHas;
    };
    const Row rows[] = {
        {"--simulate-absent info", 3, "TAVRO mouse not found"},
        {"--simulate-absent list", 3, "TAVRO mouse not found"},
        {"--simulate-absent apply --dir " + Path("none"), 3, "TAVRO mouse not found"},
        {"", 2, "usage"},
        {"frobnicate", 2, "unknown command"},
        {"info extra", 2, "unexpected argument"},
        {Sim() + " select 5", 2, "usage"},
        {Sim() + " lod test", 2, "usage"},
        {Sim() + " surface --countdown -1", 2, "usage"},
        {"new --slot 9 -o " + Path("x"), 2, "usage"},
        {"image " + Path("missing.profile") + " --slot 0 -o " + Path("x"), 2, "missing"},
        {"show " + Path("missing.profile"), 2, "missing"},
        {"show " + Path("foreign.profile"), 2, "foreign signature"},
        {"sim-image 0 -o " + Path("x"), 2, "--simulate"},
        {"macros " + Path("no-such-folder"), 2, "not a folder"},
    };
    for (const Row& row : rows) {
        const ToolRun run = Tool(row.arguments);
        EXPECT_EQ(run.exit, row.exit) << row.arguments;
        EXPECT_NE(run.err.find(row.stderrHas), std::string::npos)
            << row.arguments << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << row.arguments;
    }
    EXPECT_FALSE(std::filesystem::exists(Path("x")));
    EXPECT_EQ(Tool("info --help").exit, 0);
}

TEST_F(Tavroctl, TraceShowsEveryReportInHex) {
    const ToolRun run = Tool(Sim() + " --trace info");
    ASSERT_EQ(run.exit, 0);
    EXPECT_NE(run.err.find("] send 64 bytes: 60 02 00 00 00 00"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("] recv 64 bytes: 60 01 00"), std::string::npos) << run.err;
}

TEST_F(Tavroctl, MacrosListsTheLibrary) {
    std::vector<CMacro> library(2);
    library[0].id = 16;
    library[0].name = u"Reload";
    library[0].AddEvent(1, 0x52, 0, 0, InsertMode::Append);
    library[0].AddEvent(1, 0x52, 1, 30, InsertMode::Append);
    library[1].id = 17;
    library[1].name = u"Empty";
    ASSERT_TRUE(SaveLibrary(Path("lib"), library));

    const ToolRun listed = Tool("macros " + Path("lib"));
    ASSERT_EQ(listed.exit, 0) << listed.err;
    EXPECT_EQ(listed.out, "16\tReload\t2\n17\tEmpty\t0\n");
    const nlohmann::json json = nlohmann::json::parse(Tool("macros --json " + Path("lib")).out);
    ASSERT_EQ(json.size(), 2u);
    EXPECT_EQ(json[0]["events"][1]["delay"], 30);
}

TEST(SearchFailureMessage, TellsHowToGetAccessWhenTheMouseCannotBeOpened) {
    EXPECT_EQ(tavroctl::SearchFailureMessage({}), "TAVRO mouse not found");
    DeviceSearch denied{SearchOutcome::kCannotOpen, "/dev/hidraw3",
                        HidError{EACCES, "Permission denied"}};
    const std::string message = tavroctl::SearchFailureMessage(denied);
    EXPECT_NE(message.find("/dev/hidraw3"), std::string::npos);
    EXPECT_NE(message.find("Permission denied"), std::string::npos);
    EXPECT_NE(message.find("tavroctl udev-rule"), std::string::npos);
}

}  // namespace
}  // namespace tavro
