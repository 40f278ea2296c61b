#pragma once

#include <QImage>
#include <QString>

#include "profile/profile_page.h"
#include "skin/vok_image_dialog.h"

namespace tavro {

// A page whose controls are not built yet: its skinned background behind the page
// interface, so that the main window, its tabs and its Apply are complete around it.
// It edits nothing, so it loads and stores nothing.
class PlaceholderPage : public CVokImageDialog, public ProfilePage {
    Q_OBJECT

public:
    PlaceholderPage(const QImage& background, const QString& name, QWidget* parent = nullptr);

    void LoadRecord(const ProfileRecord& /*record*/) override {}
    void StoreRecord(ProfileRecord& /*record*/) override {}
};

}  // namespace tavro
