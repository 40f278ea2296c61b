#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavro {

// What happened to a file the program read or wrote. Loaders never change what they
// load into unless the status is kOk; writers leave any previous file in place unless
// the status is kOk.
enum class FileStatus {
    kOk,
    kMissing,           // no such file
    kUnreadable,        // exists, but cannot be opened or read, or is not a regular file
    kForeignSignature,  // some other kind of file
    kTruncated,         // ends before its counts say
    kNotWritten,        // could not be written
};

struct FileResult {
    FileStatus status = FileStatus::kOk;
    int error = 0;  // errno of the call that failed, 0 when no call failed
    std::filesystem::path path;

    bool ok() const { return status == FileStatus::kOk; }
    explicit operator bool() const { return ok(); }
};

// "missing", "unreadable", "foreign signature", "truncated", "not written" or "ok".
std::string_view StatusText(FileStatus status);

// One line for a message or a terminal: the path, the status and the system's reason.
std::string Describe(const FileResult& result);

}  // namespace tavro
