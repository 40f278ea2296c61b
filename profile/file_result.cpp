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
        case FileStatus::kNotWritten:
            return "not written";
    }
    return "unknown";
}

std::string Describe(const FileResult& result) {
    std::string text = result.path.string();
    text += ": ";
    text += StatusText(result.status);
    if (result.error != 0) {
        text += " (";
        text += std::strerror(result.error);
        text += ")";
    }
    return text;
}

}  // namespace tavro
