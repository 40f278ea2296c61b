// Renders the program's main window, as it starts with the simulated mouse and no files
// of its own, into PNG files for the README and for reviewing the look:
//   tavro-screenshot OUT_FOLDER
// writes main-window.png (as it opens, on the mouse settings tab), one PNG per other tab
// and one with the Language menu open. Runs without a display (QT_QPA_PLATFORM=offscreen).
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>

#include "app/main_window_layout.h"
#include "app/tavro_dlg.h"
#include "platform/desktop_pointer_settings.h"
#include "sim/sim_backend.h"
#include "tools/capture/window_capture.h"

namespace {

using namespace tavro;

// Clicks the window's control at the centre of `rect`, as the pointer would.
void ClickAt(QWidget& window, const LayoutRect& rect) {
    capture::Click(*window.childAt(QPoint(rect.centerX(), rect.centerY())));
}

bool Save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!image.save(path)) {
        std::fprintf(stderr, "tavro-screenshot: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // A first start: no profile files, no macros.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavro-screenshot OUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));

    SimMouse mouse;
    SimHidBackend backend(mouse);
    ThreadSleeper sleeper;
    DeviceLink link(backend, sleeper);
    auto pointerSettings = CreatePointerSettings(DesktopKind::kOther);
    DesktopAddressOpener opener;
    CTavroDlg window(TavroServices{
        .skin = SkinResources::Shared(),
        .link = link,
        .pointerSettings = *pointerSettings,
        .addressOpener = opener,
        .showMessage = [](QWidget*, const QString&) {},
    });
    if (SkinResources::Shared().failed()) {
        return 1;
    }
    window.show();
    window.deviceWorker().WaitUntilIdle();

    bool saved = Save(capture::GrabWithPopUps(window), folder, QStringLiteral("main-window"));
    const char* names[] = {"", "tab-sensor", "tab-lighting", "tab-macros", "tab-support"};
    for (size_t tab = 1; tab < main_window_layout::kTabs.size(); ++tab) {
        ClickAt(window, main_window_layout::kTabs[tab].rect);
        saved =
            Save(capture::GrabWithPopUps(window), folder, QString::fromLatin1(names[tab])) && saved;
    }
    ClickAt(window, main_window_layout::kLanguageButton.rect);
    saved = Save(capture::GrabWithPopUps(window), folder, QStringLiteral("language-menu")) && saved;
    return saved ? 0 : 1;
}
