#include "skin/skin_resources.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QMetaObject>

#include <cstdio>
#include <memory>
#include <utility>

#include "skin/layout_qt.h"
#include "skin/skin_folder.h"
#include "skin/skin_image_file.h"

namespace tavro {

namespace {

std::filesystem::path& SharedFolderChoice() {
    static std::filesystem::path folder;
    return folder;
}

}  // namespace

void ShowLoadFailureAndQuit(const char* message) {
    // A message box needs a widget application; tools without one get the text only.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        QMessageBox::critical(nullptr, QStringLiteral("TAVRO"), QString::fromUtf8(message));
    } else {
        std::fprintf(stderr, "%s\n", message);
    }
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
    }
}

SkinResources::SkinResources(std::filesystem::path folder)
    : folder_(std::move(folder)), failureHandler_(ShowLoadFailureAndQuit) {}

SkinResources& SkinResources::Shared() {
    static const std::unique_ptr<SkinResources> shared = [] {
        std::filesystem::path folder = SharedFolderChoice();
        return std::make_unique<SkinResources>(folder.empty() ? SkinFolder() : folder);
    }();
    return *shared;
}

void SkinResources::UseSharedFolder(std::filesystem::path folder) {
    SharedFolderChoice() = std::move(folder);
}

void SkinResources::setFailureHandler(FailureHandler handler) {
    failureHandler_ = std::move(handler);
}

void SkinResources::ensureLoaded() {
    if (loaded_) {
        return;
    }
    // Set first, so that a file that failed is never tried again.
    loaded_ = true;
    for (int slot = 0; slot < kSkinFileCount; ++slot) {
        images_[slot] = LoadImageFile(folder_ / kSkinFileNames[slot]);
    }
}

const QImage& SkinResources::image(SkinFile file) {
    ensureLoaded();
    return images_[static_cast<int>(file)];
}

QImage SkinResources::element(int number, SkinState state, const QRect& rect) {
    ensureLoaded();
    const ElementSource source = ResolveElement(number, state);
    const QImage& sheet = images_[static_cast<int>(source.file)];
    switch (source.kind) {
        case ElementKind::Shared:
            return sheet;
        case ElementKind::Copy:
            return sheet.copy();
        case ElementKind::Cut:
            return cut(sheet, rect);
        case ElementKind::Failure:
            break;
    }
    return fail();
}

QImage SkinResources::element(const PlacedControl& control, SkinState state) {
    return element(control.element, state, ToQRect(control.rect));
}

QImage SkinResources::cut(const QImage& source, const QRect& rect) {
    if (source.isNull()) {
        return fail();
    }
    return source.copy(rect);
}

QImage SkinResources::fail() {
    ++failureCount_;
    if (failureHandler_) {
        failureHandler_(kLoadFailedMessage);
    }
    return {};
}

}  // namespace tavro
