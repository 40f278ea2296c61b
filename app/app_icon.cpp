#include "app/app_icon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "profile/storage_paths.h"

namespace tavro {

namespace {

constexpr char kIconName[] = "tavro";

// Adds every hicolor size found under `themeFolder`; false when there was none.
bool AddSizes(QIcon& icon, const QString& themeFolder) {
    const QDir hicolor(themeFolder + QStringLiteral("/hicolor"));
    bool any = false;
    for (const QString& size : hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString file =
            hicolor.filePath(size + QStringLiteral("/apps/") + QString::fromLatin1(kIconName) +
                             QStringLiteral(".png"));
        if (QFileInfo::exists(file)) {
            icon.addFile(file);
            any = true;
        }
    }
    return any;
}

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    const QString beside =
        QFile::decodeName(QByteArray::fromStdString((ProgramFolder() / "icons").native()));
    if (AddSizes(icon, beside) || AddSizes(icon, QStringLiteral(TAVRO_INSTALLED_ICON_DIR))) {
        return icon;
    }
    return QIcon::fromTheme(QString::fromLatin1(kIconName));
}

}  // namespace tavro
