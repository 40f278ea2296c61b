// The simulated mouse behind the Linux kernel: creates a TAVRO HID device through
// /dev/uhid and answers the kernel's feature-report requests with the same protocol
// logic and state file as the in-process simulated mouse.
//
//   tavro-uhid-mouse [--state FILE] [--busy N] [--refuse-half H]
//                    [--destroy-after-halves N] [--quiet]
//
// Every request is logged on stderr before it is answered, in a fixed format that
// tests match: "uhid SET id=0x60 len=64 err=0 data=60 02 00 …" and
// "uhid GET id=0x60 err=0 len=64 data=60 01 …".
#include <fcntl.h>
#include <linux/uhid.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "device/device_link.h"
#include "device/device_reports.h"
#include "sim/sim_mouse.h"
#include "sim/sim_state_file.h"

namespace {

// Mouse (with its nested pointer collection), keyboard and the vendor collection
// holding feature reports 0x60 (63 data bytes) and 0x61 (1040 data bytes).
// clang-format off
constexpr uint8_t kReportDescriptor[] = {
    0x05, 0x01,        // usage page: generic desktop
    0x09, 0x02,        // usage: mouse
    0xA1, 0x01,        // collection: application
    0x85, 0x01,        //   report id 1
    0x09, 0x01,        //   usage: pointer
    0xA1, 0x00,        //   collection: physical
    0x05, 0x09,        //     usage page: buttons
    0x19, 0x01,        //     usage minimum 1
    0x29, 0x03,        //     usage maximum 3
    0x15, 0x00,        //     logical minimum 0
    0x25, 0x01,        //     logical maximum 1
    0x95, 0x03,        //     report count 3
    0x75, 0x01,        //     report size 1
    0x81, 0x02,        //     input: data, variable, absolute
    0x95, 0x01,        //     report count 1
    0x75, 0x05,        //     report size 5
    0x81, 0x03,        //     input: padding
    0x05, 0x01,        //     usage page: generic desktop
    0x09, 0x30,        //     usage: X
    0x09, 0x31,        //     usage: Y
    0x15, 0x81,        //     logical minimum -127
    0x25, 0x7F,        //     logical maximum 127
    0x75, 0x08,        //     report size 8
    0x95, 0x02,        //     report count 2
    0x81, 0x06,        //     input: data, variable, relative
    0xC0,              //   end collection
    0xC0,              // end collection
    0x05, 0x01,        // usage page: generic desktop
    0x09, 0x06,        // usage: keyboard
    0xA1, 0x01,        // collection: application
    0x85, 0x02,        //   report id 2
    0x05, 0x07,        //   usage page: keyboard
    0x19, 0xE0,        //   usage minimum: left control
    0x29, 0xE7,        //   usage maximum: right GUI
    0x15, 0x00,        //   logical minimum 0
    0x25, 0x01,        //   logical maximum 1
    0x75, 0x01,        //   report size 1
    0x95, 0x08,        //   report count 8
    0x81, 0x02,        //   input: modifier bits
    0x95, 0x06,        //   report count 6
    0x75, 0x08,        //   report size 8
    0x15, 0x00,        //   logical minimum 0
    0x26, 0xFF, 0x00,  //   logical maximum 255
    0x19, 0x00,        //   usage minimum 0
    0x2A, 0xFF, 0x00,  //   usage maximum 255
    0x81, 0x00,        //   input: key array
    0xC0,              // end collection
    0x06, 0x01, 0xFF,  // usage page: vendor 0xFF01
    0x09, 0x02,        // usage 2
    0xA1, 0x01,        // collection: application
    0x15, 0x00,        //   logical minimum 0
    0x26, 0xFF, 0x00,  //   logical maximum 255
    0x75, 0x08,        //   report size 8
    0x85, 0x60,        //   report id 0x60: commands and status
    0x09, 0x01,        //   usage 1
    0x95, 0x3F,        //   report count 63
    0xB1, 0x02,        //   feature: data, variable, absolute
    0x85, 0x61,        //   report id 0x61: image halves
    0x09, 0x01,        //   usage 1
    0x96, 0x10, 0x04,  //   report count 1040
    0xB1, 0x02,        //   feature: data, variable, absolute
    0xC0,              // end collection
};
// clang-format on

struct Options {
    std::optional<std::filesystem::path> stateFile;
    int busyReads = 0;                      // status reads answered "busy" from the start
    std::optional<int> refusedHalf;         // image half whose set-feature is always refused
    std::optional<int> destroyAfterHalves;  // unplug after this many image halves
    bool quiet = false;
};

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

[[noreturn]] void Usage() {
    std::fprintf(stderr,
                 "usage: tavro-uhid-mouse [--state FILE] [--busy N] [--refuse-half 0|1]\n"
                 "                        [--destroy-after-halves N] [--quiet]\n");
    std::exit(2);
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= argc) {
                Usage();
            }
            return argv[++i];
        };
        if (arg == "--state") {
            options.stateFile = value();
        } else if (arg == "--busy") {
            options.busyReads = std::atoi(value());
        } else if (arg == "--refuse-half") {
            options.refusedHalf = std::atoi(value());
        } else if (arg == "--destroy-after-halves") {
            options.destroyAfterHalves = std::atoi(value());
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else {
            Usage();
        }
    }
    return options;
}

void LogReport(const char* what, unsigned id, int error, std::span<const uint8_t> bytes) {
    std::fprintf(stderr, "uhid %s id=0x%02x len=%zu err=%d data=", what, id, bytes.size(), error);
    const size_t shown = std::min<size_t>(bytes.size(), 16);
    for (size_t i = 0; i < shown; ++i) {
        std::fprintf(stderr, "%s%02x", i ? " " : "", bytes[i]);
    }
    std::fprintf(stderr, bytes.size() > shown ? " …\n" : "\n");
}

bool WriteEvent(int fd, const uhid_event& event) {
    return write(fd, &event, sizeof event) == static_cast<ssize_t>(sizeof event);
}

bool Create(int fd) {
    uhid_event event{};
    event.type = UHID_CREATE2;
    auto& create = event.u.create2;
    std::strncpy(reinterpret_cast<char*>(create.name), "Dravek TAVRO (simulated)",
                 sizeof create.name - 1);
    std::strncpy(reinterpret_cast<char*>(create.uniq), "TAVRO-SIM-0001", sizeof create.uniq - 1);
    create.rd_size = sizeof kReportDescriptor;
    create.bus = BUS_USB;
    create.vendor = tavro::kTavroVendorId;
    create.product = tavro::kTavroProductId;
    std::memcpy(create.rd_data, kReportDescriptor, sizeof kReportDescriptor);
    return WriteEvent(fd, event);
}

class UhidMouse {
public:
    UhidMouse(int fd, const Options& options)
        : fd_(fd), options_(options), mouse_(options.stateFile) {
        const std::vector<uint8_t> busy(options.busyReads, tavro::kStatusBusy);
        mouse_.ScriptStatuses(busy);
    }

    // False once the device is gone.
    bool HandleEvent(const uhid_event& event) {
        switch (event.type) {
            case UHID_SET_REPORT:
                return HandleSet(event.u.set_report);
            case UHID_GET_REPORT:
                return HandleGet(event.u.get_report);
            default:
                return true;
        }
    }

private:
    bool HandleSet(const uhid_set_report_req& request) {
        const std::span<const uint8_t> report(request.data,
                                              std::min<size_t>(request.size, UHID_DATA_MAX));
        int error = EPIPE;
        const bool imageHalf =
            request.rnum == tavro::kImageReportId && report.size() > tavro::kImageHalfOffset;
        if (request.rtype == UHID_FEATURE_REPORT) {
            if (imageHalf && options_.refusedHalf == report[tavro::kImageHalfOffset]) {
                error = EPIPE;
            } else {
                error = mouse_.HandleSetFeature(report);
            }
        }
        if (!options_.quiet) {
            LogReport("SET", request.rnum, error, report);
        }
        uhid_event reply{};
        reply.type = UHID_SET_REPORT_REPLY;
        reply.u.set_report_reply.id = request.id;
        reply.u.set_report_reply.err = static_cast<uint16_t>(error);
        if (!WriteEvent(fd_, reply)) {
            return false;
        }
        if (imageHalf && error == 0 && options_.destroyAfterHalves &&
            ++halvesTaken_ >= *options_.destroyAfterHalves) {
            std::fprintf(stderr, "uhid unplugging after %d image halves\n", halvesTaken_);
            return false;
        }
        return true;
    }

    bool HandleGet(const uhid_get_report_req& request) {
        tavro::SimGetReply answer{EPIPE, {}};
        if (request.rtype == UHID_FEATURE_REPORT) {
            answer = mouse_.HandleGetFeature(request.rnum, tavro::kStatusReportSize);
        }
        if (!options_.quiet) {
            LogReport("GET", request.rnum, answer.error, answer.bytes);
        }
        // Every request gets an answer: an unanswered one stalls the kernel for seconds.
        uhid_event reply{};
        reply.type = UHID_GET_REPORT_REPLY;
        auto& out = reply.u.get_report_reply;
        out.id = request.id;
        out.err = static_cast<uint16_t>(answer.error);
        out.size = static_cast<uint16_t>(std::min<size_t>(answer.bytes.size(), UHID_DATA_MAX));
        std::memcpy(out.data, answer.bytes.data(), out.size);
        return WriteEvent(fd_, reply);
    }

    int fd_;
    const Options& options_;
    tavro::SimMouse mouse_;
    int halvesTaken_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    if (options.stateFile) {
        const tavro::FileResult prepared = tavro::PrepareSimStateFile(*options.stateFile);
        if (!prepared) {
            std::fprintf(stderr, "tavro-uhid-mouse: %s\n", tavro::Describe(prepared).c_str());
            return 2;
        }
    }
    const int fd = open("/dev/uhid", O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        std::fprintf(stderr, "tavro-uhid-mouse: /dev/uhid: %s\n", std::strerror(errno));
        return 1;
    }
    if (!Create(fd)) {
        std::fprintf(stderr, "tavro-uhid-mouse: creating the device: %s\n", std::strerror(errno));
        return 1;
    }
    std::signal(SIGTERM, RequestStop);
    std::signal(SIGINT, RequestStop);
    std::fprintf(stderr, "uhid created vid=%04x pid=%04x\n", tavro::kTavroVendorId,
                 tavro::kTavroProductId);

    UhidMouse mouse(fd, options);
    bool alive = true;
    while (alive && !stopRequested) {
        pollfd watched{fd, POLLIN, 0};
        const int ready = poll(&watched, 1, 200);
        if (ready < 0 && errno != EINTR) {
            break;
        }
        if (ready <= 0) {
            continue;
        }
        uhid_event event{};
        const ssize_t got = read(fd, &event, sizeof event);
        if (got <= 0) {
            break;
        }
        alive = mouse.HandleEvent(event);
    }

    uhid_event destroy{};
    destroy.type = UHID_DESTROY;
    WriteEvent(fd, destroy);
    close(fd);
    std::fprintf(stderr, "uhid destroyed\n");
    return 0;
}
