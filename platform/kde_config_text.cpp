#include "platform/kde_config_text.h"

#include <algorithm>
#include <cctype>

namespace tavro {

namespace {

std::string_view Trimmed(std::string_view line) {
    const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!line.empty() && isSpace(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && isSpace(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return lines;
}

bool IsGroupHeader(std::string_view line) {
    line = Trimmed(line);
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// The key of a "key=value" line; localised and flagged forms such as key[de] or
// key[$i] are other keys.
std::string_view KeyOf(std::string_view line) {
    const size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view{} : Trimmed(line.substr(0, equals));
}

bool IsDecimal(std::string_view part) {
    return !part.empty() && std::all_of(part.begin(), part.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

}  // namespace

std::string SetKdeConfigEntry(std::string_view text, std::string_view group, std::string_view key,
                              std::string_view value) {
    const std::string entry = std::string(key) + "=" + std::string(value);
    std::vector<std::string> lines;
    for (std::string_view line : Lines(text)) {
        lines.emplace_back(line);
    }

    const auto header = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
        return IsGroupHeader(line) && Trimmed(line) == group;
    });
    if (header == lines.end()) {
        if (!lines.empty() && !Trimmed(lines.back()).empty()) {
            lines.emplace_back();
        }
        lines.emplace_back(group);
        lines.push_back(entry);
    } else {
        auto insertAt = header + 1;
        bool replaced = false;
        for (auto it = header + 1; it != lines.end() && !IsGroupHeader(*it); ++it) {
            if (KeyOf(*it) == key) {
                *it = entry;
                replaced = true;
                break;
            }
            if (!Trimmed(*it).empty()) {
                insertAt = it + 1;
            }
        }
        if (!replaced) {
            lines.insert(insertAt, entry);
        }
    }

    std::string result;
    for (const std::string& line : lines) {
        result += line;
        result += '\n';
    }
    return result;
}

std::vector<std::string> KdeInputDeviceGroups(std::string_view text) {
    std::vector<std::string> groups;
    for (std::string_view line : Lines(text)) {
        line = Trimmed(line);
        if (!IsGroupHeader(line)) {
            continue;
        }
        // "[Libinput][1133][49271][name]" split at "][" gives four parts.
        const std::string_view inner = line.substr(1, line.size() - 2);
        std::vector<std::string_view> parts;
        size_t start = 0;
        for (size_t pos = inner.find("]["); pos != std::string_view::npos;
             pos = inner.find("][", start)) {
            parts.push_back(inner.substr(start, pos - start));
            start = pos + 2;
        }
        parts.push_back(inner.substr(start));
        if (parts.size() == 4 && parts[0] == "Libinput" && IsDecimal(parts[1]) &&
            IsDecimal(parts[2])) {
            groups.emplace_back(line);
        }
    }
    return groups;
}

}  // namespace tavro
