#include <QTest>

#include "app/support_dlg.h"
#include "app/support_layout.h"
#include "tests/support/generated_skin.h"

namespace tavro {
namespace {

using testing::GeneratedSkin;
using testing::PlacedChild;

}  // namespace

class SupportDlgTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheVersionsAndNoFirmwareUntilToldOne() {
        RecordingAddressOpener opener;
        CSupportDlg page(GeneratedSkin(), opener);
        QCOMPARE(page.size(), QSize(783, 349));
        QCOMPARE(page.softwareVersion(), QStringLiteral("1.24"));
        QCOMPARE(page.firmwareVersion(), QStringLiteral("-.--"));
        page.setFirmwareVersion(CSupportDlg::FirmwareVersionText(131));
        QCOMPARE(PlacedChild<CVokStatic>(page, support_layout::kFirmwareVersionLabel)->text(),
                 QStringLiteral("1.31"));
        QCOMPARE(
            PlacedChild<CVokStatic>(page, support_layout::kFirmwareVersionLabel)->accessibleName(),
            QStringLiteral("Firm Version"));
    }

    void firmwareVersionsReadAsHundredths_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("the version of the simulated mouse") << 124 << QStringLiteral("1.24");
        QTest::newRow("a single hundredth keeps its zero") << 5 << QStringLiteral("0.05");
        QTest::newRow("ten and more") << 1000 << QStringLiteral("10.00");
        QTest::newRow("a failed read counts as 0") << 0 << QStringLiteral("0.00");
        QTest::newRow("the largest value") << 65535 << QStringLiteral("655.35");
    }
    void firmwareVersionsReadAsHundredths() {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(CSupportDlg::FirmwareVersionText(static_cast<uint16_t>(value)), text);
    }

    void theButtonsOpenTheirAddresses() {
        RecordingAddressOpener opener;
        CSupportDlg page(GeneratedSkin(), opener);
        page.show();
        using namespace support_layout;
        for (const PlacedControl& button : {kFaqButton, kOnlineSupportButton, kCheckUpdatesButton,
                                            kCheckFirmwareButton, kFaqButton}) {
            const QPoint centre(button.rect.centerX(), button.rect.centerY());
            QWidget* target = page.childAt(centre);
            QVERIFY(target != nullptr);
            QCOMPARE(target->accessibleName(), QString::fromUtf8(button.caption));
            QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&page, centre));
        }
        const QString faq =
            WebAddress(kSupportSiteHost, "/categories/20013662-frequently-asked-questions");
        const QStringList expected = {
            faq,
            WebAddress(kSupportSiteHost, "/home"),
            WebAddress(kHomeSiteHost, "/"),
            WebAddress(kSupportSiteHost, "/categories/20014118-software-manual-downloads"),
            faq,
        };
        QCOMPARE(opener.opened(), expected);
    }

    void aLongVersionStillFitsItsLabel() {
        RecordingAddressOpener opener;
        CSupportDlg page(GeneratedSkin(), opener);
        CVokStatic* label = PlacedChild<CVokStatic>(page, support_layout::kFirmwareVersionLabel);
        for (const QString& text :
             {QStringLiteral("1.24"), QStringLiteral("10.00"), QStringLiteral("-.--")}) {
            page.setFirmwareVersion(text);
            QImage drawn(label->size(), QImage::Format_ARGB32);
            drawn.fill(Qt::transparent);
            label->render(&drawn);
            // Nothing of the text is cut at the right edge: the last column is background.
            const QImage background =
                GeneratedSkin().element(support_layout::kFirmwareVersionLabel, SkinState::Normal);
            for (int y = 0; y < drawn.height(); ++y) {
                QCOMPARE(drawn.pixel(drawn.width() - 1, y),
                         background.pixel(background.width() - 1, y));
            }
        }
    }
};

}  // namespace tavro

QTEST_MAIN(tavro::SupportDlgTest)
#include "support_dlg_test.moc"
