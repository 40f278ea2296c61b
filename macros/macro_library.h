#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "macros/macro_model.h"
#include "profile/atomic_write.h"
#include "profile/file_result.h"

namespace tavro {

inline constexpr std::string_view kMacroIndexFileName = "macroList.dat";

// An index entry whose macro was not loaded, and why.
struct SkippedMacro {
    std::u16string indexEntry;  // as the index stores it
    FileResult result;
};

struct LibraryLoadReport {
    // kMissing when the folder holds no index: an empty library, no fault. kTruncated
    // when the index ends early; the entries before that are loaded.
    FileResult index;
    std::vector<SkippedMacro> skipped;
    // Entries naming a file an earlier entry named; skipped, so that no file counts twice.
    int repeatedEntries = 0;
    // The count the index gives when it lists more than kMaxLibraryMacros; only the first
    // kMaxLibraryMacros entries are read. 0 otherwise.
    int32_t entriesBeyondLimit = 0;
};

// Appends the macros of the library in the folder to `library`, in index order, each
// with the given owner. An entry is looked up by its file name in the folder, whatever
// folder the index was written in; symbolic links are not followed. An entry whose
// file is missing, unreadable, damaged or larger than kMaxMacroFileSize is skipped and
// reported. Memory stays bounded whatever the folder holds (macros/macro_limits.h).
LibraryLoadReport LoadLibrary(const std::filesystem::path& folder, std::vector<CMacro>& library,
                              MacroOwner* owner = nullptr);

// Writes the whole library into the folder, creating it if needed: one .macro file
// per macro and the index. A macro whose file name was taken earlier in the same save
// gets "1" appended to its name until its file name is free (the library's name
// changes). The new files and the index are written first and made durable; only then
// is everything else in the folder removed. If anything fails on the way the previous
// index and every file it names stay loadable.
//
// When the folder itself is a symbolic link the files are written but nothing is
// removed, since the link may lead anywhere.
FileResult SaveLibrary(const std::filesystem::path& folder, std::vector<CMacro>& library,
                       WriteCalls& calls = SystemWriteCalls());

}  // namespace tavro
