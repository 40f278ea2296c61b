#include "macros/macro_file_name.h"

#include <cstdint>

#include "profile/text_codec.h"

namespace tavro {
namespace {

// Keeps the file name, extension included, well below the 255 bytes a file system
// allows.
constexpr size_t kMaxStemBytes = 200;
constexpr size_t kHashSuffixBytes = 17;  // "~" and 16 hex digits

bool NeedsEscape(uint8_t byte) {
    return byte < 0x20 || byte == 0x7F || byte == '/' || byte == '\\' || byte == '%';
}

// Bytes of the UTF-8 sequence that starts with this byte (the text is valid UTF-8).
size_t SequenceLength(uint8_t lead) {
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

std::string HexDigits(uint64_t value, int digits) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string text(static_cast<size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) {
        text[static_cast<size_t>(i)] = kHex[value & 0xF];
    }
    return text;
}

uint64_t NameHash(std::u16string_view name) {
    uint64_t hash = 0xcbf29ce484222325u;  // FNV-1a
    for (char16_t unit : name) {
        for (int shift : {0, 8}) {
            hash ^= (unit >> shift) & 0xFF;
            hash *= 0x100000001b3u;
        }
    }
    return hash;
}

}  // namespace

std::string MacroFileName(std::u16string_view name) {
    const std::string utf8 = Utf16ToUtf8(name);
    std::string stem;
    std::string shortStem;  // what is kept of a name that is too long
    for (size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<uint8_t>(utf8[i]);
        std::string piece;
        if (NeedsEscape(byte)) {
            piece = "%" + HexDigits(byte, 2);
            i += 1;
        } else {
            piece = utf8.substr(i, SequenceLength(byte));
            i += piece.size();
        }
        if (stem.size() + piece.size() <= kMaxStemBytes - kHashSuffixBytes) {
            shortStem += piece;
        }
        stem += piece;
    }
    if (stem.size() > kMaxStemBytes) {
        stem = shortStem + "~" + HexDigits(NameHash(name), 16);
    }
    return stem + std::string(kMacroFileExtension);
}

std::string IndexEntryFileName(std::u16string_view entry) {
    const size_t separator = entry.find_last_of(u"/\\");
    const std::string name =
        Utf16ToUtf8(separator == std::u16string_view::npos ? entry : entry.substr(separator + 1));
    if (name.empty() || name == "." || name == ".." || name.find('\0') != std::string::npos) {
        return {};
    }
    return name;
}

}  // namespace tavro
