// The real tavro binary as separate processes, offscreen, in temporary folders.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

#include <memory>

#include "platform/single_instance_guard.h"

namespace tavro {
namespace {

constexpr int kDeadlineMs = 20000;

// One copy of the program with its own runtime and data folders.
class Copy {
public:
    Copy(const QTemporaryDir& folders, QStringList arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folders.filePath("runtime"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), folders.filePath("data"));
        process_.setProcessEnvironment(environment);
        process_.setProgram(QStringLiteral(TAVRO_PATH));
        arguments.prepend(QStringLiteral("--simulate=%1").arg(folders.filePath("mouse.state")));
        process_.setArguments(arguments);
    }
    ~Copy() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kDeadlineMs);
        }
    }

    void Start() { process_.start(); }
    bool EndsWith(int exitCode) {
        return process_.waitForFinished(kDeadlineMs) &&
               process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == exitCode;
    }
    QProcess& process() { return process_; }

private:
    QProcess process_;
};

QTemporaryDir* NewFolders() {
    auto* folders = new QTemporaryDir;
    QDir(folders->path()).mkdir(QStringLiteral("runtime"));
    QFile::setPermissions(folders->filePath("runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return folders;
}

QString SocketPath(const QTemporaryDir& folders) {
    return SingleInstanceGuard(folders.filePath("runtime")).socketPath();
}

}  // namespace

class ProgramProcessTest : public QObject {
    Q_OBJECT

private slots:
    void aSecondCopyWakesTheFirstAndEndsSilently() {
        std::unique_ptr<QTemporaryDir> folders(NewFolders());
        SingleInstanceGuard first(folders->filePath("runtime"));
        QSignalSpy shown(&first, &SingleInstanceGuard::showRequested);
        QVERIFY(first.Acquire());

        Copy second(*folders, {});
        second.Start();
        QVERIFY(second.EndsWith(0));
        QVERIFY(shown.count() == 1 || shown.wait(kDeadlineMs));
        QCOMPARE(second.process().readAllStandardOutput(), QByteArray());
        // It ended before touching anything of the user's.
        QVERIFY(!QFile::exists(folders->filePath("data")));
    }

    void quitAndTheSessionEndingEndTheRunningCopyAsExitDoes_data() {
        QTest::addColumn<bool>("bySignal");
        QTest::newRow("tavro --quit") << false;
        QTest::newRow("SIGTERM") << true;
    }
    void quitAndTheSessionEndingEndTheRunningCopyAsExitDoes() {
        QFETCH(bool, bySignal);
        std::unique_ptr<QTemporaryDir> folders(NewFolders());
        Copy running(*folders, {QStringLiteral("--hidden")});
        running.Start();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(SocketPath(*folders)), kDeadlineMs);
        if (bySignal) {
            ::kill(static_cast<pid_t>(running.process().processId()), SIGTERM);
        } else {
            Copy quit(*folders, {QStringLiteral("--quit")});
            quit.Start();
            QVERIFY(quit.EndsWith(0));
        }
        QVERIFY(running.EndsWith(0));
        // The macro library is saved on the way out.
        QVERIFY(QFile::exists(folders->filePath("data/Dravek/TAVRO/Macros/macroList.dat")));
    }

    void quitWithoutARunningCopySaysSo() {
        std::unique_ptr<QTemporaryDir> folders(NewFolders());
        Copy quit(*folders, {QStringLiteral("--quit")});
        quit.Start();
        QVERIFY(quit.EndsWith(1));
        QVERIFY(quit.process().readAllStandardError().contains("no running copy"));
    }
};

}  // namespace tavro

QTEST_GUILESS_MAIN(tavro::ProgramProcessTest)
#include "program_process_test.moc"
