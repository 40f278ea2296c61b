#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavro {

// What happened to a file the program read or wrote. Loaders never change what they
// load into unless the status is kOk; writers leave any previous file in place unless
// the status is kOk or kNotDurable.
enum class FileStatus {
    kOk,
    kMissing,           // no such file
    kUnreadable,        // exists, but cannot be opened or read, or is not a regular file
    kForeignSignature,  // some other kind of file
    kTruncated,         // ends before its counts say
    kDamaged,           // the right kind of file, but with contents it cannot hold
    kNotWritten,        // could not be written; what was there is unchanged
    kNotAFile,          // not written: a folder, device, FIFO or socket is there, left alone
    kNotDurable,        // the new file is in place, but a crash may still undo the change
};

// What stands at a path, for messages that say what is there.
enum class FileKind {
    kUnknown,  // not looked at, or nothing there
    kFile,
    kFolder,
    kCharacterDevice,
    kBlockDevice,
    kFifo,
    kSocket,
};

struct FileResult {
    FileStatus status = FileStatus::kOk;
    int error = 0;  // errno of the call that failed, 0 when no call failed
    std::filesystem::path path;
    FileKind found = FileKind::kUnknown;  // set when the path holds something that is not a file

    bool ok() const { return status == FileStatus::kOk; }
    explicit operator bool() const { return ok(); }
};

// "missing", "unreadable", "foreign signature", "truncated", "damaged", "not written",
// "not a file", "written, not made durable" or "ok".
std::string_view StatusText(FileStatus status);

// "a folder", "a character device", "a block device", "a FIFO", "a socket", "a file";
// empty for kUnknown.
std::string_view KindText(FileKind kind);

// One line for a message or a terminal: the path, the status, what is there when that
// is not a file, and the system's reason.
std::string Describe(const FileResult& result);

}  // namespace tavro
