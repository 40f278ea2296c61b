#include "xvfb_server.h"

#include <QStandardPaths>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace tavro {

namespace {

constexpr int kStartTimeoutMs = 10000;

}  // namespace

XvfbServer::~XvfbServer() {
    if (pid_ != 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

bool XvfbServer::Start(const char* screen) {
    const std::string xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb")).toStdString();
    int ready[2];
    if (xvfb.empty() || pipe(ready) != 0) {
        return false;
    }
    // -displayfd picks a free display and writes its number once the server accepts clients.
    std::vector<std::string> args = {
        xvfb, "-displayfd", std::to_string(ready[1]), "-nolisten", "tcp", "-screen", "0", screen};
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    const bool spawned =
        posix_spawn(&pid_, xvfb.c_str(), nullptr, nullptr, argv.data(), environ) == 0;
    close(ready[1]);
    if (!spawned) {
        pid_ = 0;
        close(ready[0]);
        return false;
    }
    std::string display;
    pollfd wait{ready[0], POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, kStartTimeoutMs) == 1 && read(ready[0], &c, 1) == 1 && c != '\n') {
        display += c;
    }
    close(ready[0]);
    if (display.empty()) {
        return false;
    }
    setenv("DISPLAY", (":" + display).c_str(), 1);
    return true;
}

}  // namespace tavro
