// A developer's tool: every skinned control on the pages' backgrounds, to try them by
// hand. With --screenshots DIR it writes each page, and the pages with their pop-ups
// open, as PNGs and quits.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>

#include <cstdio>

#include "buttons/vok_combo_button.h"
#include "buttons/zvr_combo_button.h"
#include "lighting/vok_cbn_color_button.h"
#include "sensor/vok_slider_ctrl_3d.h"
#include "skin/skin_fonts.h"
#include "skin/skin_resources.h"
#include "skin/skinned_menu.h"
#include "skin/vok_button.h"
#include "tools/capture/window_capture.h"
#include "tools/gallery/gallery_window.h"

namespace {

using tavro::capture::Click;
using tavro::capture::GrabWithPopUps;
using tavro::capture::SendPointer;
using tavro::gallery::GalleryWindow;

void SendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QCoreApplication::sendEvent(&widget, &release);
}

// Gives `widget` the focus as Tab would, so that it shows its focus mark.
void TabTo(QWidget& widget) {
    widget.setFocus(Qt::TabFocusReason);
}

// Points at the entry with `code` of `menu`, as the pointer would.
void HoverEntry(tavro::SkinnedMenu& menu, int code) {
    const tavro::MenuItem* entry = menu.findEntry(code);
    SendPointer(menu, QEvent::MouseMove, QPoint(entry->rect.centerX(), entry->rect.centerY()));
}

void Save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path =
        folder.filePath(QString(name).replace(u' ', u'-') + QStringLiteral(".png"));
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
}

void WriteScreenshots(GalleryWindow& window, const QDir& folder) {
    window.show();
    // The focus marks need the window active.
    window.activateWindow();
    QCoreApplication::processEvents();
    const auto& pages = window.pages();
    for (int index = 0; index < static_cast<int>(pages.size()); ++index) {
        window.showPage(index);
        Save(window.grab().toImage(), folder, pages[index]->name());
    }

    window.showPage(0);
    auto* functions = pages[0]->findChild<tavro::CVokComboButton*>();
    Click(*functions);
    HoverEntry(*functions->menu(), 8);
    HoverEntry(*functions->menu()->subMenu(8), 101);
    Save(GrabWithPopUps(window), folder, pages[0]->name() + QStringLiteral(" menu"));
    functions->menu()->hideMenu();

    window.showPage(1);
    auto* angleSnap = pages[1]->findChild<tavro::CZVRComboButton*>();
    Click(*angleSnap);
    HoverEntry(*angleSnap->menu(), 7);
    Save(GrabWithPopUps(window), folder, pages[1]->name() + QStringLiteral(" menu"));
    angleSnap->menu()->hideMenu();

    window.showPage(4);
    auto* language =
        window.findChild<tavro::CVokComboButton*>(QString(), Qt::FindDirectChildrenOnly);
    Click(*language);
    HoverEntry(*language->menu(), 6);
    Save(GrabWithPopUps(window), folder, QStringLiteral("language menu"));
    language->menu()->hideMenu();

    window.showPage(2);
    auto* swatch = pages[2]->findChild<tavro::CVokCbnColorButton*>();
    Click(*swatch);
    Save(GrabWithPopUps(window), folder, pages[2]->name() + QStringLiteral(" panel"));
    Click(*swatch);

    // From the keyboard: a drop-down opened with Alt+Down and moved with Down, a thumb
    // of a DPI slider, a palette button, a swatch's panel.
    window.showPage(0);
    TabTo(*functions);
    SendKey(*functions, Qt::Key_Down, Qt::AltModifier);
    SendKey(*functions, Qt::Key_Down);
    Save(GrabWithPopUps(window), folder, pages[0]->name() + QStringLiteral(" keyboard"));
    SendKey(*functions, Qt::Key_Escape);
    window.showPage(1);
    auto* dpi = pages[1]->findChild<tavro::CVokSliderCtrl3D*>();
    TabTo(*dpi);
    SendKey(*dpi, Qt::Key_Tab);
    Save(window.grab().toImage(), folder, pages[1]->name() + QStringLiteral(" keyboard"));
    window.showPage(2);
    TabTo(*pages[2]->findChild<tavro::CVokButton*>());
    Save(window.grab().toImage(), folder, pages[2]->name() + QStringLiteral(" keyboard"));
    TabTo(*swatch);
    SendKey(*swatch, Qt::Key_Space);
    SendKey(*swatch, Qt::Key_Right);
    SendKey(*swatch, Qt::Key_Down);
    Save(GrabWithPopUps(window), folder, pages[2]->name() + QStringLiteral(" keyboard panel"));
    SendKey(*swatch, Qt::Key_Escape);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tavro::SkinResources& skin = tavro::SkinResources::Shared();
    tavro::RegisterSkinFont(skin.folder());
    GalleryWindow window(skin);
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
    WriteScreenshots(window, folder);
    return 0;
}
