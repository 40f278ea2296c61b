// A copy of the program reduced to its single-instance guard, for the tests that need
// real processes. Prints "running" and stays until its input closes, or prints "ended"
// and exits with 3; prints "shown" for each wake-up it receives.
#include <QCoreApplication>
#include <QSocketNotifier>

#include <unistd.h>

#include <cstdio>

#include "platform/single_instance_guard.h"

namespace {

constexpr int kEndedExitCode = 3;

void Say(const char* line) {
    std::puts(line);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        return 2;
    }
    tavro::SingleInstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    if (!guard.Acquire()) {
        Say("ended");
        return kEndedExitCode;
    }
    QObject::connect(&guard, &tavro::SingleInstanceGuard::showRequested, [] { Say("shown"); });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[64];
        if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            QCoreApplication::quit();
        }
    });
    Say("running");
    return QCoreApplication::exec();
}
