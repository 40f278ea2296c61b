#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "profile/file_result.h"

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
};

WriteCalls& SystemWriteCalls();

// Writes files into one folder so that each ends up either as it was or completely
// new, whatever happens on the way: each file is written to a temporary file beside
// it; Commit makes all of them durable and only then renames them over the old files,
// in the order they were staged, and makes the renames durable.
//
// A single file is synced on its own; several are synced with one sync of the file
// system, which costs about as much as one file's sync instead of one per file.
//
// A file whose bytes equal the new ones is left untouched.
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
    struct Staged {
        std::string temporaryName;
        std::string name;
        int fd = -1;  // kept open only while it is the batch's one file
    };

    FileResult Failed(int error, const std::string& name) const;
    void Discard(Staged& staged) const;

    int folderFd_;
    std::filesystem::path folder_;
    WriteCalls& calls_;
    std::vector<Staged> staged_;
};

// One file, written as AtomicWriteBatch does; the folder must exist.
FileResult WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                               WriteCalls& calls = SystemWriteCalls());

}  // namespace tavro
