// tavro: the configuration program of the TAVRO gaming mouse.
#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/program_options.h"
#include "platform/single_instance_guard.h"
#include "platform/termination_signals.h"
#include "sim/sim_state_file.h"

namespace {

constexpr int kBadArguments = 2;

// `tavro --quit` needs no display.
int AskRunningCopyToQuit(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (tavro::SingleInstanceGuard().RequestQuit()) {
        return 0;
    }
    std::fprintf(stderr, "tavro: no running copy to end\n");
    return 1;
}

// The simulated mouse's state file is shared with tavroctl: a file that is not one is
// never reset or overwritten.
bool PrepareSimulatedMouse(const tavro::ProgramOptions& options) {
    std::filesystem::path file;
    const tavro::FileResult prepared = tavro::PrepareSimStateFile(options.stateFile, file);
    if (!prepared) {
        std::fprintf(stderr, "tavro: the simulated mouse cannot use %s\n",
                     tavro::Describe(prepared).c_str());
    }
    return prepared.ok();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const tavro::ProgramOptions options = tavro::ParseProgramOptions(arguments);
    if (!options.error.empty()) {
        std::fprintf(stderr, "tavro: %s\n%s", options.error.c_str(), tavro::ProgramUsage().c_str());
        return kBadArguments;
    }
    if (options.help) {
        std::fputs(tavro::ProgramUsage().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("tavro %s\n", TAVRO_VERSION);
        return 0;
    }
    if (options.quit) {
        return AskRunningCopyToQuit(argc, argv);
    }
    if (options.simulate && !PrepareSimulatedMouse(options)) {
        return kBadArguments;
    }

    // Chosen before the application object exists, as Qt reads it there.
    std::vector<char*> qtArguments(argv, argv + argc);
    std::string platformOption = "-platform";
    std::string x11 = "xcb";
    if (tavro::ShouldChooseX11(arguments)) {
        qtArguments.push_back(platformOption.data());
        qtArguments.push_back(x11.data());
    }
    int qtArgumentCount = static_cast<int>(qtArguments.size());
    qtArguments.push_back(nullptr);
    QApplication application(qtArgumentCount, qtArguments.data());
    QApplication::setApplicationName(QStringLiteral("tavro"));
    QApplication::setApplicationVersion(QStringLiteral(TAVRO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("tavro"));
    // The window hides into the tray; closing a message box must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // From here on the session ending is taken in the event loop, not by dying.
    tavro::TerminationSignals termination;

    tavro::SingleInstanceGuard guard;
    if (!guard.Acquire()) {
        return 0;  // the running copy shows itself
    }
    tavro::Program program(options);
    if (!program.usable()) {
        return 1;
    }
    tavro::CTavroDlg& window = program.window();
    QObject::connect(&guard, &tavro::SingleInstanceGuard::showRequested, &window,
                     &tavro::CTavroDlg::ShowWindow);
    QObject::connect(&guard, &tavro::SingleInstanceGuard::quitRequested, &window,
                     &tavro::CTavroDlg::RequestExit);
    QObject::connect(&termination, &tavro::TerminationSignals::received, &window,
                     &tavro::CTavroDlg::RequestExit);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                     &tavro::CTavroDlg::SaveForSessionEnd);
    QObject::connect(&window, &tavro::CTavroDlg::ended, &application, &QCoreApplication::quit);
    program.Show(options.hidden);
    return QApplication::exec();
}
