#include "macros/macro_library.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <set>

#include "macros/folder_sweep.h"
#include "macros/macro_file.h"
#include "macros/macro_file_name.h"
#include "profile/data_stream.h"
#include "profile/file_io.h"
#include "profile/text_codec.h"
#include "profile/unique_fd.h"

namespace tavro {

LibraryLoadReport LoadLibrary(const std::filesystem::path& folder, std::vector<CMacro>& library,
                              MacroOwner* owner) {
    LibraryLoadReport report;
    const std::string indexName(kMacroIndexFileName);
    const UniqueFd folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folderFd.valid()) {
        const int error = errno;
        report.index = {error == ENOENT ? FileStatus::kMissing : FileStatus::kUnreadable, error,
                        folder / indexName};
        return report;
    }
    std::vector<uint8_t> bytes;
    report.index =
        ReadFileStartAt(folderFd.get(), indexName, folder / indexName, kMaxIndexFileSize, bytes);
    if (!report.index) {
        return report;
    }
    std::vector<std::u16string> entries;
    report.index.status = DecodeIndex(bytes, entries, kMaxLibraryMacros);
    if (const int32_t listed = IndexListedCount(bytes); listed > kMaxLibraryMacros) {
        report.entriesBeyondLimit = listed;
        if (entries.size() == size_t{kMaxLibraryMacros}) {
            report.index.status = FileStatus::kOk;  // cut by the limit, not by the file's end
        }
    }
    bytes = {};

    std::set<std::string> named;
    for (std::u16string& entry : entries) {
        const std::string name = IndexEntryFileName(entry);
        if (name.empty()) {
            report.skipped.push_back({entry, {FileStatus::kMissing, 0, Utf16ToUtf8(entry)}});
            continue;
        }
        if (!named.insert(name).second) {
            ++report.repeatedEntries;
            continue;
        }
        FileResult read =
            ReadWholeFileAt(folderFd.get(), name, folder / name, bytes, kMaxMacroFileSize);
        CMacro macro;
        macro.owner = owner;
        if (read) {
            read.status = DecodeMacro(bytes, macro);
        }
        if (!read) {
            report.skipped.push_back({std::move(entry), std::move(read)});
            continue;
        }
        library.push_back(std::move(macro));
    }
    return report;
}

FileResult SaveLibrary(const std::filesystem::path& folder, std::vector<CMacro>& library,
                       WriteCalls& calls) {
    if (folder.empty()) {
        return {FileStatus::kNotWritten, ENOENT, folder};
    }
    CreateFolderChain(folder);
    bool mayRemove = true;
    UniqueFd folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    int error = errno;
    struct stat link {};
    if (!folderFd.valid() && ::lstat(folder.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        mayRemove = false;
        folderFd.Reset(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        error = errno;
    }
    if (!folderFd.valid()) {
        return {FileStatus::kNotWritten, error, folder};
    }

    std::error_code ignored;
    const std::string indexFolder = std::filesystem::absolute(folder, ignored).lexically_normal();
    const std::string prefix = indexFolder.ends_with('/') ? indexFolder : indexFolder + "/";

    std::set<std::string> written;
    std::vector<std::u16string> entries;
    AtomicWriteBatch macros(folderFd.get(), folder, calls);
    for (CMacro& macro : library) {
        std::string name = MacroFileName(macro.name);
        while (written.count(name) != 0) {
            macro.name += u"1";
            name = MacroFileName(macro.name);
        }
        written.insert(name);
        if (FileResult staged = macros.Stage(name, EncodeMacro(macro).bytes()); !staged) {
            return staged;
        }
        entries.push_back(Utf8ToUtf16(prefix + name));
    }
    if (FileResult committed = macros.Commit(); !committed) {
        return committed;
    }

    const std::string indexName(kMacroIndexFileName);
    AtomicWriteBatch index(folderFd.get(), folder, calls);
    FileResult result = index.Stage(indexName, EncodeIndex(entries).bytes());
    if (result) {
        result = index.Commit();
    }
    if (!result) {
        return result;
    }
    written.insert(indexName);
    if (mayRemove) {
        SweepFolder(folderFd.get(), written);
    }
    return {FileStatus::kOk, 0, folder};
}

}  // namespace tavro
