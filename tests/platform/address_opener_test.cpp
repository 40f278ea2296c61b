#include <QDesktopServices>
#include <QTest>
#include <QUrl>

#include "platform/address_opener.h"

namespace tavro {

// Takes the place of the desktop's browser.
class BrowserStandIn : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class AddressOpenerTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser_, "open"); }
    void cleanup() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        browser_.opened.clear();
    }

    void buildsPlainHttpAddressesOnTheConfiguredHosts() {
        QCOMPARE(WebAddress(kSupportSiteHost, "/home"),
                 QStringLiteral("http://support.dravek.example/home"));
        QCOMPARE(WebAddress(kHomeSiteHost, "/"), QStringLiteral("http://www.dravek.example/"));
    }

    void handsTheAddressToTheBrowserEachTime() {
        DesktopAddressOpener opener;
        const QString faq =
            WebAddress(kSupportSiteHost, "/categories/20013662-frequently-asked-questions");
        opener.Open(faq);
        opener.Open(faq);
        QCOMPARE(browser_.opened, (QList<QUrl>{QUrl(faq), QUrl(faq)}));
    }

    void anAddressThatCannotBeOpenedIsDroppedSilently() {
        DesktopAddressOpener opener;
        opener.Open(QString());
        opener.Open(QStringLiteral("http://exa mple/%zz"));
        QCOMPARE(browser_.opened, QList<QUrl>{});
    }

    void theRecordingOpenerOpensNothing() {
        RecordingAddressOpener opener;
        opener.Open(QStringLiteral("http://www.dravek.example/"));
        QCOMPARE(opener.opened(), QStringList{QStringLiteral("http://www.dravek.example/")});
        QVERIFY(browser_.opened.isEmpty());
    }

private:
    BrowserStandIn browser_;
};

}  // namespace tavro

QTEST_MAIN(tavro::AddressOpenerTest)
#include "address_opener_test.moc"
