#include "profile/file_result.h"

#include <cstring>

namespace tavro {

std::string_view StatusText(FileStatus status) {
    switch (status) {
        case FileStatus::kOk:
            return "ok";
        case FileStatus::kMissing:
            return "missing";
        case FileStatus::kUnreadable:
            return "unreadable";
        case FileStatus::kForeignSignature:
            return "foreign signature";
        case FileStatus::kTruncated:
            return "truncated";
        case FileStatus::kDamaged:
            return "damaged";
        case FileStatus::kNotWritten:
            return "not written";
        case FileStatus::kNotAFile:
            return "not a file";
        case FileStatus::kNotDurable:
            return "written, not made durable";
    }
    return "unknown";
}

std::string_view KindText(FileKind kind) {
    switch (kind) {
        case FileKind::kUnknown:
            return "";
        case FileKind::kFile:
            return "a file";
        case FileKind::kFolder:
            return "a folder";
        case FileKind::kCharacterDevice:
            return "a character device";
        case FileKind::kBlockDevice:
            return "a block device";
        case FileKind::kFifo:
            return "a FIFO";
        case FileKind::kSocket:
            return "a socket";
    }
    return "";
}

std::string Describe(const FileResult& result) {
    std::string text = result.path.string();
    text += ": ";
    if (result.status == FileStatus::kNotAFile) {
        text += "not replaced: ";
        text += KindText(result.found);
        text += " is there";
        return text;
    }
    text += StatusText(result.status);
    if (result.found != FileKind::kUnknown && result.found != FileKind::kFile) {
        text += " (";
        text += KindText(result.found);
        text += ", not a file)";
    } else if (result.error != 0) {
        text += " (";
        text += std::strerror(result.error);
        text += ")";
    }
    return text;
}

}  // namespace tavro
