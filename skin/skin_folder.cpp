#include "skin/skin_folder.h"

#include <QCoreApplication>
#include <QFile>

#include <system_error>

#include "skin/skin_files.h"

namespace tavro {

namespace {

bool IsFolder(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

}  // namespace

std::filesystem::path ChooseSkinFolder(const std::filesystem::path& programFolder,
                                       const std::filesystem::path& installedDataFolder) {
    const std::filesystem::path beside = programFolder / kSkinFolderName;
    if (IsFolder(beside)) {
        return beside;
    }
    // An installed tree that was moved keeps bin/ and share/ side by side.
    const std::filesystem::path relocated =
        programFolder.parent_path() / "share" / "tavro" / kSkinFolderName;
    if (IsFolder(relocated)) {
        return relocated;
    }
    const std::filesystem::path installed = installedDataFolder / kSkinFolderName;
    if (IsFolder(installed)) {
        return installed;
    }
    return beside;
}

std::filesystem::path SkinFolder() {
    const QByteArray programFolder = QFile::encodeName(QCoreApplication::applicationDirPath());
    return ChooseSkinFolder(std::filesystem::path(programFolder.toStdString()),
                            std::filesystem::path(TAVRO_INSTALLED_DATA_DIR));
}

}  // namespace tavro
