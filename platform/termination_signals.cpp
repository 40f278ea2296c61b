#include "platform/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace tavro {

namespace {

constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};

// The handler may only write to a descriptor; the Qt side reads the other end.
int g_pipe[2] = {-1, -1};
struct sigaction g_previous[kSignals.size()];

void OnSignal(int number) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = write(g_pipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (g_pipe[0] >= 0 ||
        socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_pipe) != 0) {
        return;
    }
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &action, &g_previous[i]);
    }
    notifier_ = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::Drain);
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_) {
        return;
    }
    notifier_.reset();
    for (size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &g_previous[i], nullptr);
    }
    close(g_pipe[0]);
    close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationSignals::Drain() {
    unsigned char byte = 0;
    while (read(g_pipe[0], &byte, 1) == 1) {
        emit received(byte);
    }
}

}  // namespace tavro
