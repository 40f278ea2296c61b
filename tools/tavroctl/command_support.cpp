#include "tools/tavroctl/command_support.h"

#include <cstdio>

#include "profile/atomic_write.h"
#include "profile/profile_file.h"

namespace tavroctl {

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

bool WriteOutput(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    const tavro::FileResult written = tavro::WriteFileAtomically(path, bytes);
    if (!written) {
        std::fprintf(stderr, "tavroctl: %s\n", tavro::Describe(written).c_str());
    }
    return written.ok();
}

}  // namespace tavroctl
