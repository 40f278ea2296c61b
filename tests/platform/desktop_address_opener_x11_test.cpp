// The real opener on X11, where Qt starts xdg-open: a stand-in xdg-open that notes its
// address and then never finishes, like a browser slow to start, must not hold up Open.
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/address_opener.h"
#include "xvfb_server.h"

namespace tavro {

class DesktopAddressOpenerX11Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("Xvfb is not available");
        }
        QVERIFY(bin_.isValid());
        hold_ = bin_.filePath(QStringLiteral("hold"));
        QVERIFY(mkfifo(QFile::encodeName(hold_).constData(), 0600) == 0);
        QFile opener(bin_.filePath(QStringLiteral("xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write(
            "#!/bin/sh\n"
            "printf '%s' \"$1\" > \"$0.part\" && mv \"$0.part\" \"$0.opened\"\n"
            "read line < \"$(dirname \"$0\")/hold\"\n");
        opener.close();
        QVERIFY(opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("PATH", bin_.path().toLocal8Bit() + ':' + qgetenv("PATH"));
        qunsetenv("BROWSER");
        qunsetenv("DEFAULT_BROWSER");
    }

    void returnsWhileTheBrowserIsStillStarting() {
        DesktopAddressOpener opener;
        const QString address = WebAddress(kHomeSiteHost, "/");
        opener.Open(address);

        QFile opened(bin_.filePath(QStringLiteral("xdg-open.opened")));
        QTRY_VERIFY_WITH_TIMEOUT(opened.exists(), 10000);
        QVERIFY(opened.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(opened.readAll()), address);
    }

    void cleanupTestCase() {
        if (!hold_.isEmpty()) {
            // Lets the stand-in browser finish.
            const int fd = open(QFile::encodeName(hold_).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                close(fd);
            }
        }
    }

private:
    QTemporaryDir bin_;
    QString hold_;
};

}  // namespace tavro

int main(int argc, char** argv) {
    return tavro::RunTestOnXvfb<QGuiApplication, tavro::DesktopAddressOpenerX11Test>(argc, argv);
}

#include "desktop_address_opener_x11_test.moc"
