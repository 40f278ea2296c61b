#include "profile/data_stream.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <limits>
#include <vector>

#include "profile/file_io.h"
#include "tests/support/temp_folder.h"

namespace tavro {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
using Bytes = std::vector<uint8_t>;

Bytes Written(const std::function<void(DataStream&)>& write) {
    DataStream stream;
    write(stream);
    return {stream.bytes().begin(), stream.bytes().end()};
}

struct EncodingCase {
    const char* name;
    std::function<void(DataStream&)> write;
    Bytes bytes;
};

TEST(DataStream, EncodesLittleEndianIntegersAndCountedTexts) {
    const EncodingCase cases[] = {
        {"u8", [](DataStream& s) { s.WriteU8(0xAB); }, {0xAB}},
        {"u16 800", [](DataStream& s) { s.WriteU16(800); }, {0x20, 0x03}},
        {"u32 -1", [](DataStream& s) { s.WriteU32(uint32_t(-1)); }, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"u32 order", [](DataStream& s) { s.WriteU32(0x01020304); }, {4, 3, 2, 1}},
        {"empty text", [](DataStream& s) { s.WriteText(u""); }, {0, 0, 0, 0}},
        {"text abc",
         [](DataStream& s) { s.WriteText(u"abc"); },
         {3, 0, 0, 0, 'a', 0, 'b', 0, 'c', 0}},
        {"text beyond Latin-1",
         [](DataStream& s) { s.WriteText(u"\u20AC"); },
         {1, 0, 0, 0, 0xAC, 0x20}},
        {"int text -5", [](DataStream& s) { s.WriteIntText(-5); }, {2, 0, 0, 0, '-', 0, '5', 0}},
        {"int text 16711680",
         [](DataStream& s) { s.WriteIntText(16711680); },
         {8, 0, 0, 0, '1', 0, '6', 0, '7', 0, '1', 0, '1', 0, '6', 0, '8', 0, '0', 0}},
    };
    for (const EncodingCase& c : cases) {
        EXPECT_EQ(Written(c.write), c.bytes) << c.name;
    }
}

TEST(DataStream, GrowsByTwiceTheRequestOrAtLeast1024Bytes) {
    DataStream small;
    small.WriteU32(7);
    EXPECT_EQ(small.capacity(), 1024);

    DataStream large;
    large.WriteText(std::u16string(600, u'x'));  // 1204 bytes with the count
    EXPECT_EQ(large.capacity(), 2408);
    EXPECT_EQ(large.length(), 1204);

    DataStream nearlyFull(1024);
    for (int i = 0; i < 255; ++i) {
        nearlyFull.WriteU32(uint32_t(i));
    }
    ASSERT_EQ(nearlyFull.length(), 1020);
    nearlyFull.Reserve(4);
    EXPECT_EQ(nearlyFull.capacity(), 1024);
    nearlyFull.Reserve(8);
    EXPECT_EQ(nearlyFull.capacity(), 2048);
    EXPECT_EQ(nearlyFull.bytes()[1016], 254);  // the contents moved along
}

TEST(DataStream, ReadsBackWhatItWrote) {
    DataStream stream;
    stream.WriteU8(0x80);
    stream.WriteU16(0xFFFE);
    stream.WriteU32(0xDEADBEEF);
    stream.WriteText(u"Gr\u00FC\u00DFe");
    stream.WriteIntText(std::numeric_limits<int32_t>::min());
    DataStream in = DataStream::FromBytes(stream.bytes());
    EXPECT_EQ(in.ReadU8(), 0x80);
    EXPECT_EQ(in.ReadU16(), 0xFFFE);
    EXPECT_EQ(in.ReadU32(), 0xDEADBEEFu);
    EXPECT_EQ(in.ReadText(), u"Gr\u00FC\u00DFe");
    EXPECT_EQ(in.ReadIntText(), std::numeric_limits<int32_t>::min());
    EXPECT_FALSE(in.failed());
    EXPECT_EQ(in.readPosition(), in.length());
}

TEST(DataStream, TextCountOfZeroOrBelowIsEmptyAndConsumesOnlyTheCount) {
    const Bytes bytes = {0x00, 0x00, 0x00, 0x80, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    DataStream in = DataStream::FromBytes(bytes);
    EXPECT_EQ(in.ReadText(), u"");
    EXPECT_EQ(in.readPosition(), 4);
    EXPECT_EQ(in.ReadU32(), 5u);
    EXPECT_EQ(in.ReadText(), u"");
    EXPECT_EQ(in.readPosition(), 12);
    EXPECT_FALSE(in.failed());
}

TEST(DataStream, ReadIntTextTakesSignAndLeadingDigits) {
    const struct {
        std::u16string text;
        int32_t value;
    } cases[] = {
        {u"12ab", 12},
        {u"", 0},
        {u"abc", 0},
        {u"-5", -5},
        {u"+7", 7},
        {u"-", 0},
        {u"16711680", 16711680},
        {u"2147483647", 2147483647},
        {u"-2147483648", std::numeric_limits<int32_t>::min()},
        {u"99999999999999999999", std::numeric_limits<int32_t>::max()},
        {u"-99999999999999999999", std::numeric_limits<int32_t>::min()},
        {u" 3", 0},
    };
    for (const auto& c : cases) {
        DataStream stream;
        stream.WriteText(c.text);
        DataStream in = DataStream::FromBytes(stream.bytes());
        EXPECT_EQ(in.ReadIntText(), c.value) << std::string(c.text.begin(), c.text.end());
    }
}

TEST(DataStream, ReadsPastTheEndFailAndGiveZeros) {
    const Bytes bytes = {0x01, 0x02, 0x03};
    DataStream in = DataStream::FromBytes(bytes);
    EXPECT_EQ(in.ReadU16(), 0x0201);
    EXPECT_EQ(in.ReadU32(), 0u);
    EXPECT_TRUE(in.failed());
    EXPECT_EQ(in.readPosition(), 3);
    EXPECT_EQ(in.ReadU8(), 0);  // stays failed at the end

    // A count larger than the rest is refused before anything is read.
    const Bytes text = {0xFF, 0xFF, 0xFF, 0x7F, 'a', 0};
    DataStream hostile = DataStream::FromBytes(text);
    EXPECT_EQ(hostile.ReadText(), u"");
    EXPECT_TRUE(hostile.failed());
    EXPECT_EQ(hostile.readPosition(), 6);
}

TEST(DataStream, LoadFileTakesTheWholeRegularFileOnly) {
    TempFolder folder;
    const Bytes content = {1, 2, 3, 4, 5};
    WriteBytes(folder / "data.bin", content);

    DataStream stream;
    stream.WriteU32(99);
    ASSERT_TRUE(stream.LoadFile(folder / "data.bin"));
    EXPECT_EQ(Bytes(stream.bytes().begin(), stream.bytes().end()), content);
    EXPECT_EQ(stream.capacity(), 5);
    EXPECT_EQ(stream.readPosition(), 0);

    EXPECT_EQ(stream.LoadFile(folder / "absent").status, FileStatus::kMissing);
    EXPECT_EQ(stream.length(), 0);
    EXPECT_EQ(stream.LoadFile(folder.path()).status, FileStatus::kUnreadable);
    EXPECT_EQ(stream.LoadFile("/dev/zero").status, FileStatus::kUnreadable);
    // A pipe nobody writes to must not block the program.
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(stream.LoadFile(folder / "pipe").status, FileStatus::kUnreadable);
}

TEST(DataStream, SaveFileCreatesTheFoldersAndReportsFailure) {
    TempFolder folder;
    DataStream stream;
    stream.WriteText(u"abc");
    const auto path = folder / "a/b.c/Default1.profile";
    ASSERT_TRUE(stream.SaveFile(path));
    EXPECT_EQ(ReadBytes(path), Bytes(stream.bytes().begin(), stream.bytes().end()));

    // A file without a dot is still written as a file.
    ASSERT_TRUE(stream.SaveFile(folder / "plain"));
    EXPECT_EQ(ReadBytes(folder / "plain").size(), 10u);

    WriteBytes(folder / "blocker", Bytes{1});
    const FileResult failed = stream.SaveFile(folder / "blocker/x.profile");
    EXPECT_EQ(failed.status, FileStatus::kNotWritten);
    EXPECT_NE(failed.error, 0);
    EXPECT_EQ(ReadBytes(folder / "blocker"), Bytes{1});
}

TEST(MakeFolders, TakesALastPartWithADotAsAFileName) {
    TempFolder folder;
    MakeFolders(folder / "AppData/Dravek/TAVRO/Profiles/Default1.profile");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "AppData/Dravek/TAVRO/Profiles"));
    EXPECT_FALSE(
        std::filesystem::exists(folder / "AppData/Dravek/TAVRO/Profiles/Default1.profile"));

    MakeFolders(folder / "Data/backup.old");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Data"));
    EXPECT_FALSE(std::filesystem::exists(folder / "Data/backup.old"));

    MakeFolders(folder / "Data/Macros");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Data/Macros"));

    WriteBytes(folder / "file", Bytes{7});
    MakeFolders(folder / "file");
    EXPECT_EQ(ReadBytes(folder / "file"), Bytes{7});
}

}  // namespace
}  // namespace tavro
