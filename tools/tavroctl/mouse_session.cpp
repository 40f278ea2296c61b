#include "tools/tavroctl/mouse_session.h"

#include <cerrno>
#include <cstdio>
#include <vector>

#include "platform/hidapi_backend.h"

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

MouseSession::MouseSession(const CommandLine& line) {
    if (line.simulate) {
        simMouse_ = std::make_unique<tavro::SimMouse>(line.stateFile);
        backend_ = std::make_unique<tavro::SimHidBackend>(*simMouse_);
    } else if (line.simulateAbsent) {
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

bool MouseSession::Find() {
    if (link_->FindDevice()) {
        return true;
    }
    std::fprintf(stderr, "%s\n", SearchFailureMessage(link_->LastSearch()).c_str());
    return false;
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

}  // namespace tavroctl
