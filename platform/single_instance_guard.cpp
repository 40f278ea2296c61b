#include "platform/single_instance_guard.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace tavro {

namespace {

constexpr char kShowRequest[] = "show\n";
constexpr char kQuitRequest[] = "quit\n";
constexpr int kWakeTimeoutMs = 1000;
constexpr qint64 kLongestRequest = 64;  // anything longer is not a copy of this program

}  // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& directory, QObject* parent)
    : QObject(parent),
      directory_(directory),
      lock_(QDir(directory).filePath(QStringLiteral("%1.lock").arg(kSingleInstanceName))) {
    // Without native file locks (network file systems) Qt would take a lock older than
    // 30 s for stale even while its holder runs; only a holder that died makes it stale.
    lock_.setStaleLockTime(0);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstanceGuard::ReadRequests);
}

QString SingleInstanceGuard::DefaultDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString SingleInstanceGuard::lockFilePath() const {
    return lock_.fileName();
}

QString SingleInstanceGuard::socketPath() const {
    return QDir(directory_).filePath(QStringLiteral("%1.socket").arg(kSingleInstanceName));
}

bool SingleInstanceGuard::Acquire() {
    SendRequest(kShowRequest);
    if (lock_.tryLock(0)) {
        // We hold the lock, so any socket left behind belongs to a copy that died.
        QLocalServer::removeServer(socketPath());
        Listen();
        return true;
    }
    if (lock_.error() == QLockFile::LockFailedError) {
        return false;
    }
    Listen();
    return true;
}

bool SingleInstanceGuard::RequestQuit() {
    return SendRequest(kQuitRequest);
}

bool SingleInstanceGuard::SendRequest(const char* request) {
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(kWakeTimeoutMs)) {
        return false;
    }
    socket.write(request);
    const bool sent = socket.waitForBytesWritten(kWakeTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(kWakeTimeoutMs);
    }
    return sent;
}

void SingleInstanceGuard::Listen() {
    server_.listen(socketPath());
}

void SingleInstanceGuard::ReadRequests() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto read = [this, socket] {
            if (socket->canReadLine()) {
                const QByteArray line = socket->readLine(kLongestRequest);
                if (line == kShowRequest) {
                    emit showRequested();
                } else if (line == kQuitRequest) {
                    emit quitRequested();
                }
                socket->disconnectFromServer();
            } else if (socket->bytesAvailable() > kLongestRequest) {
                socket->disconnectFromServer();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        read();
    }
}

}  // namespace tavro
