// Feeds any bytes to the profile loader. A file it takes must come back the same
// after another save and load.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "profile/profile_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tavro;
    ProfileRecord record;
    if (DecodeProfile(std::span(data, size), record) != FileStatus::kOk) {
        return 0;
    }
    const DataStream saved = EncodeProfile(record);
    ProfileRecord again;
    if (DecodeProfile(saved.bytes(), again) != FileStatus::kOk || !(again == record)) {
        std::abort();
    }
    return 0;
}
