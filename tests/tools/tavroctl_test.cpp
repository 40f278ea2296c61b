// End-to-end runs of the real tavroctl binary.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>

#include "device/config_image.h"
#include "macros/macro_library.h"
#include "profile/profile_file.h"
#include "profile/unique_fd.h"
#include "sim/sim_state.h"
#include "tests/support/temp_folder.h"
#include "tests/tools/tool_run.h"
#include "tools/tavroctl/mouse_session.h"

namespace tavro {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using Bytes = std::vector<uint8_t>;

// The files a test prepares are the user's own.
FileResult Save(const ProfileRecord& record, const std::string& path) {
    return SaveProfile(record, path, ProfilePlace::kNamedByUser);
}

using testing::ToolRun;

class Tavroctl : public ::testing::Test {
protected:
    // `shell` comes before the command: a time limit, limits on the process.
    ToolRun Tool(const std::string& arguments, const std::string& shell = "") {
        return testing::RunTool(arguments, temp_.path(), shell);
    }

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
    ASSERT_TRUE(Save(WithMacro(0, 3), Path("m.profile")));
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
        ASSERT_TRUE(Save(WithMacro(slot, 4 + slot),
                         Path("profiles/Default" + std::to_string(slot + 1) + ".profile")));
    }
    const ToolRun applied = Tool(Sim() + " apply --dir " + Path("profiles") + " --select 4");
    ASSERT_EQ(applied.exit, 0) << applied.err;
    EXPECT_EQ(applied.out,
              "slot 0: written\nslot 1: written (defaults: no Default2.profile)\n"
              "slot 2: written\nslot 3: written (defaults: no Default4.profile)\n"
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
    ASSERT_TRUE(Save(WithMacro(1, 128), Path("profiles/Default2.profile")));
    ProfileRecord big = WithMacro(1, 128);
    big.buttons[2] = {2, 14, 18, 2};
    big.buttonMacros[2] = {u"More", 18, std::vector<CMacroEvent>(37, {1, 0x42, 1, 0})};
    ASSERT_TRUE(Save(big, Path("big.profile")));

    const ToolRun image = Tool("image " + Path("big.profile") + " --slot 1 -o " + Path("img"));
    EXPECT_EQ(image.exit, 1);
    EXPECT_NE(image.err.find("refused: more than 164 macro events"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Path("img")));

    ASSERT_TRUE(Save(big, Path("profiles/Default4.profile")));
    const ToolRun applied = Tool(Sim() + " apply --dir " + Path("profiles"));
    EXPECT_EQ(applied.exit, 1);
    EXPECT_NE(applied.out.find("slot 1: written\n"), std::string::npos);  // 128 is allowed
    EXPECT_NE(applied.out.find("slot 3: refused: more than 164 macro events\n"), std::string::npos);
}

TEST_F(Tavroctl, ExitCodesForMissingMouseBadArgumentsAndBadFiles) {
    testing::WriteBytes(Path("foreign.profile"), std::vector<uint8_t>{0x12, 0x06, 0x33, 0x02});
    std::filesystem::create_directory(Path("empty"));
    struct Row {
        std::string arguments;
        int exit;
        std::string stderrHas;
    };
    const Row rows[] = {
        {"--simulate-absent info", 3, "TAVRO mouse not found"},
        {"--simulate-absent list", 3, "TAVRO mouse not found"},
        {"--simulate-absent apply --dir " + Path("empty"), 3, "TAVRO mouse not found"},
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
        {"sim-image 0 -o " + Path("x"), 2, "--simulate[=STATEFILE]"},
        {"macros " + Path("no-such-folder"), 2, "not a folder"},
        {"new --slot 0 -o ''", 2, "-o needs a value"},
        {"image '' --slot 0 -o " + Path("x"), 2, "empty argument"},
        {"show ''", 2, "empty argument"},
        {"macros ''", 2, "empty argument"},
        {Sim() + " apply --dir ''", 2, "--dir needs a value"},
        {"--simulate= info", 2, "needs a state file"},
        {"--lock-wait=-1 info", 2, "--lock-wait"},
        {Sim() + " sim-set quality=256", 2, "quality takes 0-255"},
        {Sim() + " sim-set colour=1", 2, "unknown setting"},
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

// What stands at an output path decides what may happen to it: a file is replaced, a
// link is followed and kept, anything else is left exactly as it is (exit 2), and a
// FIFO never blocks the command.
TEST_F(Tavroctl, OutputsReplaceFilesFollowLinksAndLeaveEverythingElseAlone) {
    ASSERT_EQ(Tool("new --slot 1 -o " + Path("in.profile")).exit, 0);
    const Bytes text = {'n', 'o', 't', 'e', 's'};
    enum class Left { kReplaced, kUnchanged };
    struct Kind {
        const char* name;
        std::function<void(const std::string& at)> make;
        bool followsLink;
        int exit;  // for new and image; --simulate= refuses every existing non-state file
        int simulateExit;
    };
    const Kind kinds[] = {
        {"regular file", [&](const std::string& at) { testing::WriteBytes(at, text); }, false, 0,
         2},
        {"link to a file",
         [&](const std::string& at) {
             testing::WriteBytes(at + ".target", text);
             std::filesystem::create_symlink(at + ".target", at);
         },
         true, 0, 2},
        {"dangling link",
         [&](const std::string& at) { std::filesystem::create_symlink(at + ".target", at); }, true,
         0, 0},
        {"folder", [&](const std::string& at) { std::filesystem::create_directory(at); }, false, 2,
         2},
        {"/dev/null through a link",
         [&](const std::string& at) { std::filesystem::create_symlink("/dev/null", at); }, false, 2,
         2},
        {"FIFO", [&](const std::string& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0); }, false, 2,
         2},
    };
    int n = 0;
    for (const Kind& kind : kinds) {
        const std::string commands[] = {
            "new --slot 0 -o ", "image " + Path("in.profile") + " --slot 0 -o ", "--simulate="};
        for (const std::string& command : commands) {
            const std::string at = Path("target" + std::to_string(n++));
            kind.make(at);
            struct stat before {};
            ASSERT_EQ(::lstat(at.c_str(), &before), 0);
            const bool simulate = command == "--simulate=";
            const ToolRun run = Tool(command + at + (simulate ? " info" : ""), "timeout 20");
            const std::string row = std::string(kind.name) + ": " + command;
            const int want = simulate ? kind.simulateExit : kind.exit;
            EXPECT_EQ(run.exit, want) << row << "\n" << run.err;

            struct stat after {};
            ASSERT_EQ(::lstat(at.c_str(), &after), 0) << row;
            EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT) << row << ": kind changed";
            const std::string file = kind.followsLink ? at + ".target" : at;
            if (want != 0) {
                EXPECT_NE(run.err.find(kind.followsLink || S_ISREG(before.st_mode)
                                           ? "not a simulated mouse's state file"
                                           : "is there"),
                          std::string::npos)
                    << row << ": " << run.err;
                if (S_ISREG(before.st_mode) || kind.followsLink) {
                    EXPECT_EQ(ReadBytes(file), text) << row;
                }
                continue;
            }
            EXPECT_TRUE(std::filesystem::is_regular_file(file)) << row;
            EXPECT_EQ(ReadBytes(file).size(), simulate                       ? kSimStateFileSize
                                              : command.starts_with("image") ? kConfigImageSize
                                                                             : 308u)
                << row;
        }
    }
    EXPECT_TRUE(std::filesystem::exists("/dev/null"));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST_F(Tavroctl, DashWritesTheBytesToStandardOutput) {
    ASSERT_EQ(Tool("new --slot 2 -o " + Path("p.profile")).exit, 0);
    const ToolRun profile = Tool("new --slot 2 -o -");
    ASSERT_EQ(profile.exit, 0) << profile.err;
    EXPECT_EQ(Bytes(profile.out.begin(), profile.out.end()), ReadBytes(Path("p.profile")));

    ASSERT_EQ(Tool("image " + Path("p.profile") + " --slot 2 -o " + Path("img")).exit, 0);
    const ToolRun image = Tool("image " + Path("p.profile") + " --slot 2 -o -");
    ASSERT_EQ(image.exit, 0) << image.err;
    EXPECT_EQ(Bytes(image.out.begin(), image.out.end()), ReadBytes(Path("img")));

    ASSERT_EQ(Tool(Sim() + " apply --dir " + Path("")).exit, 0);
    const ToolRun held = Tool(Sim() + " sim-image 2 -o -");
    ASSERT_EQ(held.exit, 0) << held.err;
    EXPECT_EQ(held.out.size(), kConfigImageSize);
    EXPECT_FALSE(std::filesystem::exists("-"));
}

class TavroctlApply : public Tavroctl {
protected:
    void SetUp() override {
        std::filesystem::create_directory(Path("profiles"));
        for (int slot = 0; slot < kProfileCount; ++slot) {
            ASSERT_TRUE(Save(WithMacro(slot, 2), Slot(slot)));
        }
        ASSERT_EQ(Tool(Sim() + " info").exit, 0);  // the mouse as it was
        untouched_ = ReadBytes(Path("mouse.state"));
    }

    std::string Slot(int slot) {
        return Path("profiles/Default" + std::to_string(slot + 1) + ".profile");
    }
    bool MouseUntouched() { return ReadBytes(Path("mouse.state")) == untouched_; }

    Bytes untouched_;
};

TEST_F(TavroctlApply, AFolderThatIsNotThereOrAFileThatDoesNotLoadSendsNothing) {
    const ToolRun typo = Tool(Sim() + " apply --dir " + Path("profils"));
    EXPECT_EQ(typo.exit, 2);
    EXPECT_NE(typo.err.find("profils: not a folder; nothing was sent"), std::string::npos)
        << typo.err;
    EXPECT_TRUE(MouseUntouched());

    Bytes truncated = ReadBytes(Slot(2));
    truncated.resize(40);
    testing::WriteBytes(Slot(2), truncated);
    const ToolRun damaged = Tool(Sim() + " apply --dir " + Path("profiles"));
    EXPECT_EQ(damaged.exit, 2);
    EXPECT_NE(damaged.err.find("Default3.profile: truncated; nothing was sent"), std::string::npos)
        << damaged.err;
    EXPECT_TRUE(damaged.out.empty());
    EXPECT_TRUE(MouseUntouched());

    ASSERT_TRUE(Save(WithMacro(2, 2), Slot(2)));
    std::filesystem::remove(Slot(3));
    std::filesystem::create_directory(Slot(3));  // there, and no file anyone can read
    const ToolRun unreadable = Tool(Sim() + " apply --dir " + Path("profiles"));
    EXPECT_EQ(unreadable.exit, 2);
    EXPECT_NE(unreadable.err.find("Default4.profile: unreadable (a folder, not a file)"),
              std::string::npos)
        << unreadable.err;
    EXPECT_TRUE(MouseUntouched());
}

// A state file that cannot be saved (here: a file-size limit below its size, which holds
// for root too) must not be reported as written.
TEST_F(TavroctlApply, AMouseThatCannotSaveItsStateFailsTheWrite) {
    const ToolRun full =
        Tool(Sim() + " apply --dir " + Path("profiles"), "trap '' XFSZ; ulimit -f 4;");
    EXPECT_EQ(full.exit, 1) << full.err;
    EXPECT_NE(full.out.find("slot 0: failed"), std::string::npos) << full.out;
    EXPECT_EQ(full.out.find("written"), std::string::npos) << full.out;
    EXPECT_TRUE(MouseUntouched());
}

TEST_F(TavroctlApply, TwoAppliesAtOnceEachWriteAllFiveInTurn) {
    std::filesystem::create_directory(Path("other"));
    for (int slot = 0; slot < kProfileCount; ++slot) {
        ProfileRecord record = WithMacro(slot, 3);
        record.name = u"Other" + std::u16string(1, char16_t(u'1' + slot));
        ASSERT_TRUE(Save(record, Path("other/Default" + std::to_string(slot + 1) + ".profile")));
    }
    std::vector<ConfigImage> first, second;
    for (int slot = 0; slot < kProfileCount; ++slot) {
        ProfileRecord record;
        ASSERT_TRUE(LoadProfile(Slot(slot), record));
        record.slot = static_cast<uint8_t>(slot);
        first.push_back(CoreImage(record));
        ASSERT_TRUE(
            LoadProfile(Path("other/Default" + std::to_string(slot + 1) + ".profile"), record));
        second.push_back(CoreImage(record));
    }
    const std::string tool = std::string(TAVROCTL_PATH) + " " + Sim() + " apply --dir ";
    const std::string script = tool + Path("profiles") + " >" + Path("a.out") + " & a=$!; " + tool +
                               Path("other") + " >" + Path("b.out") + " & b=$!; " +
                               "wait $a; ra=$?; wait $b; rb=$?; exit $((ra + rb))";
    const std::string complete =
        "slot 0: written\nslot 1: written\nslot 2: written\nslot 3: written\nslot 4: written\n";
    for (int round = 0; round < 20; ++round) {
        ASSERT_EQ(std::system(script.c_str()), 0) << "round " << round;
        EXPECT_EQ(ReadBytes(Path("a.out")), Bytes(complete.begin(), complete.end()));
        EXPECT_EQ(ReadBytes(Path("b.out")), Bytes(complete.begin(), complete.end()));
        SimMouseState state;
        ASSERT_TRUE(LoadSimState(Path("mouse.state"), state));
        const std::vector<ConfigImage> held(state.images.begin(), state.images.end());
        EXPECT_TRUE(held == first || held == second) << "round " << round << ": images mixed";
    }
}

// What the program's poll does: it tries the lock without waiting, and an Apply in
// another process holds it from its first image to its select.
TEST_F(TavroctlApply, APollDuringAnApplySkips) {
    const std::string apply = std::string(TAVROCTL_PATH) + " " + Sim() + " apply --dir " +
                              Path("profiles") + " --select 1 >/dev/null 2>&1";
    const pid_t applying = ::fork();
    ASSERT_GE(applying, 0);
    if (applying == 0) {
        ::execl("/bin/sh", "sh", "-c", apply.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    bool skipped = false;
    int status = 0;
    while (!skipped && ::waitpid(applying, &status, WNOHANG) == 0) {
        const ToolRun poll = Tool("--lock-wait=0 " + Sim() + " info");
        skipped = poll.exit == 1 && poll.err.find("busy") != std::string::npos;
    }
    EXPECT_TRUE(skipped) << "the Apply ended and no poll ever found the mouse held";
    if (skipped) {
        ASSERT_EQ(::waitpid(applying, &status, 0), applying);
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Tool(Sim() + " info").out, "firmware: 1.24\nactive profile: 1\n");
}

TEST_F(Tavroctl, AMouseHeldByAnotherProgramIsWaitedForThenRefused) {
    ASSERT_EQ(Tool(Sim() + " info").exit, 0);
    UniqueFd other(::open(Path("mouse.state").c_str(), O_RDONLY | O_CLOEXEC));
    ASSERT_EQ(::flock(other.get(), LOCK_EX | LOCK_NB), 0);
    const ToolRun busy = Tool("--lock-wait=0 " + Sim() + " info");
    EXPECT_EQ(busy.exit, 1);
    EXPECT_NE(busy.err.find("the TAVRO mouse is busy"), std::string::npos) << busy.err;
    EXPECT_TRUE(busy.out.empty());
    other.Reset();
    EXPECT_EQ(Tool("--lock-wait=0 " + Sim() + " info").exit, 0);
}

TEST_F(Tavroctl, TheSimulatedMouseIsSetUnpluggedAndPluggedInFromTheCommandLine) {
    ASSERT_EQ(Tool(Sim() + " sim-set quality=3 firmware=200").exit, 0);
    EXPECT_EQ(Tool(Sim() + " surface --countdown 0").out, "quality: 3 level: 1\n");
    EXPECT_EQ(Tool(Sim() + " info").out, "firmware: 2.00\nactive profile: 0\n");
    ASSERT_EQ(Tool(Sim() + " unplug").exit, 0);
    const ToolRun gone = Tool(Sim() + " info");
    EXPECT_EQ(gone.exit, 3);
    EXPECT_NE(gone.err.find("TAVRO mouse not found"), std::string::npos);
    ASSERT_EQ(Tool(Sim() + " plug").exit, 0);
    EXPECT_EQ(Tool(Sim() + " info").exit, 0);
}

TEST_F(Tavroctl, MacroNamesCannotBreakTheTabSeparatedList) {
    std::vector<CMacro> library(3);
    const std::u16string names[] = {u"Tab\there", u"Fake\n99\tline\t0", u"C:\\dir"};
    for (int i = 0; i < 3; ++i) {
        library[i].id = 16 + i;
        library[i].name = names[i];
    }
    ASSERT_TRUE(SaveLibrary(Path("lib"), library));
    const ToolRun listed = Tool("macros " + Path("lib"));
    ASSERT_EQ(listed.exit, 0) << listed.err;
    EXPECT_EQ(listed.out, "16\tTab\\there\t0\n17\tFake\\n99\\tline\\t0\t0\n18\tC:\\\\dir\t0\n");
    const nlohmann::json json = nlohmann::json::parse(Tool("macros --json " + Path("lib")).out);
    EXPECT_EQ(json[1]["name"], "Fake\n99\tline\t0");
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
