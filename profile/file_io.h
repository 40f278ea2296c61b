#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "profile/file_result.h"

namespace tavro {

// The program's files are a few kilobytes; anything this large is not one of them and is
// not read into memory.
inline constexpr int64_t kMaxFileSize = 64 * 1024 * 1024;

// Reads a whole regular file. Devices, pipes and folders are unreadable (the result says
// which is there): opening never blocks and reading never goes on past the size the file
// had when it was opened. A file larger than maxSize is unreadable (EFBIG) and not read.
FileResult ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes,
                         int64_t maxSize = kMaxFileSize);

// The same for a file named inside an open folder; a symbolic link is not followed.
FileResult ReadWholeFileAt(int folderFd, const std::string& name,
                           const std::filesystem::path& shownPath, std::vector<uint8_t>& bytes,
                           int64_t maxSize = kMaxFileSize);

// As ReadWholeFileAt, but a larger file is not refused: only its first `limit` bytes are
// read.
FileResult ReadFileStartAt(int folderFd, const std::string& name,
                           const std::filesystem::path& shownPath, int64_t limit,
                           std::vector<uint8_t>& bytes);

// The names in an open folder, without "." and "..", in the order the system lists them.
std::vector<std::string> FolderEntryNames(int folderFd);

// The kind of what a stat() mode describes.
FileKind KindOfMode(mode_t mode);

// Creates every missing folder of a path, from the root down. A last part that
// contains a dot is taken as a file name and left out. Failures are ignored: the write
// that follows reports them.
void MakeFolders(const std::filesystem::path& path);

// Creates the folder and every missing folder above it, whatever its name looks like.
void CreateFolderChain(const std::filesystem::path& folder);

}  // namespace tavro
