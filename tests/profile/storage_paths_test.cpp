#include "profile/storage_paths.h"

#include <gtest/gtest.h>

#include "tests/support/fake_environment.h"
#include "tests/support/temp_folder.h"

namespace tavro {
namespace {

using testing::FakeEnvironment;
using testing::TempFolder;

TEST(StoragePaths, ApplicationDataFollowsXdgDataHome) {
    const FakeEnvironment plain({{"HOME", "/home/ann"}});
    EXPECT_EQ(AppDataFolder(plain), std::filesystem::path("/home/ann/.local/share/Dravek/TAVRO"));
    EXPECT_EQ(
        ProfilePath(0, plain),
        std::filesystem::path("/home/ann/.local/share/Dravek/TAVRO/Profiles/Default1.profile"));
    EXPECT_EQ(ProfilePath(4, plain).filename(), "Default5.profile");
    EXPECT_EQ(MacroFolder(plain),
              std::filesystem::path("/home/ann/.local/share/Dravek/TAVRO/Macros"));

    const FakeEnvironment xdg({{"HOME", "/home/ann"}, {"XDG_DATA_HOME", "/data"}});
    EXPECT_EQ(MacroFolder(xdg), std::filesystem::path("/data/Dravek/TAVRO/Macros"));

    const FakeEnvironment relative({{"HOME", "/home/ann"}, {"XDG_DATA_HOME", "data"}});
    EXPECT_EQ(AppDataFolder(relative), AppDataFolder(plain));

    const FakeEnvironment noHome({{"HOME", ""}});
    EXPECT_TRUE(HomeFolder(noHome).is_absolute());
}

TEST(StoragePaths, ReadsTheDocumentsEntryOfUserDirs) {
    const std::filesystem::path home = "/home/ann";
    const struct {
        const char* text;
        const char* documents;  // nullptr: no entry
    } cases[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "/home/ann/Dokumente"},
        {"# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n  XDG_DOCUMENTS_DIR=\"/srv/docs\"",
         "/srv/docs"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Docs\\\"\"", "/home/ann/My \"Docs\""},
        {"XDG_DOCUMENTS_DIR=\"$HOME/a\"\nXDG_DOCUMENTS_DIR=\"$HOME/b\"", "/home/ann/b"},
        {"XDG_DOCUMENTS_DIR=\"$HOME\"", "/home/ann"},
        {"XDG_DOCUMENTS_DIR=\"relative\"", nullptr},
        {"XDG_DOCUMENTS_DIR=$HOME/unquoted", nullptr},
        {"XDG_DOCUMENTS_DIR=\"$HOME/unterminated", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        const auto found = UserDirsDocuments(c.text, home);
        if (c.documents == nullptr) {
            EXPECT_FALSE(found) << c.text;
        } else {
            EXPECT_EQ(found, std::filesystem::path(c.documents)) << c.text;
        }
    }
}

TEST(StoragePaths, DocumentsFallBackToDocumentsThenHome) {
    TempFolder home;
    const FakeEnvironment env({{"HOME", home.path().string()}});
    EXPECT_EQ(DocumentsFolder(env), home.path());

    std::filesystem::create_directory(home / "Documents");
    EXPECT_EQ(DocumentsFolder(env), home / "Documents");

    std::filesystem::create_directories(home / ".config");
    std::filesystem::create_directory(home / "Dokumente");
    testing::WriteBytes(
        home / ".config/user-dirs.dirs",
        std::vector<uint8_t>{'X', 'D', 'G', '_', 'D', 'O', 'C', 'U', 'M', 'E', 'N', 'T',
                             'S', '_', 'D', 'I', 'R', '=', '"', '$', 'H', 'O', 'M', 'E',
                             '/', 'D', 'o', 'k', 'u', 'm', 'e', 'n', 't', 'e', '"', '\n'});
    EXPECT_EQ(DocumentsFolder(env), home / "Dokumente");

    const FakeEnvironment missingEntryFolder(
        {{"HOME", home.path().string()}, {"XDG_DOCUMENTS_DIR", (home / "gone").string()}});
    EXPECT_EQ(DocumentsFolder(missingEntryFolder), home / "Dokumente");

    const FakeEnvironment variable(
        {{"HOME", home.path().string()}, {"XDG_DOCUMENTS_DIR", (home / "Documents").string()}});
    EXPECT_EQ(DocumentsFolder(variable), home / "Documents");
}

TEST(StoragePaths, ExportStartsBesideAWritableProgramElseInTheDocuments) {
    TempFolder home;
    std::filesystem::create_directory(home / "Documents");
    const FakeEnvironment env({{"HOME", home.path().string()}});
    EXPECT_EQ(ExportStartFolder("/opt/tavro", true, env),
              std::filesystem::path("/opt/tavro/Profiles/"));
    EXPECT_EQ(ExportStartFolder("/usr/bin", false, env), home / "Documents");

    EXPECT_TRUE(IsWritableFolder(home.path()));
    EXPECT_FALSE(IsWritableFolder(home / "absent"));
    EXPECT_TRUE(ProgramFolder().is_absolute());
}

}  // namespace
}  // namespace tavro
