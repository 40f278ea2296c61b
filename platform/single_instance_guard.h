#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace tavro {

// Name of the single-instance lock, after which its lock file and wake-up socket are named.
inline constexpr char kSingleInstanceName[] = "DRAVEK TAVRO Config";

// Keeps one copy of the program running per user. A second copy first asks the running
// one to show its window, then tests the lock, and ends silently if it is held.
class SingleInstanceGuard : public QObject {
    Q_OBJECT

public:
    // directory holds the lock file and the socket; by default the user's runtime folder.
    explicit SingleInstanceGuard(const QString& directory = DefaultDirectory(),
                                 QObject* parent = nullptr);

    static QString DefaultDirectory();

    // Wakes a running copy, then takes the lock. False when another copy holds it: this
    // copy should end without showing anything. When the lock cannot be made at all
    // (an unwritable folder) the program runs without the guarantee.
    bool Acquire();

    // Asks a running copy to end as its tray menu's "Exit" does, without taking the
    // lock; false when no copy answered.
    bool RequestQuit();

    QString lockFilePath() const;
    QString socketPath() const;

signals:
    // Another copy asked this one to show its window.
    void showRequested();
    // Another copy asked this one to end.
    void quitRequested();

private:
    bool SendRequest(const char* request);
    void Listen();
    void ReadRequests();

    QString directory_;
    QLockFile lock_;
    QLocalServer server_;
};

}  // namespace tavro
