#include "app/program_options.h"
#include "sim/sim_state_file.h"

#include <gtest/gtest.h>

#include "tests/support/fake_environment.h"

namespace tavro {
namespace {

using testing::FakeEnvironment;
using Words = std::vector<std::string>;

TEST(ProgramOptions, ReadsEachOption) {
    const ProgramOptions options =
        ParseProgramOptions({"--simulate=/tmp/m.state", "--hidden", "--trace"});
    EXPECT_TRUE(options.error.empty());
    EXPECT_TRUE(options.simulate);
    EXPECT_EQ(options.stateFile, std::filesystem::path("/tmp/m.state"));
    EXPECT_TRUE(options.hidden);
    EXPECT_TRUE(options.trace);
    EXPECT_FALSE(options.quit);

    const ProgramOptions plain = ParseProgramOptions({"--simulate"});
    EXPECT_TRUE(plain.simulate);
    EXPECT_FALSE(plain.stateFile.has_value());
    EXPECT_TRUE(ParseProgramOptions({"--quit"}).quit);
    EXPECT_TRUE(ParseProgramOptions({"--help"}).help);
    EXPECT_TRUE(ParseProgramOptions({"-h"}).help);
    EXPECT_TRUE(ParseProgramOptions({"--version"}).version);
}

struct BadLine {
    const char* name;
    Words words;
};

class ProgramOptionsErrors : public ::testing::TestWithParam<BadLine> {};

TEST_P(ProgramOptionsErrors, AreRefused) {
    EXPECT_FALSE(ParseProgramOptions(GetParam().words).error.empty());
}

INSTANTIATE_TEST_SUITE_P(Lines, ProgramOptionsErrors,
                         ::testing::Values(BadLine{"UnknownOption", {"--bogus"}},
                                           BadLine{"SimulateWithAnEmptyFile", {"--simulate="}},
                                           BadLine{"AStrayWord", {"--hidden", "now"}},
                                           BadLine{"AQtValueDoesNotHideAStrayWord",
                                                   {"-platform", "xcb", "extra"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramOptions, LeavesQtsOwnOptionsToQt) {
    for (const Words& words :
         {Words{"-platform", "wayland"}, Words{"--platform", "offscreen"}, Words{"-platform=xcb"},
          Words{"-display", ":1", "--hidden"}, Words{"-reverse"}, Words{"-style", "fusion"}}) {
        EXPECT_TRUE(ParseProgramOptions(words).error.empty()) << words[0];
    }
    EXPECT_TRUE(ParseProgramOptions({"-display", ":1", "--hidden"}).hidden);
}

TEST(ProgramOptions, TheSimulatedMouseLivesInTheRuntimeFolderElseWithTheProfiles) {
    EXPECT_EQ(DefaultSimulatedMouseFile(
                  FakeEnvironment{{"XDG_RUNTIME_DIR", "/run/user/1000"}, {"HOME", "/home/ann"}}),
              std::filesystem::path("/run/user/1000/tavro/simulated-mouse.state"));
    EXPECT_EQ(DefaultSimulatedMouseFile(FakeEnvironment{{"HOME", "/home/ann"}}),
              std::filesystem::path("/home/ann/.local/share/Dravek/TAVRO/simulated-mouse.state"));
    EXPECT_EQ(DefaultSimulatedMouseFile(
                  FakeEnvironment{{"XDG_RUNTIME_DIR", "relative"}, {"HOME", "/home/ann"}}),
              std::filesystem::path("/home/ann/.local/share/Dravek/TAVRO/simulated-mouse.state"));
}

TEST(ProgramOptions, AWaylandSessionRunsThroughXWaylandUnlessAPlatformWasChosen) {
    const FakeEnvironment wayland{{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}};
    EXPECT_TRUE(ShouldChooseX11({}, wayland));
    EXPECT_TRUE(ShouldChooseX11({"--hidden"}, wayland));
    EXPECT_FALSE(ShouldChooseX11({"-platform", "wayland"}, wayland));
    EXPECT_FALSE(ShouldChooseX11({"--platform=wayland"}, wayland));
    EXPECT_FALSE(ShouldChooseX11({}, FakeEnvironment{{"WAYLAND_DISPLAY", "wayland-0"},
                                                     {"DISPLAY", ":0"},
                                                     {"QT_QPA_PLATFORM", "wayland"}}));
    // Without XWayland there is no X11 to choose; on X11 there is nothing to choose.
    EXPECT_FALSE(ShouldChooseX11({}, FakeEnvironment{{"WAYLAND_DISPLAY", "wayland-0"}}));
    EXPECT_FALSE(ShouldChooseX11({}, FakeEnvironment{{"DISPLAY", ":0"}}));
}

}  // namespace
}  // namespace tavro
