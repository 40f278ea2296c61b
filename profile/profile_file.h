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

// Where a profile file is saved decides what becomes of an unloadable file already there.
enum class ProfilePlace {
    // A path the user named (an export, the command line): replaced as any output is.
    kNamedByUser,
    // One of the program's own files in its data folder: a regular file there that does
    // not load as a profile (foreign or damaged) is first kept beside it under
    // UnreadableCopyPath, so that it is never silently destroyed.
    kDataFolder,
};

// Writes the record to the file, creating the folders on the way, by the rule of every
// file the program writes (AtomicWriteBatch): a folder, device, FIFO or socket at the
// path is left alone (kNotAFile), a symbolic link is followed.
FileResult SaveProfile(const ProfileRecord& record, const std::filesystem::path& path,
                       ProfilePlace place, WriteCalls& calls = SystemWriteCalls());

// Reads the file into the record; on any failure the record keeps what it had.
FileResult LoadProfile(const std::filesystem::path& path, ProfileRecord& record);

// The first of path + ".unreadable", ".unreadable2", ".unreadable3" … that is free.
std::filesystem::path UnreadableCopyPath(const std::filesystem::path& path);

}  // namespace tavro
