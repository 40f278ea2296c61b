#include "macros/macro_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "tests/support/round_trip.h"
#include "tests/support/temp_folder.h"

namespace tavro {
namespace {

using testing::ExpectEveryTruncationRefused;
using testing::RoundTrip;
using testing::TempFolder;
using Bytes = std::vector<uint8_t>;

void Append(Bytes& bytes, std::initializer_list<int> values) {
    for (int v : values) {
        bytes.push_back(static_cast<uint8_t>(v));
    }
}

template <class Encoded>
Bytes BytesOf(const Encoded& stream) {
    return {stream.bytes().begin(), stream.bytes().end()};
}

CMacro SampleMacro() {
    CMacro macro;
    macro.areaRect = {0, 0, 200, 199};
    macro.id = 16;
    macro.name = u"Ab";
    macro.AddEvent(uint8_t(EventKind::Key), 0x41, 0, 300, InsertMode::Append);
    return macro;
}

TEST(MacroFile, IsByteExact) {
    Bytes expected;
    Append(expected, {2, 0, 0, 0, 'A', 0, 'b', 0});                          // name
    Append(expected, {16, 0, 0, 0});                                         // id
    Append(expected, {0, 0, 0, 0, 0, 0, 0, 0, 200, 0, 0, 0, 199, 0, 0, 0});  // area
    Append(expected, {1, 0, 0, 0});                                          // event count
    Append(expected, {1});                                                   // kind Key
    Append(expected, {0x41, 0x00});                                          // key A
    Append(expected, {0});                                                   // press
    Append(expected, {0x2C, 0x01, 0, 0});                                    // delay 300
    Append(expected, {4, 0, 0, 0, 5, 0, 0, 0, 198, 0, 0, 0, 23, 0, 0, 0});   // row
    Append(expected, {1, 0, 0, 0});                                          // selected
    Append(expected, {1, 0, 0, 0});                                          // sequence
    EXPECT_EQ(BytesOf(EncodeMacro(SampleMacro())), expected);
}

TEST(MacroFile, RoundTripRestoresRowsSelectionAndSequenceAsStored) {
    CMacro macro = SampleMacro();
    macro.name = u"\u00DCber \U0001F600";
    macro.id = -7;
    macro.AddEvent(uint8_t(EventKind::MouseButton), kKeyBackButton, 1, -1, InsertMode::Append);
    macro.events[0].rowRect = {4, -31, 198, -13};  // scrolled
    macro.events[0].selected = 1;                  // two selected, as stored
    macro.events[1].sequence = 0xFFFFFFFF;

    class SilentOwner : public MacroOwner {
        void OnRowsOverflow(int) override {}
        void OnShowEvent(int) override {}
    } owner;
    CMacro blank;
    blank.owner = &owner;
    CMacro expected = macro;
    expected.owner = &owner;  // the loader keeps the owner it was given
    EXPECT_TRUE(RoundTrip(macro, blank, EncodeMacro, DecodeMacro) == expected);
}

TEST(MacroFile, EveryTruncationGivesNoHalfReadMacro) {
    CMacro macro = SampleMacro();
    macro.AddEvent(uint8_t(EventKind::Key), 0x41, 1, 0, InsertMode::Append);
    CMacro before;
    before.name = u"untouched";
    before.events.resize(1);
    ExpectEveryTruncationRefused(BytesOf(EncodeMacro(macro)), before, DecodeMacro);
}

TEST(MacroFile, MalformedMacrosAreRefusedOrReadSafely) {
    const struct {
        const char* fault;
        std::function<void(Bytes&)> damage;
        FileStatus status;
        size_t events;
    } cases[] = {
        {"no events", [](Bytes& b) { b.resize(28 + 4), b[28] = 0; }, FileStatus::kOk, 0},
        {"negative event count", [](Bytes& b) { b.resize(32), b[31] = 0x80; }, FileStatus::kOk, 0},
        {"event count beyond the file", [](Bytes& b) { b[28] = 0xFF, b[29] = 0xFF, b[30] = 0x7F; },
         FileStatus::kTruncated, 0},
        {"name count beyond the file", [](Bytes& b) { b[3] = 0x7F; }, FileStatus::kTruncated, 0},
        {"trailing bytes",
         [](Bytes& b) {
             Append(b, {9, 9});
         },
         FileStatus::kOk, 1},
    };
    for (const auto& c : cases) {
        Bytes bytes = BytesOf(EncodeMacro(SampleMacro()));
        c.damage(bytes);
        CMacro macro;
        macro.name = u"before";
        EXPECT_EQ(DecodeMacro(bytes, macro), c.status) << c.fault;
        EXPECT_EQ(macro.events.size(), c.events) << c.fault;
        EXPECT_EQ(macro.name, c.status == FileStatus::kOk ? u"Ab" : u"before") << c.fault;
    }
}

TEST(MacroFile, SavesAndLoadsThroughFiles) {
    TempFolder folder;
    ASSERT_TRUE(SaveMacro(SampleMacro(), folder / "Macros/Ab.macro"));
    CMacro loaded;
    ASSERT_TRUE(LoadMacro(folder / "Macros/Ab.macro", loaded));
    EXPECT_TRUE(loaded == SampleMacro());
    EXPECT_EQ(LoadMacro(folder / "Macros/none.macro", loaded).status, FileStatus::kMissing);
}

TEST(MacroIndex, HoldsTheCountAndOneTextPerMacro) {
    const std::vector<std::u16string> paths = {u"/m/a.macro", u"C:\\M\\b.macro"};
    Bytes expected;
    Append(expected, {2, 0, 0, 0});  // count
    Append(expected, {10, 0, 0, 0});
    for (char c : std::string("/m/a.macro")) {
        Append(expected, {c, 0});
    }
    Append(expected, {12, 0, 0, 0});
    for (char c : std::string("C:\\M\\b.macro")) {
        Append(expected, {c, 0});
    }
    const Bytes bytes = BytesOf(EncodeIndex(paths));
    EXPECT_EQ(bytes, expected);
    std::vector<std::u16string> decoded;
    EXPECT_EQ(DecodeIndex(bytes, decoded), FileStatus::kOk);
    EXPECT_EQ(decoded, paths);

    EXPECT_EQ(BytesOf(EncodeIndex({})), (Bytes{0, 0, 0, 0}));
}

TEST(MacroIndex, ACountOfZeroOrBelowIsAnEmptyLibrary) {
    for (const Bytes& bytes : {Bytes{0, 0, 0, 0}, Bytes{0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0}}) {
        std::vector<std::u16string> paths;
        EXPECT_EQ(DecodeIndex(bytes, paths), FileStatus::kOk);
        EXPECT_TRUE(paths.empty());
    }
}

TEST(MacroIndex, ATruncatedIndexKeepsTheEntriesReadCompletely) {
    const std::vector<std::u16string> paths = {u"/m/a.macro", u"/m/b.macro", u"/m/c.macro"};
    const Bytes bytes = BytesOf(EncodeIndex(paths));
    for (size_t length = 0; length < bytes.size(); ++length) {
        std::vector<std::u16string> decoded;
        EXPECT_EQ(DecodeIndex(std::span(bytes).first(length), decoded), FileStatus::kTruncated);
        const size_t complete = length < 4 ? 0 : (length - 4) / 24;
        EXPECT_EQ(decoded, std::vector<std::u16string>(paths.begin(), paths.begin() + complete))
            << "cut at " << length;
    }
}

}  // namespace
}  // namespace tavro
