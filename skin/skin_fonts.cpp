#include "skin/skin_fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

#include "skin/skin_files.h"

namespace tavro {

namespace {

QFont FontOfFace(const char* face, int pixelHeight) {
    QFont font(QString::fromLatin1(face));
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace

bool RegisterSkinFont(const std::filesystem::path& skinFolder) {
    static bool registered = false;
    if (!QFontDatabase::hasFamily(QString::fromLatin1(kControlFontFace))) {
        QFont::insertSubstitution(QString::fromLatin1(kControlFontFace),
                                  QString::fromLatin1(kControlFontFallback));
    }
    if (registered) {
        return true;
    }
    const std::filesystem::path file = skinFolder / kSkinFontFile;
    const int id = QFontDatabase::addApplicationFont(
        QFile::decodeName(QByteArray::fromStdString(file.native())));
    if (id < 0) {
        return false;
    }
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        return false;
    }
    QFont::insertSubstitution(QString::fromLatin1(kSkinFontFace), families.first());
    registered = true;
    return true;
}

QFont SkinFont(int pixelHeight) {
    return FontOfFace(kSkinFontFace, pixelHeight);
}

QFont ControlFont(int pixelHeight) {
    return FontOfFace(kControlFontFace, pixelHeight);
}

}  // namespace tavro
