#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

namespace tavro {

// Host names of the maker's sites, configuration values of the program.
inline constexpr char kSupportSiteHost[] = "support.dravek.example";
inline constexpr char kHomeSiteHost[] = "www.dravek.example";

// The plain-http address of a path on one of the sites, e.g. WebAddress(kHomeSiteHost, "/").
QString WebAddress(std::string_view host, std::string_view path);

// "Open address": hands an address to the desktop's browser. Never waits for the
// browser and reports nothing when it cannot be opened.
class AddressOpener {
public:
    virtual ~AddressOpener() = default;
    virtual void Open(const QString& address) = 0;
};

// Through QDesktopServices, which starts the desktop's opener (xdg-open, or the desktop
// portal) as a detached process, so the user-interface thread goes on at once. Tests
// intercept it with QDesktopServices::setUrlHandler.
class DesktopAddressOpener : public AddressOpener {
public:
    void Open(const QString& address) override;
};

// For tests of the pages: remembers the addresses and opens nothing.
class RecordingAddressOpener : public AddressOpener {
public:
    void Open(const QString& address) override { opened_.append(address); }
    const QStringList& opened() const { return opened_; }

private:
    QStringList opened_;
};

}  // namespace tavro
