#include "tools/tavroctl/mouse_session.h"

#include <cerrno>
#include <cstdio>
#include <vector>

#include "platform/hidapi_backend.h"
#include "sim/sim_state_file.h"
#include "tools/tavroctl/exit_codes.h"

namespace tavroctl {
namespace {

// A machine without the mouse, so that tests never meet a real one.
class AbsentBackend final : public tavro::HidBackend {
public:
    std::vector<tavro::HidInterfaceInfo> ListInterfaces() override { return {}; }
    tavro::HidResult<std::unique_ptr<tavro::HidDevice>> Open(const std::string&) override {
        return tavro::HidError{ENODEV, "no such device"};
    }
};

}  // namespace

MouseSession::MouseSession(const CommandLine& line) : line_(line) {
    std::filesystem::path file;
    if (line.simulate) {
        const std::optional<std::filesystem::path> named =
            line.stateFile ? std::optional<std::filesystem::path>(*line.stateFile) : std::nullopt;
        stateFile_ = tavro::PrepareSimStateFile(named, file);
    }
    if (line.simulate && stateFile_) {
        simMouse_ = std::make_unique<tavro::SimMouse>(file);
        backend_ = std::make_unique<tavro::SimHidBackend>(*simMouse_);
    } else if (line.simulate || line.simulateAbsent) {
        backend_ = std::make_unique<AbsentBackend>();
    } else {
        backend_ = std::make_unique<tavro::HidapiBackend>();
    }
    if (line.trace) {
        tracer_ = std::make_unique<tavro::TracingBackend>(*backend_, [](std::string_view text) {
            std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
        });
    }
    link_ = std::make_unique<tavro::DeviceLink>(backend(), sleeper_);
}

MouseSession::~MouseSession() = default;

int MouseSession::StateFileProblem() const {
    if (stateFile_) {
        return kExitOk;
    }
    std::fprintf(stderr, "%s\n", StateFileMessage(stateFile_).c_str());
    return kExitUsage;
}

int MouseSession::Search() {
    if (const int problem = StateFileProblem(); problem != kExitOk) {
        return problem;
    }
    if (link_->FindDevice()) {
        return kExitOk;
    }
    std::fprintf(stderr, "%s\n", SearchFailureMessage(link_->LastSearch()).c_str());
    return kExitNoMouse;
}

int MouseSession::Connect() {
    if (const int found = Search(); found != kExitOk) {
        return found;
    }
    exchangeLock_ = link_->LockExchanges(std::chrono::seconds(line_.lockWaitSeconds));
    if (!exchangeLock_) {
        const std::string waited = line_.lockWaitSeconds > 0
                                       ? " (waited " + std::to_string(line_.lockWaitSeconds) + " s)"
                                       : "";
        std::fprintf(stderr,
                     "tavroctl: the TAVRO mouse is busy: another program is exchanging with "
                     "it%s; try again once it is done\n",
                     waited.c_str());
        return kExitFailed;
    }
    return kExitOk;
}

tavro::SimMouse* MouseSession::SimulatedState(int& exitCode) {
    if (!line_.simulate) {
        std::fprintf(stderr,
                     "tavroctl %s: works on the simulated mouse's state only: add "
                     "--simulate[=STATEFILE]\n",
                     line_.command.c_str());
        exitCode = kExitUsage;
        return nullptr;
    }
    exitCode = StateFileProblem();
    return simMouse_.get();
}

std::string SearchFailureMessage(const tavro::DeviceSearch& search) {
    if (search.outcome != tavro::SearchOutcome::kCannotOpen || !search.openError) {
        return "TAVRO mouse not found";
    }
    return "TAVRO mouse not found: it is plugged in at " + search.path + " but cannot be opened (" +
           search.openError->reason +
           ").\nInstall the udev rule that gives you access: tavroctl udev-rule "
           "| sudo tee /etc/udev/rules.d/60-tavro.rules\n"
           "then: sudo udevadm control --reload-rules && sudo udevadm trigger";
}

std::string StateFileMessage(const tavro::FileResult& problem) {
    const std::string text = "tavroctl: --simulate=";
    if (problem.status == tavro::FileStatus::kMissing) {
        return text + problem.path.string() + ": no such folder for the state file";
    }
    if (problem.found != tavro::FileKind::kUnknown) {
        return text + problem.path.string() + ": " + std::string(tavro::KindText(problem.found)) +
               " is there, not a simulated mouse's state file; left as it is";
    }
    if (problem.status == tavro::FileStatus::kForeignSignature ||
        problem.status == tavro::FileStatus::kTruncated ||
        problem.status == tavro::FileStatus::kDamaged) {
        return text + tavro::Describe(problem) +
               ": not a simulated mouse's state file; left as it is";
    }
    return text + tavro::Describe(problem);
}

}  // namespace tavroctl
