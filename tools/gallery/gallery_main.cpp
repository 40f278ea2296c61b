// A developer's tool: every skinned control on the pages' backgrounds, to try them by
// hand. With --screenshots DIR it writes each page as a PNG and quits.
#include <QApplication>
#include <QDir>
#include <QImage>

#include <cstdio>

#include "skin/skin_fonts.h"
#include "skin/skin_resources.h"
#include "tools/gallery/gallery_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tavro::SkinResources& skin = tavro::SkinResources::Shared();
    tavro::RegisterSkinFont(skin.folder());
    tavro::gallery::GalleryWindow window(skin);
    if (skin.failed()) {
        return 1;
    }
    const QStringList arguments = QApplication::arguments();
    const qsizetype option = arguments.indexOf(QStringLiteral("--screenshots"));
    if (option < 0) {
        window.show();
        return QApplication::exec();
    }
    if (option + 1 >= arguments.size()) {
        std::fprintf(stderr, "usage: tavro-gallery [--screenshots DIR]\n");
        return 2;
    }
    const QDir folder(arguments.at(option + 1));
    folder.mkpath(QStringLiteral("."));
    for (int index = 0; index < static_cast<int>(window.pages().size()); ++index) {
        window.showPage(index);
        const QString name = QString(window.pages()[index]->name()).replace(u' ', u'-');
        window.grab().toImage().save(folder.filePath(name + QStringLiteral(".png")));
    }
    return 0;
}
