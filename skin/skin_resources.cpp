#include "skin/skin_resources.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
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

SkinResources::SkinResources(std::filesystem::path folder, int pixelRatio)
    : folder_(std::move(folder)),
      pixelRatio_(pixelRatio),
      failureHandler_(ShowLoadFailureAndQuit) {}

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

int SkinResources::pixelRatio() {
    if (pixelRatio_ == 0) {
        // The screen with the densest pixels decides; fractional ratios look sharper
        // drawn down from the 2× set than up from the 1× set.
        const bool dense = qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0;
        pixelRatio_ = dense ? kHiDpiScale : 1;
    }
    return pixelRatio_;
}

QImage SkinResources::load(std::string_view fileName) {
    if (pixelRatio() != 1) {
        QImage scaled = LoadImageFile(folder_ / ScaledFileName(fileName, pixelRatio()));
        if (!scaled.isNull()) {
            scaled.setDevicePixelRatio(pixelRatio());
            return scaled;
        }
    }
    return LoadImageFile(folder_ / fileName);
}

const QImage& SkinResources::image(SkinFile file) {
    const int slot = static_cast<int>(file);
    if (!read_[slot]) {
        // Marked first, so that a file that failed is never tried again.
        read_[slot] = true;
        images_[slot] = load(kSkinFileNames[slot]);
    }
    return images_[slot];
}

QImage SkinResources::picture(std::string_view fileName) {
    return load(fileName);
}

QImage SkinResources::element(int number, SkinState state, const QRect& rect) {
    const ElementSource source = ResolveElement(number, state);
    if (source.kind == ElementKind::Failure) {
        return fail();
    }
    const QImage& sheet = image(source.file);
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
    const qreal ratio = source.devicePixelRatio();
    return source.copy(
        QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio).toAlignedRect());
}

QImage SkinResources::fail() {
    ++failureCount_;
    if (failureHandler_) {
        failureHandler_(kLoadFailedMessage);
    }
    return {};
}

}  // namespace tavro
