#include "profile/atomic_write.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

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

const Bytes kOld(300, 0x11);
const Bytes kNew(500, 0x22);

TEST(AtomicWrite, AFailureAtAnyMomentLeavesTheOldFileAndNoTemporaryFile) {
    FailingWriteCalls counter;
    {
        TempFolder folder;
        WriteBytes(folder / "Default1.profile", kOld);
        ASSERT_TRUE(WriteFileAtomically(folder / "Default1.profile", kNew, counter));
    }
    ASSERT_GE(counter.calls(), 4);  // write, sync, rename, folder sync

    for (int failAt = 0; failAt < counter.calls(); ++failAt) {
        TempFolder folder;
        WriteBytes(folder / "Default1.profile", kOld);
        FailingWriteCalls calls(failAt);
        const FileResult result = WriteFileAtomically(folder / "Default1.profile", kNew, calls);
        // Only the folder's sync comes after the rename: then the new file is in place,
        // and the result says so rather than "not written".
        const bool renamed = failAt == counter.calls() - 1;
        EXPECT_FALSE(result) << "failing call " << failAt;
        EXPECT_EQ(result.status, renamed ? FileStatus::kNotDurable : FileStatus::kNotWritten)
            << "failing call " << failAt;
        EXPECT_NE(result.error, 0);
        EXPECT_EQ(ReadBytes(folder / "Default1.profile"), renamed ? kNew : kOld)
            << "failing call " << failAt;
        EXPECT_EQ(EntryNames(folder.path()), std::vector<std::string>{"Default1.profile"});
    }
}

TEST(AtomicWrite, AHalfWrittenFileNeverReplacesTheOldOne) {
    TempFolder folder;
    WriteBytes(folder / "x.macro", kOld);
    FailingWriteCalls calls(0);
    const FileResult result = WriteFileAtomically(folder / "x.macro", kNew, calls);
    EXPECT_EQ(result.error, ENOSPC);
    EXPECT_EQ(result.path, folder / "x.macro");
    EXPECT_EQ(ReadBytes(folder / "x.macro"), kOld);
}

TEST(AtomicWrite, LeavesAnUnchangedFileAloneAndKeepsPermissions) {
    TempFolder folder;
    const auto path = folder / "Default2.profile";
    WriteBytes(path, kOld);
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);

    FailingWriteCalls calls;
    ASSERT_TRUE(WriteFileAtomically(path, kOld, calls));
    EXPECT_EQ(calls.calls(), 0);

    ASSERT_TRUE(WriteFileAtomically(path, kNew));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 07777, 0600u);
    EXPECT_EQ(ReadBytes(path), kNew);
}

// One rule for every file the program writes, decided by what stands at the path.
TEST(AtomicWrite, AFileIsReplacedALinkFollowedAndNothingElseTouched) {
    struct Row {
        const char* name;
        std::function<void(const TempFolder&)> make;  // makes "out" (and what it leads to)
        FileStatus status;
        FileKind found;
        const char* writtenFile;  // where the new bytes end up; nullptr: nowhere
    };
    const Row rows[] = {
        {"regular file", [](const TempFolder& f) { WriteBytes(f / "out", kOld); }, FileStatus::kOk,
         FileKind::kUnknown, "out"},
        {"nothing", [](const TempFolder&) {}, FileStatus::kOk, FileKind::kUnknown, "out"},
        {"link to a file in another folder",
         [](const TempFolder& f) {
             std::filesystem::create_directory(f / "elsewhere");
             WriteBytes(f / "elsewhere/file", kOld);
             std::filesystem::create_symlink("elsewhere/file", f / "out");
         },
         FileStatus::kOk, FileKind::kUnknown, "elsewhere/file"},
        {"chain of links",
         [](const TempFolder& f) {
             WriteBytes(f / "file", kOld);
             std::filesystem::create_symlink("file", f / "middle");
             std::filesystem::create_symlink(f / "middle", f / "out");
         },
         FileStatus::kOk, FileKind::kUnknown, "file"},
        {"dangling link",
         [](const TempFolder& f) { std::filesystem::create_symlink("target", f / "out"); },
         FileStatus::kOk, FileKind::kUnknown, "target"},
        {"folder", [](const TempFolder& f) { std::filesystem::create_directory(f / "out"); },
         FileStatus::kNotAFile, FileKind::kFolder, nullptr},
        {"link to a folder",
         [](const TempFolder& f) {
             std::filesystem::create_directory(f / "dir");
             std::filesystem::create_symlink(f / "dir/", f / "out");
         },
         FileStatus::kNotAFile, FileKind::kFolder, nullptr},
        {"/dev/null through a link",
         [](const TempFolder& f) { std::filesystem::create_symlink("/dev/null", f / "out"); },
         FileStatus::kNotAFile, FileKind::kCharacterDevice, nullptr},
        {"FIFO", [](const TempFolder& f) { ASSERT_EQ(::mkfifo((f / "out").c_str(), 0600), 0); },
         FileStatus::kNotAFile, FileKind::kFifo, nullptr},
        {"socket",
         [](const TempFolder& f) {
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             const std::string path = (f / "out").string();
             ASSERT_LT(path.size(), sizeof address.sun_path);
             path.copy(address.sun_path, path.size());
             ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
             ::close(fd);
         },
         FileStatus::kNotAFile, FileKind::kSocket, nullptr},
        {"link loop",
         [](const TempFolder& f) { std::filesystem::create_symlink("out", f / "out"); },
         FileStatus::kNotWritten, FileKind::kUnknown, nullptr},
    };
    for (const Row& row : rows) {
        TempFolder folder;
        row.make(folder);
        const auto before = EntryNames(folder.path());
        struct stat was {};
        const bool existed = ::lstat((folder / "out").c_str(), &was) == 0;

        const FileResult result = WriteFileAtomically(folder / "out", kNew);
        EXPECT_EQ(result.status, row.status) << row.name << ": " << Describe(result);
        EXPECT_EQ(result.found, row.found) << row.name;
        EXPECT_EQ(result.path, folder / "out") << row.name;
        if (row.writtenFile != nullptr) {
            EXPECT_EQ(ReadBytes(folder / row.writtenFile), kNew) << row.name;
        }
        struct stat is {};
        ASSERT_EQ(::lstat((folder / "out").c_str(), &is), 0) << row.name;
        if (existed) {
            EXPECT_EQ(is.st_mode & S_IFMT, was.st_mode & S_IFMT) << row.name << ": replaced";
        }
        if (row.status != FileStatus::kOk) {
            EXPECT_EQ(EntryNames(folder.path()), before) << row.name;
        }
    }
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST(AtomicWrite, ASaveSweepsTheTemporaryFilesOfKilledRunsOnly) {
    const pid_t killed = ::fork();
    ASSERT_GE(killed, 0);
    if (killed == 0) {
        ::_exit(0);
    }
    ASSERT_EQ(::waitpid(killed, nullptr, 0), killed);

    TempFolder folder;
    const std::string stale = ".tavro-" + std::to_string(killed) + "-3.tmp";
    const std::string live = ".tavro-" + std::to_string(::getpid()) + "-999999.tmp";
    for (const std::string& name :
         {stale, live, std::string(".tavro-x-1.tmp"), std::string("notes.tmp")}) {
        WriteBytes(folder / name, kOld);
    }
    ASSERT_TRUE(WriteFileAtomically(folder / "Default1.profile", kNew));
    EXPECT_EQ(EntryNames(folder.path()),
              (std::vector<std::string>{live, ".tavro-x-1.tmp", "Default1.profile", "notes.tmp"}));
}

TEST(AtomicWrite, CreatingAFileNeverReplacesOne) {
    TempFolder folder;
    ASSERT_TRUE(CreateFileAtomically(folder / "new.state", kNew));
    EXPECT_EQ(ReadBytes(folder / "new.state"), kNew);
    const FileResult again = CreateFileAtomically(folder / "new.state", kOld);
    EXPECT_EQ(again.status, FileStatus::kNotWritten);
    EXPECT_EQ(again.error, EEXIST);
    EXPECT_EQ(ReadBytes(folder / "new.state"), kNew);
    EXPECT_EQ(EntryNames(folder.path()), std::vector<std::string>{"new.state"});
}

TEST(AtomicWrite, ABatchPutsItsFilesInPlaceOnlyAtCommit) {
    TempFolder folder;
    const int fd = ::open(folder.path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    {
        AtomicWriteBatch batch(fd, folder.path());
        for (int i = 0; i < 150; ++i) {
            ASSERT_TRUE(batch.Stage("m" + std::to_string(i) + ".macro", kNew));
        }
        EXPECT_FALSE(std::filesystem::exists(folder / "m0.macro"));
        ASSERT_TRUE(batch.Commit());
    }
    EXPECT_EQ(EntryNames(folder.path()).size(), 150u);
    EXPECT_EQ(ReadBytes(folder / "m149.macro"), kNew);
    {
        AtomicWriteBatch abandoned(fd, folder.path());
        ASSERT_TRUE(abandoned.Stage("late.macro", kNew));
    }
    EXPECT_EQ(EntryNames(folder.path()).size(), 150u);
    ::close(fd);
}

}  // namespace
}  // namespace tavro
