#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>

#include "profile/atomic_write.h"
#include "profile/data_stream.h"
#include "profile/file_result.h"
#include "profile/profile_record.h"

namespace tavro {

inline constexpr std::array<uint8_t, 4> kProfileSignature = {0x12, 0x06, 0x33, 0x01};

// The bytes of a .profile file. filePath, slot, accelerationLevel and the default
// functions are not part of it.
DataStream EncodeProfile(const ProfileRecord& record);

// Reads the bytes of a whole .profile file into the record. The record changes only
// when every field was read; bytes after the last field are ignored.
FileStatus DecodeProfile(std::span<const uint8_t> bytes, ProfileRecord& record);

// Writes the record to its file, creating the folders on the way. Whatever stands at
// the path and is not a loadable profile (a foreign or damaged file) is first kept
// beside it under UnreadableCopyPath, so that it is never silently destroyed.
FileResult SaveProfile(const ProfileRecord& record, const std::filesystem::path& path,
                       WriteCalls& calls = SystemWriteCalls());

// Reads the file into the record; on any failure the record keeps what it had.
FileResult LoadProfile(const std::filesystem::path& path, ProfileRecord& record);

// The first of path + ".unreadable", ".unreadable2", ".unreadable3" … that is free.
std::filesystem::path UnreadableCopyPath(const std::filesystem::path& path);

}  // namespace tavro
