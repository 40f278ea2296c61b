#include "theme.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

#include <array>
#include <utility>

namespace tavro::skingen {

namespace {

struct Face {
    Weight weight;
    const char* file;
    QString family;
};

std::array<Face, 4>& Faces() {
    static std::array<Face, 4> faces{{
        {Weight::Regular, "Inter-Regular.otf", {}},
        {Weight::Medium, "Inter-Medium.otf", {}},
        {Weight::SemiBold, "Inter-SemiBold.otf", {}},
        {Weight::Bold, "Inter-Bold.otf", {}},
    }};
    return faces;
}

QFont::Weight QtWeight(Weight weight) {
    switch (weight) {
        case Weight::Regular:
            return QFont::Normal;
        case Weight::Medium:
            return QFont::Medium;
        case Weight::SemiBold:
            return QFont::DemiBold;
        case Weight::Bold:
            return QFont::Bold;
    }
    return QFont::Normal;
}

}  // namespace

QColor Colour(QRgb argb) {
    return QColor::fromRgba(argb);
}

QColor WithAlpha(QRgb argb, int alpha) {
    QColor colour = QColor::fromRgba(argb);
    colour.setAlpha(alpha);
    return colour;
}

bool LoadThemeFonts(const std::filesystem::path& fontFolder) {
    for (Face& face : Faces()) {
        const std::filesystem::path path = fontFolder / face.file;
        const int id = QFontDatabase::addApplicationFont(
            QFile::decodeName(QByteArray::fromStdString(path.native())));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty()) {
            return false;
        }
        face.family = families.first();
    }
    return true;
}

QFont ThemeFont(int pixelSize, Weight weight, qreal letterSpacing) {
    QFont font(Faces()[static_cast<int>(weight)].family);
    font.setPixelSize(pixelSize);
    font.setWeight(QtWeight(weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    if (letterSpacing != 0) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    }
    return font;
}

}  // namespace tavro::skingen
