#include "macros/macro_names.h"

#include <algorithm>

namespace tavro {
namespace {

constexpr int32_t kLargestReservedId = 15;

// The number the text starts with, as the list reads it: an optional sign, then
// digits; 0 when there are none. Kept in 64 bits so that n + 1 cannot overflow.
int64_t LeadingNumber(std::u16string_view text) {
    size_t at = 0;
    const bool negative = !text.empty() && text[0] == u'-';
    if (negative || (!text.empty() && text[0] == u'+')) {
        at = 1;
    }
    int64_t value = 0;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
        value = std::min<int64_t>(value * 10 + (text[at] - u'0'), INT32_MAX);
    }
    return negative ? -value : value;
}

std::u16string NextName(const std::u16string& name) {
    const size_t open = name.find(u'(');
    if (open == std::u16string::npos) {
        return name + u"(1)";
    }
    std::u16string_view inside = std::u16string_view(name).substr(open + 1);
    if (!inside.empty()) {
        inside.remove_suffix(1);
    }
    const std::string number = std::to_string(LeadingNumber(inside) + 1);
    return name.substr(0, open) + u"(" + std::u16string(number.begin(), number.end()) + u")";
}

}  // namespace

int32_t NextMacroId(std::span<const int32_t> ids) {
    uint32_t largest = kLargestReservedId;
    for (int32_t id : ids) {
        largest = std::max(largest, static_cast<uint32_t>(id));
    }
    return static_cast<int32_t>(largest + 1);
}

std::u16string UniqueMacroName(std::u16string name, std::span<const std::u16string> names) {
    bool changed = true;
    while (changed) {
        changed = false;
        for (const std::u16string& other : names) {
            if (other == name) {
                name = NextName(name);
                changed = true;
            }
        }
    }
    return name;
}

}  // namespace tavro
