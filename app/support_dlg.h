#pragma once

#include <QString>

#include <cstdint>

#include "platform/address_opener.h"
#include "skin/skin_resources.h"
#include "skin/vok_image_dialog.h"
#include "skin/vok_static.h"

namespace tavro {

// The support page: the program's and the mouse's versions, and four buttons that open
// pages of the maker's sites in the browser. It never talks to the mouse itself: the
// main window tells it the firmware version, when it is created and whenever the mouse
// comes or goes.
class CSupportDlg : public CVokImageDialog {
    Q_OBJECT

public:
    // Shown when there is no mouse to ask.
    static constexpr const char* kNoFirmwareVersion = "-.--";

    CSupportDlg(SkinResources& skin, AddressOpener& opener, QWidget* parent = nullptr);

    void setFirmwareVersion(const QString& text);
    QString firmwareVersion() const { return firmwareLabel_->text(); }
    QString softwareVersion() const { return softwareLabel_->text(); }

    // The version the mouse reports (× 100) as the page shows it: 124 is "1.24".
    static QString FirmwareVersionText(uint16_t versionTimes100);

protected:
    void onCommand(int id) override;

private:
    CVokStatic* PlaceLabel(SkinResources& skin, const PlacedControl& control);

    AddressOpener& opener_;
    CVokStatic* firmwareLabel_;
    CVokStatic* softwareLabel_;
};

}  // namespace tavro
