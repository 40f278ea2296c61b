#include "platform/hidapi_backend.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

// No HID device can be met on a build machine: these check what the backend decides
// before and after hidapi, and that hidapi itself is never handed a wrong file.

namespace tavro {
namespace {

struct PathNameCase {
    const char* name;
    const char* path;
    bool hidraw;
};

class HidrawPathNameTest : public ::testing::TestWithParam<PathNameCase> {};

TEST_P(HidrawPathNameTest, AcceptsOnlyDevHidrawAndDigits) {
    EXPECT_EQ(IsHidrawPathName(GetParam().path), GetParam().hidraw);
}

INSTANTIATE_TEST_SUITE_P(Paths, HidrawPathNameTest,
                         ::testing::Values(PathNameCase{"Node", "/dev/hidraw0", true},
                                           PathNameCase{"TwoDigits", "/dev/hidraw12", true},
                                           PathNameCase{"NoNumber", "/dev/hidraw", false},
                                           PathNameCase{"Suffix", "/dev/hidraw0x", false},
                                           PathNameCase{"Climbs", "/dev/hidraw0/../null", false},
                                           PathNameCase{"OtherNode", "/dev/null", false},
                                           PathNameCase{"Relative", "dev/hidraw0", false},
                                           PathNameCase{"Sysfs", "/sys/class/hidraw/hidraw0",
                                                        false},
                                           PathNameCase{"Empty", "", false}),
                         [](const auto& info) { return info.param.name; });

TEST(HidapiBackend, RefusesFilesThatAreNotHidrawNodes) {
    HidapiBackend backend;
    for (const char* path : {"/dev/null", "/dev/zero", "/tmp", "/dev/hidraw"}) {
        auto opened = backend.Open(path);
        ASSERT_FALSE(opened.ok()) << path;
        EXPECT_EQ(opened.error().code, EINVAL) << path;
    }
}

TEST(HidapiBackend, MissingNodeFailsWithItsErrno) {
    HidapiBackend backend;
    auto opened = backend.Open("/dev/hidraw4095");
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.error().code, ENOENT);
    EXPECT_NE(opened.error().reason.find("/dev/hidraw4095"), std::string::npos);
}

TEST(HidapiBackend, ListsOnlyHidrawNodes) {
    HidapiBackend backend;
    for (const HidInterfaceInfo& info : backend.ListInterfaces()) {
        EXPECT_TRUE(IsHidrawPathName(info.path)) << info.path;
    }
}

TEST(HidapiError, KeepsErrnoAndHidapisText) {
    const HidError stalled = HidapiError(EPIPE, L"ioctl (SFEATURE): Broken pipe");
    EXPECT_EQ(stalled.code, EPIPE);
    EXPECT_EQ(stalled.reason, "ioctl (SFEATURE): Broken pipe");

    const HidError unnamed = HidapiError(EACCES, L"");
    EXPECT_EQ(unnamed.reason, std::strerror(EACCES));

    const HidError silent = HidapiError(0, nullptr);  // a failure must never read as errno 0
    EXPECT_EQ(silent.code, EIO);
    EXPECT_EQ(silent.reason, std::strerror(EIO));
}

TEST(WideToUtf8, EncodesEveryPlaneAndReplacesWhatIsNoCharacter) {
    EXPECT_EQ(WideToUtf8(L"A\u00e9\u20ac\U0001F600"), "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    const wchar_t broken[] = {L'x', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x110000),
                              L'\0'};
    EXPECT_EQ(WideToUtf8(broken), "x\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(WideToUtf8(nullptr), "");
}

}  // namespace
}  // namespace tavro
