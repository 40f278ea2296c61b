#pragma once

#include <QWidget>

#include <vector>

#include "tools/gallery/gallery_page.h"

namespace tavro::gallery {

// The five pages in tab order, each with every skinned control it places.
std::vector<GalleryPage*> BuildPages(SkinResources& skin, const ReportLog& log, QWidget* parent);

}  // namespace tavro::gallery
