// Feeds any bytes to the macroList.dat loader and turns every entry into the file name
// it stands for, which must stay a plain name inside the library folder.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "macros/macro_file.h"
#include "macros/macro_file_name.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tavro;
    std::vector<std::u16string> entries;
    const FileStatus status = DecodeIndex(std::span(data, size), entries);
    for (const std::u16string& entry : entries) {
        const std::string name = IndexEntryFileName(entry);
        if (name == "." || name == ".." || name.find('/') != std::string::npos ||
            name.find('\0') != std::string::npos) {
            std::abort();
        }
        const std::string file = MacroFileName(entry);
        if (file.size() > 255 || file.find('/') != std::string::npos) {
            std::abort();
        }
    }
    if (status == FileStatus::kOk) {
        const DataStream saved = EncodeIndex(entries);
        std::vector<std::u16string> again;
        if (DecodeIndex(saved.bytes(), again) != FileStatus::kOk || again != entries) {
            std::abort();
        }
    }
    return 0;
}
