#include "profile/setting_rules.h"

#include <algorithm>

namespace tavro::setting_rules {
namespace {

// The leading signed decimal number of the text, as the edits read it; digits beyond
// what an int holds saturate.
int LeadingNumber(std::string_view text) {
    size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative || (!text.empty() && text[0] == '+')) {
        at = 1;
    }
    int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = std::min<int64_t>(value * 10 + (text[at] - '0'), int64_t{1} << 31);
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

std::optional<uint16_t> ReportIntervalForRate(int hertz) {
    for (const ReportRate& rate : kReportRates) {
        if (rate.hertz == hertz) {
            return rate.interval;
        }
    }
    return std::nullopt;
}

std::optional<int> ReportRateForInterval(unsigned interval) {
    for (const ReportRate& rate : kReportRates) {
        if (rate.interval == interval) {
            return rate.hertz;
        }
    }
    return std::nullopt;
}

std::string NormaliseDefinedValueText(std::string_view text) {
    std::string kept(text.substr(0, !text.empty() && text[0] == '-' ? 3 : 2));
    if (kept.size() >= 2 && kept[0] == '0') {
        kept.erase(0, 1);
    }
    const auto value = static_cast<int8_t>(LeadingNumber(kept));
    if (value < kDefinedValue.minimum) {
        return std::to_string(kDefinedValue.minimum);
    }
    if (value > kDefinedValue.maximum) {
        return std::to_string(kDefinedValue.maximum);
    }
    return kept;
}

int8_t DefinedValueFromText(std::string_view text) {
    return static_cast<int8_t>(LeadingNumber(text));
}

std::string NormaliseColorChannelText(std::string_view text) {
    std::string kept(text.size() > 3 ? text.substr(text.size() - 3) : text);
    if (LeadingNumber(kept) > kColorChannel.maximum) {
        return std::to_string(kColorChannel.maximum);
    }
    return kept;
}

uint8_t ColorChannelFromText(std::string_view text) {
    return static_cast<uint8_t>(kColorChannel.Clamp(LeadingNumber(text)));
}

}  // namespace tavro::setting_rules
