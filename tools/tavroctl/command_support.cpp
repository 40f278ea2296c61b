#include "tools/tavroctl/command_support.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "profile/atomic_write.h"
#include "profile/profile_file.h"
#include "tools/tavroctl/exit_codes.h"

namespace tavroctl {
namespace {

int WriteStandardOutput(std::span<const uint8_t> bytes) {
    if (::isatty(STDOUT_FILENO)) {
        std::fprintf(stderr,
                     "tavroctl: not writing binary data to a terminal: redirect the output or "
                     "give -o FILE\n");
        return kExitUsage;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            std::fprintf(stderr, "tavroctl: standard output: %s\n",
                         std::strerror(n < 0 ? errno : EIO));
            return kExitFailed;
        }
        done += static_cast<size_t>(n);
    }
    return kExitOk;
}

}  // namespace

tavro::FileResult LoadSlotProfile(const std::filesystem::path& file, int slot,
                                  tavro::ProfileRecord& record) {
    record = tavro::ProfileRecord{};
    record.slot = static_cast<uint8_t>(slot);
    record.name = tavro::DefaultProfileName(slot);
    return tavro::LoadProfile(file, record);
}

bool EncodeForTransfer(const tavro::ProfileRecord& record, tavro::ConfigImage& image) {
    tavro::DeviceProfile device;
    tavro::PackProfile(record, device);
    if (tavro::TotalMacroEvents(device) > tavro::kMaxProfileMacroEvents) {
        return false;
    }
    tavro::EncodeImage(device, image);
    return true;
}

int WriteOutput(const std::string& output, std::span<const uint8_t> bytes) {
    if (output == "-") {
        return WriteStandardOutput(bytes);
    }
    const tavro::FileResult written = tavro::WriteFileAtomically(output, bytes);
    if (written) {
        return kExitOk;
    }
    std::fprintf(stderr, "tavroctl: %s\n", tavro::Describe(written).c_str());
    return written.status == tavro::FileStatus::kNotAFile ? kExitUsage : kExitFailed;
}

}  // namespace tavroctl
