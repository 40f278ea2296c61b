// End-to-end runs of tavroctl get, set, names and macros add/rm/rename, and of the
// shell completion.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "macros/macro_library.h"
#include "profile/profile_file.h"
#include "tests/support/temp_folder.h"
#include "tests/tools/tool_run.h"

namespace tavro {
namespace {

using testing::ReadBytes;
using testing::ToolRun;

class TavroctlSettings : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Tool("new --slot 0 -o " + Path("p.profile")).exit, 0);
        std::filesystem::create_directory(Path("lib"));
    }

    ToolRun Tool(const std::string& arguments) { return testing::RunTool(arguments, temp_.path()); }
    std::string Path(const std::string& name) { return (temp_ / name).string(); }
    std::string Lib() { return " --dir " + Path("lib"); }

    // Everything in the folder but the tool's own output files.
    std::vector<std::string> Files() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(temp_.path())) {
            const std::string name = entry.path().filename().string();
            if (name != "out" && name != "err") {
                names.push_back(name);
            }
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    testing::TempFolder temp_;
};

TEST_F(TavroctlSettings, GetJsonFedBackToSetGivesTheSameBytes) {
    ASSERT_EQ(Tool("macros add Combo A:down 50ms A:up" + Lib()).out, "16\tCombo\n");
    const ToolRun set = Tool("set " + Path("p.profile") + " --macros " + Path("lib") +
                             " 'name=Caf\u00e9 \"2\"' enabled=no rate=250 dpi.x=800,1600,3200 "
                             "dpi.y=400,800,1200 angle-snap=7 pointer-speed=9 lift-off=3 "
                             "defined-mode=on defined-value=-12 double-click=400 wheel-lines=5 "
                             "acceleration=off lighting=zones:4 effect=breathing color-shift=on "
                             "color.1=#10ff20 color.4=1,2,3 button.1=key:Num-0 "
                             "button.2=left-click 'button.3=key:page up' button.4=macro:Combo "
                             "button.7=profile-switch-roll");
    ASSERT_EQ(set.exit, 0) << set.err;
    const std::vector<uint8_t> made = ReadBytes(Path("p.profile"));

    const ToolRun json = Tool("get " + Path("p.profile") + " --json");
    ASSERT_EQ(json.exit, 0) << json.err;
    const nlohmann::ordered_json got = nlohmann::ordered_json::parse(json.out);
    EXPECT_EQ(got["rate"], 250);
    EXPECT_EQ(got["dpi.y"], nlohmann::json::array({400, 800, 1200}));
    EXPECT_EQ(got["enabled"], false);
    EXPECT_EQ(got["button.3"], "key:PAGE-UP");
    EXPECT_EQ(got["button.4"], "macro:Combo");
    EXPECT_EQ(got["color.1"], "#10FF20");
    EXPECT_FALSE(got.contains("dpi"));  // the axes are separate

    testing::WriteBytes(Path("settings.json"),
                        std::vector<uint8_t>(json.out.begin(), json.out.end()));
    ASSERT_EQ(Tool("set " + Path("p.profile") + " --from-json " + Path("settings.json")).exit, 0);
    EXPECT_EQ(ReadBytes(Path("p.profile")), made);
    ASSERT_EQ(Tool("set " + Path("p.profile") + " --from-json - <" + Path("settings.json")).exit,
              0);
    EXPECT_EQ(ReadBytes(Path("p.profile")), made);

    // An edited listing changes what was edited, as the same set on the command line does.
    nlohmann::ordered_json edited = got;
    edited["rate"] = 500;
    edited["button.5"] = "key:F5";
    const std::string text = edited.dump();
    testing::WriteBytes(Path("edited.json"), std::vector<uint8_t>(text.begin(), text.end()));
    ASSERT_EQ(Tool("set " + Path("p.profile") + " --from-json " + Path("edited.json")).exit, 0);
    const std::vector<uint8_t> viaJson = ReadBytes(Path("p.profile"));
    testing::WriteBytes(Path("p.profile"), made);
    ASSERT_EQ(Tool("set " + Path("p.profile") + " rate=500 button.5=key:f5").exit, 0);
    EXPECT_EQ(ReadBytes(Path("p.profile")), viaJson);
    EXPECT_NE(viaJson, made);

    // The text listing reads back too.
    const ToolRun lines = Tool("get " + Path("p.profile"));
    std::string words;
    for (size_t start = 0, end; (end = lines.out.find('\n', start)) != std::string::npos;
         start = end + 1) {
        words += " '" + lines.out.substr(start, end - start) + "'";
    }
    ASSERT_EQ(Tool("set " + Path("p.profile") + words).exit, 0);
    EXPECT_EQ(ReadBytes(Path("p.profile")), viaJson);
}

TEST_F(TavroctlSettings, ARefusedEditLeavesTheFileByteForByte) {
    ASSERT_EQ(Tool("set " + Path("p.profile") + " rate=500 button.2=key:F5").exit, 0);
    testing::WriteBytes(Path("bad.json"), std::vector<uint8_t>{'[', '1', ']'});
    testing::WriteBytes(Path("typo.json"),
                        std::vector<uint8_t>{'{', '"', 'r', 'a', 't', 'x', '"', ':', '1', '}'});
    const std::vector<uint8_t> before = ReadBytes(Path("p.profile"));
    const std::vector<std::string> filesBefore = Files();
    struct Row {
        std::string edits;
        std::string message;
    };
    const Row rows[] = {
        {"rate=500 dpi=425,1600,3200", "dpi: \"425,1600,3200\" refused: takes three levels"},
        {"wheel-lines=0", "wheel-lines: \"0\" refused: takes 1 to 6"},
        {"colour.1=#FFFFFF", "\"colour.1\" is no setting"},
        {"button.3=key:NoSuchKey", "button.3: \"key:NoSuchKey\" refused: no such key"},
        {"button.3=macro:Nothing --macros " + Path("lib"), "no macro of that name"},
        {"button.1=back", "button.1: refused: the last left-click of buttons 1-7"},
        {"rate", "\"rate\" is not SETTING=VALUE"},
        {"--from-json " + Path("bad.json"), "not a JSON object of settings"},
        {"--from-json " + Path("typo.json"), "\"ratx\" is no setting"},
        {"--from-json " + Path("missing.json"), "cannot be read"},
    };
    for (const Row& row : rows) {
        const ToolRun run = Tool("set " + Path("p.profile") + " " + row.edits);
        EXPECT_EQ(run.exit, 2) << row.edits;
        EXPECT_NE(run.err.find(row.message), std::string::npos) << row.edits << ": " << run.err;
        EXPECT_EQ(ReadBytes(Path("p.profile")), before) << row.edits;
        EXPECT_EQ(Files(), filesBefore) << row.edits;
    }
    // A setting given back as get prints it writes nothing at all.
    const auto written = std::filesystem::last_write_time(Path("p.profile"));
    ASSERT_EQ(Tool("set " + Path("p.profile") + " rate=500").exit, 0);
    EXPECT_EQ(std::filesystem::last_write_time(Path("p.profile")), written);
}

TEST_F(TavroctlSettings, MacrosTheMouseWouldRefuseAreNotAssigned) {
    std::string keys;
    for (int i = 0; i < 64; ++i) {
        keys += " A";
    }
    ASSERT_EQ(Tool("macros add Long" + keys + Lib()).exit, 0);  // 128 events, the most
    EXPECT_EQ(Tool("macros add TooLong" + keys + " B" + Lib()).exit, 2);
    ASSERT_EQ(Tool("macros add Short" + keys.substr(0, 40) + Lib()).exit, 0);  // 40 events
    const std::string set = "set " + Path("p.profile") + " --macros " + Path("lib");
    const ToolRun refused = Tool(set + " button.4=macro:Long button.5=macro:Short");
    EXPECT_EQ(refused.exit, 2);
    EXPECT_NE(refused.err.find("button.4: refused: the profile's macros would hold more than 164"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(Tool(set + " button.4=macro:Long").exit, 0);
}

TEST_F(TavroctlSettings, GetNamesWhatItCannotPrintAndEscapesNames) {
    ProfileRecord record;
    record.name = u"two\nlines";
    record.xySeparate = 1;
    ASSERT_TRUE(SaveProfile(record, Path("odd.profile"), ProfilePlace::kNamedByUser));
    EXPECT_EQ(Tool("get " + Path("odd.profile") + " name rate").out,
              "name=two\\x0Alines\nrate=1000\n");
    const ToolRun dpi = Tool("get " + Path("odd.profile") + " dpi");
    EXPECT_EQ(dpi.exit, 2);
    EXPECT_NE(dpi.err.find("see dpi.x and dpi.y"), std::string::npos);
    EXPECT_EQ(Tool("get " + Path("odd.profile") + " speed").exit, 2);
    EXPECT_EQ(Tool("get " + Path("missing.profile")).exit, 2);
    EXPECT_EQ(
        nlohmann::json::parse(Tool("get " + Path("odd.profile") + " name --json").out)["name"],
        "two\nlines");
}

TEST_F(TavroctlSettings, SetThroughALinkEditsTheProfileWhereItLives) {
    std::filesystem::create_symlink(Path("p.profile"), Path("link.profile"));
    ASSERT_EQ(Tool("set " + Path("link.profile") + " wheel-lines=6").exit, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(Path("link.profile")));
    EXPECT_EQ(Tool("get " + Path("p.profile") + " wheel-lines").out, "wheel-lines=6\n");
}

TEST_F(TavroctlSettings, MacrosAddRemoveAndRenameByTheListsRules) {
    EXPECT_EQ(Tool("macros add Macro A" + Lib()).out, "16\tMacro\n");
    EXPECT_EQ(Tool("macros add Macro Num-0:down 1500ms Num-0:up" + Lib()).out, "17\tMacro(1)\n");
    EXPECT_EQ(Tool("macros add Macro -- -" + Lib()).out, "18\tMacro(2)\n");
    EXPECT_EQ(Tool("macros rm Macro" + Lib()).exit, 0);
    EXPECT_EQ(Tool("macros add Fresh" + Lib()).out, "19\tFresh\n");  // 16 stays free below 18
    EXPECT_EQ(Tool("macros rename Fresh 'Macro(1)'" + Lib()).out, "19\tMacro(3)\n");

    std::vector<CMacro> library;
    ASSERT_TRUE(LoadLibrary(Path("lib"), library).index);
    ASSERT_EQ(library.size(), 3u);
    EXPECT_EQ(library[0].name, u"Macro(1)");
    ASSERT_EQ(library[0].events.size(), 2u);
    EXPECT_EQ(library[0].events[0].key, 96);
    EXPECT_EQ(library[0].events[1].direction, 1);
    EXPECT_EQ(library[0].events[1].delay, 1500);
    EXPECT_EQ(library[0].events[1].sequence, 2u);
    EXPECT_EQ(library[0].areaRect.right, 200);
    EXPECT_EQ(library[1].events[0].key, 189);  // the main keyboard's minus
    EXPECT_EQ(library[2].events.size(), 0u);

    struct Row {
        std::string arguments;
        std::string message;
    };
    const Row rows[] = {
        {"macros add X A 5ms", "a delay stands before the key it delays"},
        {"macros add X A:sideways", "\"A:sideways\" is no key"},
        {"macros add X A 16777216ms", "is no key"},
        {"macros add '' A", "is no macro name"},
        {"macros rm Nothing", "no macro \"Nothing\" in the library"},
        {"macros rename Nothing Else", "no macro \"Nothing\""},
        {"macros rename 'Macro(1)'", "usage"},
    };
    const std::vector<uint8_t> index = ReadBytes(Path("lib/macroList.dat"));
    for (const Row& row : rows) {
        const ToolRun run = Tool(row.arguments + Lib());
        EXPECT_EQ(run.exit, 2) << row.arguments;
        EXPECT_NE(run.err.find(row.message), std::string::npos) << row.arguments << ": " << run.err;
    }
    EXPECT_EQ(ReadBytes(Path("lib/macroList.dat")), index);

    // A library with a macro that cannot be read is not rewritten, which would lose it.
    testing::WriteBytes(Path("lib/Macro(2).macro"), std::vector<uint8_t>{1, 2});
    const ToolRun damaged = Tool("macros add Y A" + Lib());
    EXPECT_EQ(damaged.exit, 2);
    EXPECT_NE(damaged.err.find("left as it is"), std::string::npos) << damaged.err;
    EXPECT_EQ(ReadBytes(Path("lib/macroList.dat")), index);
}

TEST_F(TavroctlSettings, NamesListWhatSetTakes) {
    const ToolRun keys = Tool("names keys");
    EXPECT_NE(keys.out.find("\nNum-0\n"), std::string::npos);
    EXPECT_NE(keys.out.find("\nPAGE-UP\n"), std::string::npos);
    EXPECT_EQ(Tool("names values rate").out, "125\n250\n500\n1000\n");
    EXPECT_EQ(Tool("names settings").out.substr(0, 18), "name\nenabled\nrate\n");
    EXPECT_EQ(Tool("names colours").exit, 2);
}

TEST_F(TavroctlSettings, BashCompletionOffersSettingsKeysAndValues) {
    struct Row {
        std::string line;
        std::string offered;
    };
    const Row rows[] = {
        {"tavroctl ge", "get|"},
        {"tavroctl set p.profile wheel", "wheel-lines=|"},
        {"tavroctl set p.profile rate=", "125|250|500|1000|"},
        {"tavroctl set p.profile button.2=key:PAGE-", "PAGE-UP|PAGE-DOWN|"},
        {"tavroctl set p.profile button.2=profile-switch-r", "profile-switch-roll|"},
        {"tavroctl get p.profile --j", "--json|"},
        {"tavroctl names v", "values|"},
    };
    for (const Row& row : rows) {
        const std::string script = "source " TAVROCTL_COMPLETION "; COMP_LINE='" + row.line +
                                   "'; COMP_POINT=${#COMP_LINE}; COMP_WORDS=(" TAVROCTL_PATH
                                   "); COMP_CWORD=1; _tavroctl; printf '%s|' \"${COMPREPLY[@]}\"";
        testing::WriteBytes(Path("complete.sh"),
                            std::vector<uint8_t>(script.begin(), script.end()));
        const std::string command = "bash " + Path("complete.sh") + " >" + Path("offered");
        ASSERT_EQ(std::system(command.c_str()), 0) << row.line;
        const std::vector<uint8_t> offered = ReadBytes(Path("offered"));
        EXPECT_EQ(std::string(offered.begin(), offered.end()), row.offered) << row.line;
    }
}

}  // namespace
}  // namespace tavro
