#include "platform/address_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tavro {

QString WebAddress(std::string_view host, std::string_view path) {
    return QStringLiteral("http://") +
           QString::fromUtf8(host.data(), static_cast<qsizetype>(host.size())) +
           QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

void DesktopAddressOpener::Open(const QString& address) {
    // QDesktopServices hands even malformed addresses to a registered handler.
    const QUrl url(address, QUrl::StrictMode);
    if (url.isValid()) {
        QDesktopServices::openUrl(url);
    }
}

}  // namespace tavro
