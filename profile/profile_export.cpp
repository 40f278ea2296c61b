#include "profile/profile_export.h"

#include <string>

#include "profile/text_codec.h"

namespace tavro {

std::filesystem::path ExportPath(const std::filesystem::path& chosen) {
    if (chosen.extension().string() == "." + std::string(kProfileExtension)) {
        return chosen;
    }
    std::filesystem::path path = chosen;
    path += "." + std::string(kProfileExtension);
    return path;
}

std::filesystem::path ProposedExportPath(const std::filesystem::path& startFolder,
                                         std::u16string_view profileName) {
    std::u16string name(profileName);
    for (char16_t& c : name) {
        if (c == u'/' || c < 0x20 || c == 0x7F) {
            c = u'_';
        }
    }
    if (name.empty()) {
        name = u"profile";
    }
    return startFolder / (Utf16ToUtf8(name) + "." + std::string(kProfileExtension));
}

}  // namespace tavro
