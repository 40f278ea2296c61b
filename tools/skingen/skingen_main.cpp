// Draws every picture of the TAVRO skin, at page size and at twice that ("name@2x.bmp"),
// and writes the skin folder:
//   tavro-skingen --font-dir DIR SKIN_FOLDER
// or writes a contact sheet of an existing skin folder for review:
//   tavro-skingen --font-dir DIR --contact-sheet OUT.png [--only TITLE] SKIN_FOLDER
// or draws the program's icon into an icon theme folder (hicolor/NxN/apps/tavro.png):
//   tavro-skingen --font-dir DIR --icons ICON_FOLDER
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <filesystem>

#include "app_icon.h"
#include "bmp_writer.h"
#include "contact_sheet.h"
#include "paint.h"
#include "skin/skin_files.h"
#include "skin_outputs.h"
#include "theme.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: tavro-skingen --font-dir DIR SKIN_FOLDER\n"
                 "       tavro-skingen --font-dir DIR --contact-sheet OUT.png [--only TITLE] "
                 "SKIN_FOLDER\n"
                 "       tavro-skingen --font-dir DIR --icons ICON_FOLDER\n");
    return 2;
}

bool WritePicture(const QImage& image, const QString& path) {
    if (path.endsWith(QLatin1String(".png"))) {
        return image.save(path, "PNG");
    }
    return tavro::skingen::WriteBmp(image, path);
}

// The skin font is Inter (SIL Open Font License), under the name the program asks for.
bool CopyFont(const std::filesystem::path& fontFolder, const QDir& skin) {
    const QString target = skin.filePath(QString::fromLatin1(tavro::kSkinFontFile));
    QFile::remove(target);
    const QString source =
        QFile::decodeName(QByteArray::fromStdString((fontFolder / "Inter-Regular.otf").native()));
    return QFile::copy(source, target);
}

int WriteIcons(const QString& folder) {
    for (const int size : tavro::skingen::kAppIconSizes) {
        const QDir apps(QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size));
        if (!apps.mkpath(QStringLiteral(".")) ||
            !tavro::skingen::PaintAppIcon(size).save(apps.filePath(QStringLiteral("tavro.png")))) {
            std::fprintf(stderr, "skingen: cannot write the %d-pixel icon into %s\n", size,
                         qPrintable(folder));
            return 1;
        }
    }
    return 0;
}

int WriteSkin(const std::filesystem::path& fontFolder, const std::filesystem::path& folder) {
    const QDir skin(QFile::decodeName(QByteArray::fromStdString(folder.native())));
    if (!skin.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "skingen: cannot create %s\n", folder.c_str());
        return 1;
    }
    for (const tavro::skingen::SkinOutput& output : tavro::skingen::SkinOutputs()) {
        for (int scale : {1, tavro::kHiDpiScale}) {
            const tavro::skingen::ScopedPictureScale drawing(scale);
            const QString name =
                QString::fromStdString(tavro::ScaledFileName(output.fileName.toStdString(), scale));
            if (!WritePicture(output.paint(), skin.filePath(name))) {
                std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(name));
                return 1;
            }
        }
    }
    if (!CopyFont(fontFolder, skin)) {
        std::fprintf(stderr, "skingen: cannot copy the font into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString fontFolder;
    QString contactSheet;
    QString only;
    QString icons;
    QString skinFolder;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        QString* value = arg == QLatin1String("--font-dir")        ? &fontFolder
                         : arg == QLatin1String("--contact-sheet") ? &contactSheet
                         : arg == QLatin1String("--only")          ? &only
                         : arg == QLatin1String("--icons")         ? &icons
                                                                   : nullptr;
        if (value == nullptr) {
            if (!skinFolder.isEmpty()) {
                return Usage();
            }
            skinFolder = arg;
        } else if (args.isEmpty()) {
            return Usage();
        } else {
            *value = args.takeFirst();
        }
    }
    if (fontFolder.isEmpty() || skinFolder.isEmpty() == icons.isEmpty()) {
        return Usage();
    }
    if (!tavro::skingen::LoadThemeFonts(fontFolder.toStdString())) {
        std::fprintf(stderr, "skingen: the Inter fonts are missing from %s\n",
                     qPrintable(fontFolder));
        return 1;
    }
    if (!icons.isEmpty()) {
        return WriteIcons(icons);
    }
    if (!contactSheet.isEmpty()) {
        return tavro::skingen::WriteContactSheet(skinFolder.toStdString(), contactSheet, only) ? 0
                                                                                               : 1;
    }
    return WriteSkin(fontFolder.toStdString(), skinFolder.toStdString());
}
