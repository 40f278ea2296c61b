#include <QDateTime>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "platform/single_instance_guard.h"

namespace tavro {
namespace {

constexpr int kDeadlineMs = 10000;
constexpr int kEndedExitCode = 3;

// One copy of the program, as a separate process.
class Copy {
public:
    explicit Copy(const QString& directory) {
        process_.setProgram(QStringLiteral(TAVRO_PROBE_PATH));
        process_.setArguments({directory});
    }
    ~Copy() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kDeadlineMs);
        }
    }

    void Start() { process_.start(); }
    // "running" or "ended"; empty when the copy said nothing in time.
    QByteArray FirstLine() { return NextLine(); }
    QByteArray NextLine() {
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(kDeadlineMs)) {
                return {};
            }
        }
        return process_.readLine().trimmed();
    }
    bool EndsWith(int exitCode) {
        return process_.waitForFinished(kDeadlineMs) &&
               process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == exitCode;
    }
    void Quit() { process_.closeWriteChannel(); }
    void Kill() {
        process_.kill();
        process_.waitForFinished(kDeadlineMs);
    }

private:
    QProcess process_;
};

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void secondCopyWakesTheFirstAndEnds() {
        QTemporaryDir directory;
        SingleInstanceGuard first(directory.path());
        QSignalSpy shown(&first, &SingleInstanceGuard::showRequested);
        QVERIFY(first.Acquire());

        SingleInstanceGuard second(directory.path());
        QSignalSpy secondShown(&second, &SingleInstanceGuard::showRequested);
        QVERIFY(!second.Acquire());
        QVERIFY(shown.wait(kDeadlineMs));
        QCOMPARE(shown.count(), 1);
        QCOMPARE(secondShown.count(), 0);
    }

    void aLongRunningCopyKeepsItsLock() {
        QTemporaryDir directory;
        SingleInstanceGuard first(directory.path());
        QVERIFY(first.Acquire());
        QFile lock(first.lockFilePath());
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                 QFileDevice::FileModificationTime));
        lock.close();

        SingleInstanceGuard second(directory.path());
        QVERIFY(!second.Acquire());
    }

    void wakesWhateverListensBeforeTestingTheLock() {
        QTemporaryDir directory;
        SingleInstanceGuard guard(directory.path());
        QLocalServer listener;  // a copy that has its socket but not the lock
        QVERIFY(listener.listen(guard.socketPath()));

        QVERIFY(guard.Acquire());

        QVERIFY(listener.waitForNewConnection(kDeadlineMs));
        QLocalSocket* request = listener.nextPendingConnection();
        QTRY_VERIFY_WITH_TIMEOUT(request->canReadLine(), kDeadlineMs);
        QCOMPARE(request->readLine(), QByteArray("show\n"));
    }

    void strangersOnTheSocketAreIgnored() {
        QTemporaryDir directory;
        SingleInstanceGuard guard(directory.path());
        QSignalSpy shown(&guard, &SingleInstanceGuard::showRequested);
        QVERIFY(guard.Acquire());

        for (const QByteArray& message : {QByteArray("hello\n"), QByteArray(4096, 'x'),
                                          QByteArray("show"), QByteArray("show\n")}) {
            QLocalSocket stranger;
            stranger.connectToServer(guard.socketPath());
            QVERIFY(stranger.waitForConnected(kDeadlineMs));
            stranger.write(message);
            QVERIFY(stranger.waitForBytesWritten(kDeadlineMs));
            stranger.disconnectFromServer();
        }
        QVERIFY(shown.wait(kDeadlineMs));
        QCOMPARE(shown.count(), 1);
    }

    void aKilledCopyLeavesNothingInTheWay() {
        QTemporaryDir directory;
        SingleInstanceGuard guard(directory.path());
        {
            Copy killed(directory.path());
            killed.Start();
            QCOMPARE(killed.FirstLine(), QByteArray("running"));
            killed.Kill();
        }
        QVERIFY(QFile::exists(guard.lockFilePath()));
        QVERIFY(QFile::exists(guard.socketPath()));

        QSignalSpy shown(&guard, &SingleInstanceGuard::showRequested);
        QVERIFY(guard.Acquire());
        Copy late(directory.path());
        late.Start();
        QCOMPARE(late.FirstLine(), QByteArray("ended"));
        QVERIFY(late.EndsWith(kEndedExitCode));
        QVERIFY(shown.wait(kDeadlineMs));
    }

    void ofTwoCopiesStartedTogetherExactlyOneRuns() {
        for (int round = 0; round < 5; ++round) {
            QTemporaryDir directory;
            Copy a(directory.path());
            Copy b(directory.path());
            a.Start();
            b.Start();
            const QByteArray first = a.FirstLine();
            const QByteArray second = b.FirstLine();
            QVERIFY2((first == "running" && second == "ended") ||
                         (first == "ended" && second == "running"),
                     first + " / " + second);
            Copy& winner = first == "running" ? a : b;
            Copy& loser = first == "running" ? b : a;
            QVERIFY(loser.EndsWith(kEndedExitCode));

            // The survivor is still the one: a third copy wakes it and ends.
            Copy third(directory.path());
            third.Start();
            QCOMPARE(third.FirstLine(), QByteArray("ended"));
            QCOMPARE(winner.NextLine(), QByteArray("shown"));
            winner.Quit();
            QVERIFY(winner.EndsWith(0));
        }
    }

    void aQuitRequestEndsTheRunningCopyAndTakesNoLock() {
        QTemporaryDir directory;
        SingleInstanceGuard running(directory.path());
        QSignalSpy quit(&running, &SingleInstanceGuard::quitRequested);
        QSignalSpy shown(&running, &SingleInstanceGuard::showRequested);
        QVERIFY(running.Acquire());

        SingleInstanceGuard asking(directory.path());
        QVERIFY(asking.RequestQuit());
        QVERIFY(quit.wait(kDeadlineMs));
        QCOMPARE(shown.count(), 0);

        QTemporaryDir empty;
        QVERIFY(!SingleInstanceGuard(empty.path()).RequestQuit());
    }

    void runsWithoutTheGuaranteeWhereNoLockCanBeMade() {
        SingleInstanceGuard guard(QStringLiteral("/nonexistent/tavro"));
        QVERIFY(guard.Acquire());
    }
};

}  // namespace tavro

QTEST_GUILESS_MAIN(tavro::SingleInstanceTest)
#include "single_instance_test.moc"
