#include "app/support_dlg.h"

#include <QFontMetrics>

#include <string_view>

#include "app/control_placement.h"
#include "app/support_layout.h"
#include "skin/layout_qt.h"
#include "skin/place_control.h"
#include "skin/skin_fonts.h"

namespace tavro {

namespace {

using namespace support_layout;

struct SupportAddress {
    int id;
    std::string_view host;
    std::string_view path;
};

constexpr SupportAddress kAddresses[] = {
    {kFaqButton.id, kSupportSiteHost, "/categories/20013662-frequently-asked-questions"},
    {kOnlineSupportButton.id, kSupportSiteHost, "/home"},
    {kCheckUpdatesButton.id, kHomeSiteHost, "/"},
    {kCheckFirmwareButton.id, kSupportSiteHost, "/categories/20014118-software-manual-downloads"},
};

constexpr int kLabelFontHeight = 13;
constexpr int kSmallestLabelFontHeight = 9;

// The labels' font is 13 pixels high, smaller only where a long version would not fit.
void ShowFitted(CVokStatic& label, const QString& text) {
    int height = kLabelFontHeight;
    while (height > kSmallestLabelFontHeight &&
           QFontMetrics(SkinFont(height)).horizontalAdvance(text) > label.width()) {
        --height;
    }
    label.setFontHeight(height);
    label.setText(text);
    // The label's name is its template caption; what it shows is read as its description.
    label.setAccessibleDescription(text);
}

}  // namespace

CSupportDlg::CSupportDlg(SkinResources& skin, AddressOpener& opener, QWidget* parent)
    : CVokImageDialog(parent), opener_(opener) {
    setBackground(skin.element(123, SkinState::Normal));
    setAccessibleName(QStringLiteral("Support"));
    for (const PlacedControl& button : kButtons) {
        PlaceButton(this, skin, button);
    }
    firmwareLabel_ = PlaceLabel(skin, kFirmwareVersionLabel);
    softwareLabel_ = PlaceLabel(skin, kSoftwareVersionLabel);
    ShowFitted(*softwareLabel_, QStringLiteral(TAVRO_VERSION));
    ShowFitted(*firmwareLabel_, QString::fromLatin1(kNoFirmwareVersion));
}

void CSupportDlg::setFirmwareVersion(const QString& text) {
    ShowFitted(*firmwareLabel_, text);
}

QString CSupportDlg::FirmwareVersionText(uint16_t versionTimes100) {
    return QStringLiteral("%1.%2")
        .arg(versionTimes100 / 100)
        .arg(versionTimes100 % 100, 2, 10, QLatin1Char('0'));
}

void CSupportDlg::onCommand(int id) {
    for (const SupportAddress& address : kAddresses) {
        if (address.id == id) {
            opener_.Open(WebAddress(address.host, address.path));
        }
    }
}

CVokStatic* CSupportDlg::PlaceLabel(SkinResources& skin, const PlacedControl& control) {
    auto* label = CreatePlaced<CVokStatic>(control, this);
    label->setBackgroundImage(skin.element(control, SkinState::Normal));
    return label;
}

}  // namespace tavro
