#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "profile/file_result.h"
#include "profile/unique_fd.h"

namespace tavro {

// The calls through which files are written, so that a test can make one fail half-way
// as a full disk, a crash or a kill would.
class WriteCalls {
public:
    virtual ~WriteCalls() = default;
    virtual ssize_t Write(int fd, const void* data, size_t size);
    virtual int Sync(int fd);
    // Makes everything written to the file system holding fd durable at once.
    virtual int SyncFileSystem(int fd);
    virtual int Rename(int folderFd, const char* from, const char* to);
    // A second name for a file; fails with EEXIST rather than replace anything.
    virtual int Link(int folderFd, const char* from, const char* to);
};

WriteCalls& SystemWriteCalls();

// Writes files into one folder so that each ends up either as it was or completely
// new, whatever happens on the way: each file is written to a temporary file beside
// it; Commit makes all of them durable and only then renames them over the old files,
// in the order they were staged, and makes the renames durable.
//
// What stands at a name decides how it is written, the same for every file the program
// writes: a regular file is replaced; a symbolic link is followed and the file it leads
// to is replaced (the link stays, as editors keep it); a folder, device, FIFO or socket
// is never replaced, moved or written into (kNotAFile).
//
// A single file is synced on its own; several are synced with one sync of the file
// system, which costs about as much as one file's sync instead of one per file.
//
// A file whose bytes equal the new ones is left untouched. Commit also removes the
// temporary files that killed runs left in the folder.
class AtomicWriteBatch {
public:
    // The folder stays open and owned by the caller for the batch's lifetime.
    AtomicWriteBatch(int folderFd, std::filesystem::path folder,
                     WriteCalls& calls = SystemWriteCalls());
    AtomicWriteBatch(const AtomicWriteBatch&) = delete;
    AtomicWriteBatch& operator=(const AtomicWriteBatch&) = delete;
    // Removes the temporary files of a batch that was not committed.
    ~AtomicWriteBatch();

    FileResult Stage(const std::string& name, std::span<const uint8_t> bytes);
    FileResult Commit();

private:
    friend FileResult ReplaceLockedFile(const std::filesystem::path&, std::span<const uint8_t>,
                                        UniqueFd&, WriteCalls&);
    friend FileResult CreateFileAtomically(const std::filesystem::path&, std::span<const uint8_t>,
                                           WriteCalls&);

    struct Staged {
        UniqueFd folder;  // the folder a followed link led to; invalid: the batch's own
        std::string temporaryName;
        std::string name;
        int fd = -1;  // kept open while it is the batch's one file or in another folder
    };

    int FolderOf(const Staged& staged) const;
    FileResult Failed(int error, const std::string& name) const;
    void Discard(Staged& staged) const;
    FileResult PutInPlace(Staged& staged);

    int folderFd_;
    std::filesystem::path folder_;
    WriteCalls& calls_;
    std::vector<Staged> staged_;
    bool replace_ = true;             // false: a file only goes where there is none
    UniqueFd* passLockTo_ = nullptr;  // takes the one new file's descriptor, locked
};

// One file, written as AtomicWriteBatch does; the folder must exist.
FileResult WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                               WriteCalls& calls = SystemWriteCalls());

// As WriteFileAtomically, for a file this process holds with flock() through `held`:
// the new file is locked before it takes the old one's place, and `held` then holds
// it, so that no other process can take the lock in between. A file that already holds
// the bytes stays as it is, and so does `held`.
FileResult ReplaceLockedFile(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                             UniqueFd& held, WriteCalls& calls = SystemWriteCalls());

// Puts a complete new file at the path only when nothing is there: never a half-written
// file, never one that replaces another. kNotWritten with EEXIST when something is.
FileResult CreateFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                                WriteCalls& calls = SystemWriteCalls());

}  // namespace tavro
