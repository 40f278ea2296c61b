#include "macros/macro_library.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "macros/macro_file.h"
#include "macros/macro_file_name.h"
#include "macros/macro_limits.h"
#include "profile/text_codec.h"
#include "tests/support/failing_write_calls.h"
#include "tests/support/temp_folder.h"

namespace tavro {
namespace {

using testing::EntryNames;
using testing::FailingWriteCalls;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
using Bytes = std::vector<uint8_t>;
using Names = std::vector<std::string>;

CMacro Macro(int32_t id, std::u16string name, int events) {
    CMacro macro;
    macro.areaRect = {0, 0, 200, 199};
    macro.id = id;
    macro.name = std::move(name);
    for (int i = 0; i < events; ++i) {
        macro.AddEvent(uint8_t(EventKind::Key), int16_t(0x41 + i), uint8_t(i % 2), 10 * i,
                       InsertMode::Append);
    }
    return macro;
}

std::vector<CMacro> Load(const std::filesystem::path& folder, LibraryLoadReport* report = nullptr) {
    std::vector<CMacro> library;
    LibraryLoadReport result = LoadLibrary(folder, library);
    if (report != nullptr) {
        *report = std::move(result);
    }
    return library;
}

std::vector<std::u16string> NamesOf(const std::vector<CMacro>& library) {
    std::vector<std::u16string> names;
    for (const CMacro& macro : library) {
        names.push_back(macro.name);
    }
    return names;
}

void WriteIndex(const std::filesystem::path& folder, const std::vector<std::u16string>& entries) {
    const DataStream index = EncodeIndex(entries);
    WriteBytes(folder / "macroList.dat", index.bytes());
}

TEST(MacroLibrary, RoundTripInLibraryOrder) {
    TempFolder folder;
    std::vector<CMacro> library = {Macro(16, u"Reload", 4), Macro(18, u"Empty", 0),
                                   Macro(17, u"Combo", 20)};
    const std::vector<CMacro> saved = library;
    ASSERT_TRUE(SaveLibrary(folder / "Macros", library));
    EXPECT_EQ(EntryNames(folder / "Macros"),
              (Names{"Combo.macro", "Empty.macro", "Reload.macro", "macroList.dat"}));

    LibraryLoadReport report;
    const std::vector<CMacro> loaded = Load(folder / "Macros", &report);
    EXPECT_TRUE(report.index);
    EXPECT_TRUE(report.skipped.empty());
    EXPECT_TRUE(loaded == saved);

    // The index names each file by its full path, as the Windows program does.
    std::vector<std::u16string> entries;
    const Bytes index = ReadBytes(folder / "Macros/macroList.dat");
    ASSERT_EQ(DecodeIndex(index, entries), FileStatus::kOk);
    EXPECT_EQ(entries.front(), Utf8ToUtf16((folder / "Macros/Reload.macro").string()));
}

TEST(MacroLibrary, LoadsIntoTheOwnerGivenAndFromAnyFolder) {
    TempFolder folder;
    std::vector<CMacro> library = {Macro(16, u"a", 1)};
    ASSERT_TRUE(SaveLibrary(folder / "old", library));
    std::filesystem::rename(folder / "old", folder / "moved.here");

    class SilentOwner : public MacroOwner {
        void OnRowsOverflow(int) override {}
        void OnShowEvent(int) override {}
    } owner;
    std::vector<CMacro> loaded;
    EXPECT_TRUE(LoadLibrary(folder / "moved.here", loaded, &owner).index);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].owner, &owner);
    EXPECT_EQ(loaded[0].name, u"a");
}

TEST(MacroLibrary, ClashingFileNamesGetOnesAppendedButCaseIsKept) {
    TempFolder folder;
    std::vector<CMacro> library = {Macro(16, u"abc", 1), Macro(17, u"ABC", 1), Macro(18, u"abc", 1),
                                   Macro(19, u"abc", 1), Macro(20, u"abc1", 1)};
    ASSERT_TRUE(SaveLibrary(folder.path(), library));
    EXPECT_EQ(NamesOf(library),
              (std::vector<std::u16string>{u"abc", u"ABC", u"abc1", u"abc11", u"abc111"}));
    EXPECT_EQ(NamesOf(Load(folder.path())), NamesOf(library));

    // Saving again finds the previous files but does not count them as clashes.
    ASSERT_TRUE(SaveLibrary(folder.path(), library));
    EXPECT_EQ(NamesOf(library),
              (std::vector<std::u16string>{u"abc", u"ABC", u"abc1", u"abc11", u"abc111"}));
}

TEST(MacroLibrary, AnEmptyLibraryIsAnIndexOfFourZeroBytesAndNothingElse) {
    TempFolder folder;
    std::vector<CMacro> library = {Macro(16, u"gone", 3)};
    ASSERT_TRUE(SaveLibrary(folder.path(), library));
    library.clear();
    ASSERT_TRUE(SaveLibrary(folder.path(), library));
    EXPECT_EQ(EntryNames(folder.path()), Names{"macroList.dat"});
    EXPECT_EQ(ReadBytes(folder / "macroList.dat"), (Bytes{0, 0, 0, 0}));
    LibraryLoadReport report;
    EXPECT_TRUE(Load(folder.path(), &report).empty());
    EXPECT_TRUE(report.index);
}

TEST(MacroLibrary, NoIndexIsAnEmptyLibrary) {
    TempFolder folder;
    LibraryLoadReport report;
    EXPECT_TRUE(Load(folder / "Macros", &report).empty());
    EXPECT_EQ(report.index.status, FileStatus::kMissing);
    EXPECT_TRUE(Load(folder.path(), &report).empty());
    EXPECT_EQ(report.index.status, FileStatus::kMissing);
    EXPECT_EQ(report.index.path, folder / "macroList.dat");
}

TEST(MacroLibrary, EmptyingTheFolderRemovesStrayEntriesButNeverFollowsLinks) {
    TempFolder folder;
    const auto macros = folder / "Macros";
    std::filesystem::create_directories(macros / "sub/deeper");
    WriteBytes(macros / "sub/deeper/file", Bytes{1});
    WriteBytes(macros / "old.macro", Bytes{1});
    std::filesystem::create_directory(folder / "outside");
    WriteBytes(folder / "outside/precious", Bytes{7});
    std::filesystem::create_directory_symlink(folder / "outside", macros / "link-to-folder");
    std::filesystem::create_symlink(folder / "outside/precious", macros / "link-to-file");
    // Another process saving into the folder at the same moment keeps its file.
    const std::string underWay = ".tavro-" + std::to_string(::getppid()) + "-7.tmp";
    WriteBytes(macros / underWay, Bytes{1});

    std::vector<CMacro> library = {Macro(16, u"kept", 1)};
    ASSERT_TRUE(SaveLibrary(macros, library));
    EXPECT_EQ(EntryNames(macros), (Names{underWay, "kept.macro", "macroList.dat"}));
    EXPECT_EQ(EntryNames(folder / "outside"), Names{"precious"});
    EXPECT_EQ(ReadBytes(folder / "outside/precious"), Bytes{7});
}

TEST(MacroLibrary, AFolderThatIsALinkIsWrittenButNotEmptied) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "real");
    WriteBytes(folder / "real/unrelated", Bytes{5});
    std::filesystem::create_directory_symlink(folder / "real", folder / "Macros");
    std::vector<CMacro> library = {Macro(16, u"m", 2)};
    ASSERT_TRUE(SaveLibrary(folder / "Macros", library));
    EXPECT_EQ(EntryNames(folder / "real"), (Names{"m.macro", "macroList.dat", "unrelated"}));
    EXPECT_EQ(Load(folder / "Macros").size(), 1u);
}

TEST(MacroLibrary, UnsafeNamesStayInsideTheFolderAndInsideTheirFiles) {
    TempFolder folder;
    const auto macros = folder / "lib/Macros";
    const std::vector<std::u16string> names = {u"../../escape",
                                               u"a/b",
                                               u".",
                                               u"..",
                                               u"",
                                               std::u16string(u"nul\0x", 5),
                                               u"tab\there",
                                               u"back\\slash",
                                               u"100%",
                                               u"100%25",
                                               u"\u00E9t\u00E9",
                                               std::u16string(300, u'x'),
                                               std::u16string(299, u'x') + u"y",
                                               u"\U0001F600"};
    std::vector<CMacro> library;
    for (size_t i = 0; i < names.size(); ++i) {
        library.push_back(Macro(int32_t(16 + i), names[i], 1));
    }
    ASSERT_TRUE(SaveLibrary(macros, library));
    EXPECT_EQ(NamesOf(library), names);  // all distinct: none had to change
    EXPECT_EQ(EntryNames(folder.path()), Names{"lib"});
    EXPECT_EQ(EntryNames(folder / "lib"), Names{"Macros"});
    for (const std::string& name : EntryNames(macros)) {
        EXPECT_LE(name.size(), 255u);
        EXPECT_TRUE(std::filesystem::is_regular_file(macros / name)) << name;
    }
    EXPECT_EQ(EntryNames(macros).size(), names.size() + 1);
    EXPECT_EQ(NamesOf(Load(macros)), names);
}

TEST(MacroLibrary, FileNamesEscapeWhatCouldLeaveTheFolder) {
    const struct {
        std::u16string name;
        const char* file;
    } cases[] = {
        {u"abc", "abc.macro"},
        {u"../x", "..%2Fx.macro"},
        {u".", "..macro"},
        {u"..", "...macro"},
        {u"", ".macro"},
        {u"a\\b%c", "a%5Cb%25c.macro"},
        {std::u16string(u"\0\x1F\x7F", 3), "%00%1F%7F.macro"},
        {u"Gr\u00FCn", "Gr\xC3\xBCn.macro"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MacroFileName(c.name), c.file) << c.file;
    }
    const std::string longName = MacroFileName(std::u16string(100, u'/'));
    EXPECT_LE(longName.size(), 255u);
    EXPECT_NE(longName, MacroFileName(std::u16string(100, u'/') + u"1"));
}

TEST(MacroLibrary, IndexEntriesNameFilesOfTheFolderOnly) {
    const struct {
        std::u16string entry;
        const char* file;
    } cases[] = {
        {u"C:\\Users\\ann\\AppData\\Roaming\\Dravek\\TAVRO\\Macros\\abc.macro", "abc.macro"},
        {u"/home/ann/.local/share/Dravek/TAVRO/Macros/abc.macro", "abc.macro"},
        {u"abc.macro", "abc.macro"},
        {u"/etc/passwd", "passwd"},
        {u"/m/..", ""},
        {u"..", ""},
        {u"/m/", ""},
        {u"", ""},
        {std::u16string(u"/m/a\0b", 6), ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IndexEntryFileName(c.entry), c.file) << Utf16ToUtf8(c.entry);
    }
}

TEST(MacroLibrary, EntriesWithoutALoadableFileAreSkippedAndReported) {
    TempFolder folder;
    std::vector<CMacro> library = {Macro(16, u"good", 2), Macro(17, u"cut", 3)};
    ASSERT_TRUE(SaveLibrary(folder / "Macros", library));
    const auto macros = folder / "Macros";
    Bytes cut = ReadBytes(macros / "cut.macro");
    cut.resize(cut.size() - 1);
    WriteBytes(macros / "cut.macro", cut);
    std::filesystem::create_directory(macros / "folder.macro");
    WriteBytes(folder / "outside.macro", ReadBytes(macros / "good.macro"));
    std::filesystem::create_symlink(folder / "outside.macro", macros / "link.macro");
    WriteIndex(macros, {u"C:\\Users\\ann\\Macros\\good.macro", u"/x/missing.macro",
                        (macros / "cut.macro").u16string(), u"/x/folder.macro", u"/x/link.macro",
                        (folder / "outside.macro").u16string(), u"/x/.."});

    LibraryLoadReport report;
    const std::vector<CMacro> loaded = Load(macros, &report);
    EXPECT_EQ(NamesOf(loaded), std::vector<std::u16string>{u"good"});
    ASSERT_EQ(report.skipped.size(), 6u);
    const FileStatus expected[] = {FileStatus::kMissing,    FileStatus::kTruncated,
                                   FileStatus::kUnreadable, FileStatus::kUnreadable,
                                   FileStatus::kMissing,    FileStatus::kMissing};
    for (size_t i = 0; i < report.skipped.size(); ++i) {
        EXPECT_EQ(report.skipped[i].result.status, expected[i])
            << Describe(report.skipped[i].result);
    }
    EXPECT_EQ(report.skipped[0].indexEntry, u"/x/missing.macro");
    EXPECT_EQ(report.skipped[1].result.path, macros / "cut.macro");
}

// A small index can name a huge file many times, or claim millions of entries: neither
// may cost more memory than the largest library the program writes.
TEST(MacroLibrary, AHostileIndexStaysWithinTheLibraryBounds) {
    TempFolder folder;
    std::vector<CMacro> library = {Macro(16, u"good", 2)};
    ASSERT_TRUE(SaveLibrary(folder.path(), library));
    WriteBytes(folder / "big.macro", ReadBytes(folder / "good.macro"));
    ASSERT_EQ(::truncate((folder / "big.macro").c_str(), kMaxMacroFileSize + 1), 0);
    std::vector<std::u16string> entries(100, u"/x/big.macro");
    entries.insert(entries.end(), 50, u"C:\\Macros\\good.macro");
    WriteIndex(folder.path(), entries);

    LibraryLoadReport report;
    EXPECT_EQ(NamesOf(Load(folder.path(), &report)), std::vector<std::u16string>{u"good"});
    ASSERT_EQ(report.skipped.size(), 1u);
    EXPECT_EQ(report.skipped[0].result.status, FileStatus::kUnreadable);
    EXPECT_EQ(report.skipped[0].result.error, EFBIG);
    EXPECT_EQ(report.repeatedEntries, 148);
    EXPECT_EQ(report.entriesBeyondLimit, 0);

    // Eight million empty entries, as a sparse file of 32 MB.
    constexpr int32_t kClaimed = 8'000'000;
    WriteBytes(folder / "macroList.dat", EncodeIndex(std::vector<std::u16string>{}).bytes());
    Bytes count(4);
    for (int i = 0; i < 4; ++i) {
        count[i] = static_cast<uint8_t>(kClaimed >> (8 * i));
    }
    WriteBytes(folder / "macroList.dat", count);
    ASSERT_EQ(::truncate((folder / "macroList.dat").c_str(), 4 + 4 * int64_t{kClaimed}), 0);
    EXPECT_TRUE(Load(folder.path(), &report).empty());
    EXPECT_TRUE(report.index);
    EXPECT_EQ(report.entriesBeyondLimit, kClaimed);
    EXPECT_EQ(report.skipped.size(), size_t{kMaxLibraryMacros});
}

TEST(MacroLibrary, ATruncatedIndexLoadsTheMacrosItStillNames) {
    TempFolder folder;
    std::vector<CMacro> library = {Macro(16, u"first", 1), Macro(17, u"second", 1)};
    ASSERT_TRUE(SaveLibrary(folder.path(), library));
    Bytes index = ReadBytes(folder / "macroList.dat");
    index.resize(index.size() - 2);
    WriteBytes(folder / "macroList.dat", index);
    LibraryLoadReport report;
    EXPECT_EQ(NamesOf(Load(folder.path(), &report)), std::vector<std::u16string>{u"first"});
    EXPECT_EQ(report.index.status, FileStatus::kTruncated);
}

TEST(MacroLibrary, AFailureAtAnyMomentLeavesThePreviousLibraryLoadable) {
    const std::vector<CMacro> previous = {Macro(16, u"stays", 2), Macro(17, u"changes", 3),
                                          Macro(18, u"deleted", 1)};
    std::vector<CMacro> next = {Macro(17, u"changes", 5), Macro(16, u"stays", 2),
                                Macro(19, u"new", 4)};
    FailingWriteCalls counter;
    {
        TempFolder folder;
        std::vector<CMacro> first = previous;
        ASSERT_TRUE(SaveLibrary(folder.path(), first));
        std::vector<CMacro> second = next;
        ASSERT_TRUE(SaveLibrary(folder.path(), second, counter));
    }
    ASSERT_GT(counter.calls(), 6);

    for (int failAt = 0; failAt < counter.calls(); ++failAt) {
        TempFolder folder;
        std::vector<CMacro> first = previous;
        ASSERT_TRUE(SaveLibrary(folder.path(), first));
        std::vector<CMacro> second = next;
        FailingWriteCalls calls(failAt);
        const FileResult result = SaveLibrary(folder.path(), second, calls);
        // A failed folder sync after a rename leaves the new files in place, undurable.
        EXPECT_TRUE(result.status == FileStatus::kNotWritten ||
                    result.status == FileStatus::kNotDurable)
            << "failing call " << failAt << ": " << Describe(result);

        LibraryLoadReport report;
        const std::vector<CMacro> loaded = Load(folder.path(), &report);
        EXPECT_TRUE(report.index) << "failing call " << failAt;
        EXPECT_TRUE(report.skipped.empty()) << "failing call " << failAt;
        const auto names = NamesOf(loaded);
        EXPECT_TRUE(names == NamesOf(previous) || names == NamesOf(next))
            << "failing call " << failAt;
        for (const std::string& name : EntryNames(folder.path())) {
            EXPECT_FALSE(name.ends_with(".tmp")) << "failing call " << failAt;
        }
        // The next save that succeeds puts everything right.
        ASSERT_TRUE(SaveLibrary(folder.path(), second));
        EXPECT_TRUE(Load(folder.path()) == second);
        EXPECT_EQ(EntryNames(folder.path()).size(), next.size() + 1);
    }
}

TEST(MacroLibrary, ASaveThatChangesNothingWritesNothing) {
    TempFolder folder;
    std::vector<CMacro> library = {Macro(16, u"a", 2), Macro(17, u"b", 2)};
    ASSERT_TRUE(SaveLibrary(folder.path(), library));
    FailingWriteCalls calls;
    ASSERT_TRUE(SaveLibrary(folder.path(), library, calls));
    EXPECT_EQ(calls.calls(), 0);
    library[1].events[0].delay = 99;
    ASSERT_TRUE(SaveLibrary(folder.path(), library, calls));
    EXPECT_GT(calls.calls(), 0);
    EXPECT_EQ(Load(folder.path())[1].events[0].delay, 99);
}

}  // namespace
}  // namespace tavro
