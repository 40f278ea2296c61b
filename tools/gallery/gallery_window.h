#pragma once

#include <vector>

#include "skin/vok_button.h"
#include "tools/gallery/gallery_page.h"

namespace tavro::gallery {

// The main window's look with its tabs, profile bar and bottom buttons; the tabs switch
// between the gallery's pages. The title shows the last report.
class GalleryWindow : public CVokImageDialog {
    Q_OBJECT

public:
    explicit GalleryWindow(SkinResources& skin);

    const std::vector<GalleryPage*>& pages() const { return pages_; }
    void showPage(int index);

protected:
    void onNotify(int id, int value) override;
    void onCommand(int id) override;

private:
    void log(const QString& line);

    std::vector<CVokButton*> tabs_;
    std::vector<GalleryPage*> pages_;
};

}  // namespace tavro::gallery
