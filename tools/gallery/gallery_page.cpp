#include "tools/gallery/gallery_page.h"

#include "skin/image_set.h"

namespace tavro::gallery {

GalleryPage::GalleryPage(QString name, SkinResources& skin, ReportLog log, QWidget* parent)
    : CVokImageDialog(parent), name_(std::move(name)), skin_(skin), log_(std::move(log)) {}

FourStateImages GalleryPage::looks(const PlacedControl& control, int states) const {
    const auto look = [&](SkinState state) {
        return static_cast<int>(state) < states ? skin_.element(control, state) : QImage();
    };
    return {look(SkinState::Normal), look(SkinState::Over), look(SkinState::Down),
            look(SkinState::Disable)};
}

void GalleryPage::onNotify(int id, int value) {
    log_(QStringLiteral("%1: report (%2, %3)").arg(name_).arg(id).arg(value));
}

void GalleryPage::onCommand(int id) {
    log_(QStringLiteral("%1: command %2").arg(name_).arg(id));
}

}  // namespace tavro::gallery
