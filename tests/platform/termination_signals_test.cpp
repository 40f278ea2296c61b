#include <QSignalSpy>
#include <QTest>

#include <signal.h>

#include "platform/termination_signals.h"

namespace tavro {
namespace {

volatile sig_atomic_t g_earlierHandlerCalls = 0;

void EarlierHandler(int) {
    g_earlierHandlerCalls = g_earlierHandlerCalls + 1;
}

}  // namespace

class TerminationSignalsTest : public QObject {
    Q_OBJECT

private slots:
    void eachSignalArrivesOnTheQtThreadAndTheEarlierHandlerReturns() {
        struct sigaction earlier = {};
        earlier.sa_handler = EarlierHandler;
        sigemptyset(&earlier.sa_mask);
        for (int number : {SIGTERM, SIGHUP, SIGINT}) {
            sigaction(number, &earlier, nullptr);
        }
        {
            TerminationSignals watcher;
            QVERIFY(watcher.isActive());
            QVERIFY(!TerminationSignals().isActive());  // one at a time
            QSignalSpy received(&watcher, &TerminationSignals::received);
            for (int number : {SIGTERM, SIGHUP, SIGINT}) {
                raise(number);
            }
            QTRY_COMPARE(received.count(), 3);
            QCOMPARE(received.at(0).at(0).toInt(), SIGTERM);
            QCOMPARE(received.at(2).at(0).toInt(), SIGINT);
            QCOMPARE(int(g_earlierHandlerCalls), 0);
        }
        raise(SIGTERM);
        QCOMPARE(int(g_earlierHandlerCalls), 1);
        signal(SIGTERM, SIG_DFL);
        signal(SIGHUP, SIG_DFL);
        signal(SIGINT, SIG_DFL);
    }
};

}  // namespace tavro

QTEST_GUILESS_MAIN(tavro::TerminationSignalsTest)
#include "termination_signals_test.moc"
