// Feeds any bytes to the .macro loader. A macro it takes must come back the same after
// another save and load.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "macros/macro_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tavro;
    CMacro macro;
    if (DecodeMacro(std::span(data, size), macro) != FileStatus::kOk) {
        if (!macro.events.empty() || !macro.name.empty()) {
            std::abort();  // a refused file must leave nothing behind
        }
        return 0;
    }
    const DataStream saved = EncodeMacro(macro);
    CMacro again;
    if (DecodeMacro(saved.bytes(), again) != FileStatus::kOk || !(again == macro)) {
        std::abort();
    }
    return 0;
}
