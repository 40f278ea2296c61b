#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "macros/macro_limits.h"
#include "macros/macro_model.h"
#include "profile/atomic_write.h"
#include "profile/data_stream.h"
#include "profile/file_result.h"

namespace tavro {

// The bytes of a .macro file: name, id, area, event count, then 32 bytes per event.
DataStream EncodeMacro(const CMacro& macro);

// Reads the bytes of a whole .macro file: sets name, id, areaRect and the events, and
// only when all of them were read, so a damaged file never gives half a macro. The
// owner is kept; bytes after the last event are ignored.
FileStatus DecodeMacro(std::span<const uint8_t> bytes, CMacro& macro);

FileResult SaveMacro(const CMacro& macro, const std::filesystem::path& path,
                     WriteCalls& calls = SystemWriteCalls());
FileResult LoadMacro(const std::filesystem::path& path, CMacro& macro);

// The bytes of macroList.dat: the count, then the path of each macro file as a text.
DataStream EncodeIndex(std::span<const std::u16string> paths);

// Appends the index's paths, at most maxEntries of them. A count of zero or below is an
// empty library; an index that ends early keeps the entries read completely and gives
// kTruncated.
FileStatus DecodeIndex(std::span<const uint8_t> bytes, std::vector<std::u16string>& paths,
                       int32_t maxEntries = kMaxLibraryMacros);

// The number of macros the index says it lists (0 when it is too short to say).
int32_t IndexListedCount(std::span<const uint8_t> bytes);

}  // namespace tavro
