#include "profile/profile_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "tests/support/failing_write_calls.h"
#include "tests/support/round_trip.h"
#include "tests/support/temp_folder.h"

namespace tavro {
namespace {

using testing::EntryNames;
using testing::ExpectEveryTruncationRefused;
using testing::FailingWriteCalls;
using testing::ReadBytes;
using testing::RoundTrip;
using testing::TempFolder;
using testing::WriteBytes;
using Bytes = std::vector<uint8_t>;

constexpr ProfilePlace kUser = ProfilePlace::kNamedByUser;
constexpr ProfilePlace kData = ProfilePlace::kDataFolder;

void Append(Bytes& bytes, std::initializer_list<int> values) {
    for (int v : values) {
        bytes.push_back(static_cast<uint8_t>(v));
    }
}

void AppendText(Bytes& bytes, std::u16string_view text) {
    Append(bytes, {int(text.size()), 0, 0, 0});
    for (char16_t unit : text) {
        Append(bytes, {unit & 0xFF, unit >> 8});
    }
}

Bytes Encoded(const ProfileRecord& record) {
    const DataStream stream = EncodeProfile(record);
    return {stream.bytes().begin(), stream.bytes().end()};
}

ProfileRecord DefaultRecord() {
    ProfileRecord record;
    record.name = DefaultProfileName(0);
    return record;
}

// Every field away from its default, macros with events and a name beyond Latin-1.
ProfileRecord UnusualRecord() {
    ProfileRecord r;
    r.name = u"Gr\u00FCn \u20AC\U0001F600";
    r.enabled = 0;
    r.tagWord = 180;
    r.reportInterval = 8;
    r.doubleClickValue = -3;
    r.wheelLines = 9;
    r.wheelByLines = 0;
    r.wheelByPage = 1;
    r.accelerationOn = 1;
    r.sensorConstant = 7;
    r.xySeparate = 1;
    r.definedMode = 1;
    r.dpiX1 = 100, r.dpiY1 = 200, r.dpiX2 = 300, r.dpiY2 = 400, r.dpiX3 = -1, r.dpiY3 = 32767;
    r.pointerSpeed = 10;
    r.liftDistance = 3;
    r.surfaceLevel = 10;
    r.angleSnap = 15;
    r.definedValue = -30;
    r.lightingMode = 0x1F;
    r.lightingParam = 17;
    r.zoneColor1 = 0x0000FF, r.zoneColor2 = 0x00FF00, r.zoneColor3 = 0xFFFFFFFF, r.zoneColor4 = 0;
    r.buttons[2] = {2, 14, 17, 2};
    r.buttons[5] = {5, 13, 0x41, 5};
    r.buttonMacros[2] = {u"Combo", 17, {{1, 0x41, 0, 25}, {1, 0x41, 1, -1}, {17, 151, 0, 0}}};
    r.buttonMacros[8] = {u"", -5, {{16, 1, 0, 0x7FFFFFFF}}};
    return r;
}

TEST(ProfileFile, DefaultProfileIsByteExact) {
    Bytes expected;
    Append(expected, {0x12, 0x06, 0x33, 0x01});  // signature
    AppendText(expected, u"Profile1");           // name
    Append(expected, {0x01, 0, 0, 0});           // enabled
    Append(expected, {0xB3, 0x00});              // tag 179
    Append(expected, {0x01, 0x00});              // report interval
    Append(expected, {0x20, 0x03});              // double-click value 800
    Append(expected, {0x02, 0x00});              // wheel lines
    Append(expected, {0x01, 0, 0, 0});           // wheel by lines
    Append(expected, {0, 0, 0, 0});              // wheel by page
    Append(expected, {0, 0, 0, 0});              // acceleration on
    Append(expected, {0, 0, 0, 0});              // X/Y separate
    Append(expected, {0, 0, 0, 0});              // defined mode
    Append(expected, {0x02});                    // sensor constant
    Append(expected, {0x90, 0x01, 0x90, 0x01, 0x40, 0x06, 0x40, 0x06, 0x58, 0x1B, 0x58, 0x1B});
    Append(expected, {0x05});        // pointer speed
    Append(expected, {0x00, 0x00});  // defined value, 16 bits
    Append(expected, {0x00});        // angle snap
    Append(expected, {0x0C});        // lift distance
    Append(expected, {0x00, 0x00});  // surface level
    for (int zone = 0; zone < 4; ++zone) {
        AppendText(expected, u"16711680");  // zone colour, blue 255
    }
    Append(expected, {0x0F, 0, 0, 0});  // lighting mode
    Append(expected, {0x01, 0, 0, 0});  // lighting parameter
    for (int button = 0; button < 9; ++button) {
        const int function = button <= 6 ? button : 15;
        Append(expected, {button, function, 0, 0});  // button, function, parameter
    }
    for (int macro = 0; macro < 9; ++macro) {
        Append(expected, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});  // id, empty name, no events
    }
    EXPECT_EQ(Encoded(DefaultRecord()), expected);
}

TEST(ProfileFile, RoundTripKeepsEveryStoredFieldAndWhatTheFileDoesNotHold) {
    ProfileRecord blank;
    blank.filePath = "/somewhere/Default4.profile";
    blank.slot = 3;
    blank.accelerationLevel = 4;
    blank.buttons[2].defaultFunction = 9;

    const ProfileRecord saved = UnusualRecord();
    const ProfileRecord loaded = RoundTrip(saved, blank, EncodeProfile, DecodeProfile);

    ProfileRecord expected = saved;
    expected.filePath = blank.filePath;
    expected.slot = 3;
    expected.accelerationLevel = 4;
    expected.buttons[2].defaultFunction = 9;
    EXPECT_TRUE(loaded == expected);
    EXPECT_EQ(loaded.definedValue, -30);
}

TEST(ProfileFile, DefinedValueIsStoredSignExtended) {
    ProfileRecord record;
    record.name = u"";
    record.definedValue = -30;
    const Bytes bytes = Encoded(record);
    constexpr size_t kDefinedValueOffset = 4 + 4 + 4 + 2 * 4 + 4 * 5 + 1 + 12 + 1;
    EXPECT_EQ(bytes[kDefinedValueOffset], 0xE2);
    EXPECT_EQ(bytes[kDefinedValueOffset + 1], 0xFF);
}

TEST(ProfileFile, EveryTruncationIsRefusedAndChangesNothing) {
    ExpectEveryTruncationRefused(Encoded(UnusualRecord()), DefaultRecord(), DecodeProfile);
}

struct MalformedCase {
    const char* fault;
    std::function<void(Bytes&)> damage;
    FileStatus status;
};

TEST(ProfileFile, MalformedFilesAreRefusedOrReadSafely) {
    const MalformedCase cases[] = {
        {"foreign signature 12 06 33 02", [](Bytes& b) { b[3] = 0x02; },
         FileStatus::kForeignSignature},
        {"empty file", [](Bytes& b) { b.clear(); }, FileStatus::kTruncated},
        {"a text file",
         [](Bytes& b) {
             b = {'h', 'e', 'l', 'l', 'o'};
         },
         FileStatus::kForeignSignature},
        {"name count beyond the file",
         [](Bytes& b) { b[4] = 0xFF, b[5] = 0xFF, b[6] = 0xFF, b[7] = 0x7F; },
         FileStatus::kTruncated},
        {"event count beyond the file",
         [](Bytes& b) {
             const size_t lastCount = b.size() - 4;  // the last macro's event count
             b[lastCount] = 0xFF, b[lastCount + 1] = 0xFF, b[lastCount + 2] = 0xFF;
             b[lastCount + 3] = 0x7F;
         },
         FileStatus::kTruncated},
        {"negative event count means none", [](Bytes& b) { b[b.size() - 1] = 0x80; },
         FileStatus::kOk},
        {"trailing bytes are ignored",
         [](Bytes& b) {
             Append(b, {1, 2, 3});
         },
         FileStatus::kOk},
    };
    for (const MalformedCase& c : cases) {
        Bytes bytes = Encoded(DefaultRecord());
        c.damage(bytes);
        ProfileRecord record = UnusualRecord();
        EXPECT_EQ(DecodeProfile(bytes, record), c.status) << c.fault;
        if (c.status != FileStatus::kOk) {
            EXPECT_TRUE(record == UnusualRecord()) << c.fault;
        } else {
            EXPECT_TRUE(record == DefaultRecord()) << c.fault;
        }
    }
}

TEST(ProfileFile, NegativeNameCountReadsAsEmptyName) {
    Bytes bytes = Encoded(DefaultRecord());
    Bytes damaged(bytes.begin(), bytes.begin() + 4);
    Append(damaged, {0xFF, 0xFF, 0xFF, 0xFF});  // count -1, no units
    damaged.insert(damaged.end(), bytes.begin() + 4 + 4 + 16, bytes.end());
    ProfileRecord record;
    ASSERT_EQ(DecodeProfile(damaged, record), FileStatus::kOk);
    EXPECT_EQ(record.name, u"");
    EXPECT_EQ(record.reportInterval, 1);
}

TEST(ProfileFile, LoadReportsWhyAFileWasNotTaken) {
    TempFolder folder;
    ProfileRecord record = UnusualRecord();
    EXPECT_EQ(LoadProfile(folder / "Default1.profile", record).status, FileStatus::kMissing);
    WriteBytes(folder / "Default1.profile", Bytes{0x12, 0x06, 0x33, 0x02});
    EXPECT_EQ(LoadProfile(folder / "Default1.profile", record).status,
              FileStatus::kForeignSignature);
    EXPECT_TRUE(record == UnusualRecord());

    ASSERT_TRUE(SaveProfile(DefaultRecord(), folder / "Default2.profile", kData));
    const FileResult loaded = LoadProfile(folder / "Default2.profile", record);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(loaded.path, folder / "Default2.profile");
    EXPECT_EQ(record.name, u"Profile1");
}

TEST(ProfileFile, AnUnloadableFileInTheDataFolderIsKeptAsideBeforeItIsReplaced) {
    TempFolder folder;
    const auto path = folder / "Profiles/Default2.profile";
    ASSERT_TRUE(SaveProfile(DefaultRecord(), path, kData));  // creates the folder

    Bytes truncated = ReadBytes(path);
    truncated.resize(30);
    WriteBytes(path, truncated);
    ASSERT_TRUE(SaveProfile(UnusualRecord(), path, kData));
    EXPECT_EQ(ReadBytes(folder / "Profiles/Default2.profile.unreadable"), truncated);

    const Bytes foreign = {'M', 'Z', 0x90, 0};
    WriteBytes(path, foreign);
    ASSERT_TRUE(SaveProfile(UnusualRecord(), path, kData));
    EXPECT_EQ(ReadBytes(folder / "Profiles/Default2.profile.unreadable2"), foreign);

    ASSERT_TRUE(SaveProfile(DefaultRecord(), path, kData));  // a good file is simply replaced
    EXPECT_EQ(EntryNames(folder / "Profiles"),
              (std::vector<std::string>{"Default2.profile", "Default2.profile.unreadable",
                                        "Default2.profile.unreadable2"}));
    ProfileRecord loaded;
    ASSERT_TRUE(LoadProfile(path, loaded));
    EXPECT_EQ(loaded.name, u"Profile1");
}

// Keeping aside is for the program's own files only: what the user names is output, and
// what is not a file is never moved, wherever it stands.
TEST(ProfileFile, NothingElseIsEverMovedAside) {
    TempFolder folder;
    const Bytes notes = {'n', 'o', 't', 'e', 's'};
    WriteBytes(folder / "notes.txt", notes);
    ASSERT_TRUE(SaveProfile(DefaultRecord(), folder / "notes.txt", kUser));
    ProfileRecord loaded;
    EXPECT_TRUE(LoadProfile(folder / "notes.txt", loaded));

    std::filesystem::create_directories(folder / "Profiles/Default3.profile");
    for (const ProfilePlace place : {kUser, kData}) {
        const FileResult refused =
            SaveProfile(DefaultRecord(), folder / "Profiles/Default3.profile", place);
        EXPECT_EQ(refused.status, FileStatus::kNotAFile);
        EXPECT_EQ(refused.found, FileKind::kFolder);
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Profiles/Default3.profile"));
    EXPECT_EQ(EntryNames(folder.path()), (std::vector<std::string>{"Profiles", "notes.txt"}));
    EXPECT_EQ(EntryNames(folder / "Profiles"), std::vector<std::string>{"Default3.profile"});
}

TEST(ProfileFile, AFailedSaveLeavesThePreviousFileLoadable) {
    TempFolder folder;
    const auto path = folder / "Default1.profile";
    ASSERT_TRUE(SaveProfile(UnusualRecord(), path, kData));
    FailingWriteCalls diskFull(0);
    const FileResult result = SaveProfile(DefaultRecord(), path, kData, diskFull);
    EXPECT_EQ(result.status, FileStatus::kNotWritten);
    EXPECT_EQ(result.error, ENOSPC);
    ProfileRecord loaded;
    ASSERT_TRUE(LoadProfile(path, loaded));
    EXPECT_TRUE(loaded == UnusualRecord());
    EXPECT_EQ(EntryNames(folder.path()), std::vector<std::string>{"Default1.profile"});
}

}  // namespace
}  // namespace tavro
