#include "profile/atomic_write.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
        const Bytes now = ReadBytes(folder / "Default1.profile");
        EXPECT_FALSE(result) << "failing call " << failAt;
        EXPECT_EQ(result.status, FileStatus::kNotWritten);
        EXPECT_NE(result.error, 0);
        EXPECT_TRUE(now == kOld || now == kNew) << "failing call " << failAt;
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

TEST(AtomicWrite, ReplacesASymbolicLinkWithoutWritingThroughIt) {
    TempFolder folder;
    WriteBytes(folder / "elsewhere", kOld);
    std::filesystem::create_directory(folder / "Profiles");
    std::filesystem::create_symlink(folder / "elsewhere", folder / "Profiles/Default1.profile");
    ASSERT_TRUE(WriteFileAtomically(folder / "Profiles/Default1.profile", kNew));
    EXPECT_EQ(ReadBytes(folder / "elsewhere"), kOld);
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "Profiles/Default1.profile"));
    EXPECT_EQ(ReadBytes(folder / "Profiles/Default1.profile"), kNew);
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
