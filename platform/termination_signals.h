#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

namespace tavro {

// Turns SIGTERM, SIGHUP and SIGINT (the session ending, the terminal going away,
// Ctrl+C) into received() on the Qt thread, so that the program can end as its "Exit"
// does rather than die with unsaved work. One may exist at a time; the signals' earlier
// handlers come back when it goes.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // False when the handlers could not be installed.
    bool isActive() const { return notifier_ != nullptr; }

signals:
    void received(int signalNumber);

private:
    void Drain();

    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tavro
