#include "profile/profile_settings.h"

#include <array>
#include <cassert>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "buttons/button_functions.h"
#include "buttons/key_names.h"
#include "profile/lighting_colour.h"
#include "profile/setting_rules.h"
#include "profile/text_codec.h"

namespace tavro {
namespace {

using namespace setting_rules;

// What applying one value gave: done (perhaps with a note for the user), or refused
// with a reason; an empty reason stands for "takes" + the setting's accepts text.
struct Applied {
    bool done = true;
    std::string reason;
    std::string note;
};
Applied Done(std::string note = {}) {
    return {true, {}, std::move(note)};
}
Applied Refused(std::string reason = {}) {
    return {false, std::move(reason), {}};
}

// Each setting reads and writes the record through two functions; `index` tells the
// axis, zone or button of the settings that share them.
struct Setting {
    SettingInfo info;
    SettingValue (*format)(const ProfileRecord&, int index);
    Applied (*apply)(ProfileRecord&, std::string_view value, int index, const MacroByName&);
    int index = 0;
};

constexpr std::string_view kRawPrefix = "raw:";
constexpr std::string_view kKeyPrefix = "key:";
constexpr std::string_view kMacroPrefix = "macro:";
constexpr std::string_view kZonesPrefix = "zones:";

SettingValue Text(std::string text) {
    return {std::move(text), {}};
}
SettingValue Raw(int64_t value) {
    return Text(std::string(kRawPrefix) + std::to_string(value));
}

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

bool StartsWithWord(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && Lower(text.substr(0, prefix.size())) == prefix;
}

std::optional<int> Integer(std::string_view text) {
    text = Trimmed(text);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> InRange(std::string_view text, const ValueRange& range) {
    const std::optional<int> value = Integer(text);
    return value && range.Produces(*value) ? value : std::nullopt;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::string RangeText(const ValueRange& range) {
    std::string text = std::to_string(range.minimum) + " to " + std::to_string(range.maximum);
    if (range.step > 1) {
        text += " in steps of " + std::to_string(range.step);
    }
    return text;
}

// A yes/no or on/off switch; other stored values print raw.
SettingValue Switch(int32_t value, std::string_view yes, std::string_view no) {
    if (value == 0 || value == 1) {
        return Text(std::string(value ? yes : no));
    }
    return Raw(value);
}
std::optional<bool> SwitchValue(std::string_view value, std::string_view yes, std::string_view no) {
    const std::string word = Lower(Trimmed(value));
    if (word == yes) {
        return true;
    }
    if (word == no) {
        return false;
    }
    return std::nullopt;
}

// name ----------------------------------------------------------------------------

SettingValue FormatName(const ProfileRecord& r, int) {
    return Text(Utf16ToUtf8(r.name));
}
Applied ApplyName(ProfileRecord& r, std::string_view value, int, const MacroByName&) {
    const std::u16string name = Utf8ToUtf16(value);
    if (Utf16ToUtf8(name) != value) {
        return Refused("not valid UTF-8");
    }
    for (char c : value) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            return Refused("holds a control character");
        }
    }
    r.name = name;
    return Done();
}

// enabled, defined-mode, color-shift ---------------------------------------------

// A flag stored as 1 or 0, by its two words.
struct SwitchWords {
    std::string_view on;
    std::string_view off;
};
inline constexpr SwitchWords kYesNo{"yes", "no"};
inline constexpr SwitchWords kOnOff{"on", "off"};

template <int32_t ProfileRecord::*member, const SwitchWords& words>
SettingValue FormatSwitch(const ProfileRecord& r, int) {
    return Switch(r.*member, words.on, words.off);
}
template <int32_t ProfileRecord::*member, const SwitchWords& words>
Applied ApplySwitch(ProfileRecord& r, std::string_view value, int, const MacroByName&) {
    const std::optional<bool> on = SwitchValue(value, words.on, words.off);
    if (!on) {
        return Refused();
    }
    r.*member = *on ? 1 : 0;
    return Done();
}

SettingValue FormatColorShift(const ProfileRecord& r, int) {
    return Text(std::string(HasColorShift(r.lightingParam) ? kOnOff.on : kOnOff.off));
}
Applied ApplyColorShift(ProfileRecord& r, std::string_view value, int, const MacroByName&) {
    const std::optional<bool> on = SwitchValue(value, kOnOff.on, kOnOff.off);
    if (!on) {
        return Refused();
    }
    r.lightingParam = LightingParam(EffectOf(r.lightingParam), *on);
    return Done();
}

// rate ----------------------------------------------------------------------------

SettingValue FormatRate(const ProfileRecord& r, int) {
    const std::optional<int> hertz = ReportRateForInterval(r.reportInterval);
    return hertz ? Text(std::to_string(*hertz)) : Raw(r.reportInterval);
}
Applied ApplyRate(ProfileRecord& r, std::string_view value, int, const MacroByName&) {
    const std::optional<int> hertz = Integer(value);
    const std::optional<uint16_t> interval = hertz ? ReportIntervalForRate(*hertz) : std::nullopt;
    if (!interval) {
        return Refused();
    }
    r.reportInterval = *interval;
    return Done();
}

// dpi, dpi.x, dpi.y ---------------------------------------------------------------

using Levels = std::array<int16_t, kDpiLevelCount>;

Levels XLevels(const ProfileRecord& r) {
    return {r.dpiX1, r.dpiX2, r.dpiX3};
}
// The page loads the X thumbs first and then the Y thumbs, so with the axes joined
// both sliders end on the Y levels, clamped into the slider's range.
Levels ShownLevels(const ProfileRecord& r, bool xAxis) {
    const Levels levels = xAxis && r.xySeparate ? XLevels(r) : Levels{r.dpiY1, r.dpiY2, r.dpiY3};
    Levels shown{};
    for (size_t i = 0; i < levels.size(); ++i) {
        shown[i] = static_cast<int16_t>(kDpi.Clamp(levels[i]));
    }
    return shown;
}
void SetLevels(ProfileRecord& r, const Levels& levels, bool x, bool y) {
    if (x) {
        r.dpiX1 = levels[0];
        r.dpiX2 = levels[1];
        r.dpiX3 = levels[2];
    }
    if (y) {
        r.dpiY1 = levels[0];
        r.dpiY2 = levels[1];
        r.dpiY3 = levels[2];
    }
}
SettingValue LevelsText(const Levels& levels) {
    return Text(std::to_string(levels[0]) + "," + std::to_string(levels[1]) + "," +
                std::to_string(levels[2]));
}
std::optional<Levels> ParseLevels(std::string_view value) {
    const std::vector<std::string_view> parts = Split(value, ',');
    if (parts.size() != kDpiLevelCount) {
        return std::nullopt;
    }
    Levels levels{};
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::optional<int> level = InRange(parts[i], kDpi);
        if (!level) {
            return std::nullopt;
        }
        levels[i] = static_cast<int16_t>(*level);
    }
    return levels;
}

SettingValue FormatDpi(const ProfileRecord& r, int) {
    if (r.xySeparate) {
        return {{}, "the X and Y levels are separate: see dpi.x and dpi.y"};
    }
    return LevelsText(ShownLevels(r, false));
}
Applied ApplyDpi(ProfileRecord& r, std::string_view value, int, const MacroByName&) {
    const std::optional<Levels> levels = ParseLevels(value);
    if (!levels) {
        return Refused();
    }
    r.xySeparate = 0;
    SetLevels(r, *levels, true, true);
    return Done();
}

// index 0: dpi.x, 1: dpi.y
SettingValue FormatAxis(const ProfileRecord& r, int axis) {
    return LevelsText(ShownLevels(r, axis == 0));
}
Applied ApplyAxis(ProfileRecord& r, std::string_view value, int axis, const MacroByName&) {
    const std::optional<Levels> levels = ParseLevels(value);
    if (!levels) {
        return Refused();
    }
    if (!r.xySeparate) {
        // Separating the axes on the page starts both from the levels it shows.
        const Levels shown = ShownLevels(r, false);
        SetLevels(r, shown, true, true);
        r.xySeparate = 1;
    }
    SetLevels(r, *levels, axis == 0, axis == 1);
    return Done();
}

// plain numbers -------------------------------------------------------------------

template <typename Field, Field ProfileRecord::*member>
SettingValue FormatNumber(const ProfileRecord& r, int) {
    return Text(std::to_string(r.*member));
}
template <typename Field, Field ProfileRecord::*member, const ValueRange& range>
Applied ApplyNumber(ProfileRecord& r, std::string_view value, int, const MacroByName&) {
    const std::optional<int> number = InRange(value, range);
    if (!number) {
        return Refused();
    }
    r.*member = static_cast<Field>(*number);
    return Done();
}

SettingValue FormatDoubleClick(const ProfileRecord& r, int) {
    return Text(std::to_string(DoubleClickTime(r.doubleClickValue)));
}
Applied ApplyDoubleClick(ProfileRecord& r, std::string_view value, int, const MacroByName&) {
    const std::optional<int> time = Integer(value);
    if (!time || !kDoubleClick.Produces(DoubleClickSliderValue(*time))) {
        return Refused();
    }
    r.doubleClickValue = static_cast<int16_t>(DoubleClickSliderValue(*time));
    return Done();
}

SettingValue FormatAcceleration(const ProfileRecord& r, int) {
    if (!r.accelerationOn) {
        return Text("off");
    }
    return Text(std::to_string(r.accelerationLevel));
}
Applied ApplyAcceleration(ProfileRecord& r, std::string_view value, int, const MacroByName&) {
    const std::string word = Lower(Trimmed(value));
    if (word == "off" || word == "on") {
        r.accelerationOn = word == "on" ? 1 : 0;
        return Done();
    }
    const std::optional<int> level = InRange(value, kAccelerationLevel);
    if (!level) {
        return Refused();
    }
    r.accelerationOn = 1;
    r.accelerationLevel = static_cast<int16_t>(*level);
    if (*level == ProfileRecord{}.accelerationLevel) {
        return Done();
    }
    return Done(
        "acceleration: profile files keep only on or off, not the level; the program "
        "starts at level " +
        std::to_string(ProfileRecord{}.accelerationLevel) + " when it loads the file");
}

// lighting, effect ----------------------------------------------------------------

constexpr int32_t kZoneBits = kLightingZone1 | kLightingZone4;

SettingValue FormatLighting(const ProfileRecord& r, int) {
    const int32_t mode = r.lightingMode;
    if (mode == kLightingAllOn) {
        return Text("on");
    }
    if (mode == kLightingOff) {
        return Text("off");
    }
    if ((mode & ~kZoneBits) != kLightingChosenZones) {
        return Raw(mode);
    }
    std::string zones;
    if (LightsZone1(mode)) {
        zones = "1";
    }
    if (LightsZone4(mode)) {
        zones += zones.empty() ? "4" : ",4";
    }
    return Text(std::string(kZonesPrefix) + (zones.empty() ? "none" : zones));
}
Applied ApplyLighting(ProfileRecord& r, std::string_view value, int, const MacroByName&) {
    const std::string word = Lower(Trimmed(value));
    if (word == "on" || word == "off") {
        r.lightingMode = word == "on" ? kLightingAllOn : kLightingOff;
        return Done();
    }
    if (!StartsWithWord(word, kZonesPrefix)) {
        return Refused();
    }
    const std::string_view list = Trimmed(std::string_view(word).substr(kZonesPrefix.size()));
    bool zone1 = false;
    bool zone4 = false;
    if (list != "none" && !list.empty()) {
        for (std::string_view zone : Split(list, ',')) {
            zone = Trimmed(zone);
            if (zone == "1") {
                zone1 = true;
            } else if (zone == "4") {
                zone4 = true;
            } else {
                return Refused("the page lights zones 1 (scroll wheel) and 4 (logo) only");
            }
        }
    }
    r.lightingMode = ChosenZonesMode(zone1, zone4);
    return Done();
}

SettingValue FormatEffect(const ProfileRecord& r, int) {
    const int32_t effect = EffectOf(r.lightingParam);
    for (const Effect& known : kEffects) {
        if (known.value == effect) {
            return Text(std::string(known.word));
        }
    }
    return Raw(effect);
}
Applied ApplyEffect(ProfileRecord& r, std::string_view value, int, const MacroByName&) {
    const std::string word = Lower(Trimmed(value));
    for (const Effect& known : kEffects) {
        if (known.word == word) {
            r.lightingParam = LightingParam(known.value, HasColorShift(r.lightingParam));
            return Done();
        }
    }
    return Refused();
}

// color.1, color.4 ----------------------------------------------------------------

template <typename Record>
auto& ZoneColor(Record& r, int zone) {
    return zone == 1 ? r.zoneColor1 : r.zoneColor4;
}
SettingValue FormatColor(const ProfileRecord& r, int zone) {
    const uint32_t color = ZoneColor(r, zone);
    if (color > 0xFFFFFF) {
        return Raw(color);
    }
    const LightingColour rgb = LightingColour::FromRecord(color);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", rgb.red, rgb.green, rgb.blue);
    return Text(text);
}
std::optional<std::array<int, 3>> ParseColor(std::string_view value) {
    value = Trimmed(value);
    std::array<int, 3> channels{};
    if (!value.empty() && value[0] == '#') {
        if (value.size() != 7) {
            return std::nullopt;
        }
        for (size_t i = 0; i < channels.size(); ++i) {
            const std::string_view hex = value.substr(1 + 2 * i, 2);
            const auto [stop, error] =
                std::from_chars(hex.data(), hex.data() + hex.size(), channels[i], 16);
            if (error != std::errc() || stop != hex.data() + hex.size()) {
                return std::nullopt;
            }
        }
        return channels;
    }
    const std::vector<std::string_view> parts = Split(value, ',');
    if (parts.size() != channels.size()) {
        return std::nullopt;
    }
    for (size_t i = 0; i < channels.size(); ++i) {
        const std::optional<int> channel = InRange(parts[i], kColorChannel);
        if (!channel) {
            return std::nullopt;
        }
        channels[i] = *channel;
    }
    return channels;
}
Applied ApplyColor(ProfileRecord& r, std::string_view value, int zone, const MacroByName&) {
    const std::optional<std::array<int, 3>> rgb = ParseColor(value);
    if (!rgb) {
        return Refused();
    }
    ZoneColor(r, zone) =
        LightingColour{static_cast<uint8_t>((*rgb)[0]), static_cast<uint8_t>((*rgb)[1]),
                       static_cast<uint8_t>((*rgb)[2])}
            .recordForm();
    return Done();
}

// button.1 … button.7 (index = button 0 … 6) --------------------------------------

SettingValue FormatButton(const ProfileRecord& r, int button) {
    const ButtonAssignment& b = r.buttons[static_cast<size_t>(button)];
    if (b.function == kFunctionSingleKey) {
        return Text(std::string(kKeyPrefix) + TypedKeyName(static_cast<uint16_t>(b.parameter)));
    }
    if (b.function == kFunctionMacro) {
        return Text(std::string(kMacroPrefix) +
                    Utf16ToUtf8(r.buttonMacros[static_cast<size_t>(button)].name));
    }
    const std::string name = TypedFunctionName(b.function);
    return name.empty() ? Raw(b.function) : Text(name);
}

Applied ApplyButton(ProfileRecord& r, std::string_view value, int button,
                    const MacroByName& macros) {
    ButtonAssignment& b = r.buttons[static_cast<size_t>(button)];
    const std::string_view word =
        value.substr(std::min(value.find_first_not_of(" \t"), value.size()));
    if (StartsWithWord(word, kKeyPrefix)) {
        const std::optional<uint8_t> key = KeyByTypedName(word.substr(kKeyPrefix.size()));
        if (!key) {
            return Refused("no such key (tavroctl names keys lists them)");
        }
        b.function = kFunctionSingleKey;
        b.parameter = *key;
        return Done();
    }
    if (StartsWithWord(word, kMacroPrefix)) {
        const std::string_view name = word.substr(kMacroPrefix.size());
        std::optional<ButtonMacro> copy = macros.Find(Utf8ToUtf16(name));
        if (!copy) {
            return Refused("no macro of that name in the library (tavroctl macros lists them)");
        }
        if (copy->macroId < INT16_MIN || copy->macroId > INT16_MAX) {
            return Refused("its identifier " + std::to_string(copy->macroId) +
                           " does not fit a button, which holds up to " +
                           std::to_string(INT16_MAX));
        }
        b.function = kFunctionMacro;
        b.parameter = static_cast<int16_t>(copy->macroId);
        r.buttonMacros[static_cast<size_t>(button)] = std::move(*copy);
        return Done();
    }
    const std::optional<uint8_t> function = FunctionByTypedName(Trimmed(word));
    if (!function) {
        return Refused();
    }
    b.function = *function;  // the parameter stays, as on the page
    return Done();
}

// the table -----------------------------------------------------------------------

std::vector<Setting> BuildSettings() {
    const std::string levels = "three levels " + RangeText(kDpi) + ", like 800,1600,3200";
    std::string rates;
    for (const ReportRate& rate : kReportRates) {
        rates += (rates.empty()                             ? ""
                  : rate.hertz == kReportRates.back().hertz ? " or "
                                                            : ", ") +
                 std::to_string(rate.hertz);
    }
    std::string effects;
    for (const Effect& effect : kEffects) {
        effects += (effects.empty()                         ? ""
                    : effect.value == kEffects.back().value ? " or "
                                                            : ", ") +
                   std::string(effect.word);
    }
    std::vector<Setting> settings = {
        {{"name", SettingKind::kText, "any text without control characters"},
         FormatName,
         ApplyName},
        {{"enabled", SettingKind::kYesNo, "yes or no"},
         FormatSwitch<&ProfileRecord::enabled, kYesNo>,
         ApplySwitch<&ProfileRecord::enabled, kYesNo>},
        {{"rate", SettingKind::kNumber, rates + " (reports per second)"}, FormatRate, ApplyRate},
        {{"dpi", SettingKind::kLevels, levels + "; joins the X and Y axes"}, FormatDpi, ApplyDpi},
        {{"dpi.x", SettingKind::kLevels, "the X axis's " + levels + "; separates the axes"},
         FormatAxis,
         ApplyAxis,
         0},
        {{"dpi.y", SettingKind::kLevels, "the Y axis's " + levels + "; separates the axes"},
         FormatAxis,
         ApplyAxis,
         1},
        {{"angle-snap", SettingKind::kNumber, RangeText(kAngleSnap)},
         FormatNumber<uint8_t, &ProfileRecord::angleSnap>,
         ApplyNumber<uint8_t, &ProfileRecord::angleSnap, kAngleSnap>},
        {{"pointer-speed", SettingKind::kNumber, RangeText(kPointerSpeed)},
         FormatNumber<uint8_t, &ProfileRecord::pointerSpeed>,
         ApplyNumber<uint8_t, &ProfileRecord::pointerSpeed, kPointerSpeed>},
        {{"lift-off", SettingKind::kNumber, RangeText(kLiftDistance)},
         FormatNumber<uint8_t, &ProfileRecord::liftDistance>,
         ApplyNumber<uint8_t, &ProfileRecord::liftDistance, kLiftDistance>},
        {{"defined-mode", SettingKind::kOnOff, "on or off"},
         FormatSwitch<&ProfileRecord::definedMode, kOnOff>,
         ApplySwitch<&ProfileRecord::definedMode, kOnOff>},
        {{"defined-value", SettingKind::kNumber, RangeText(kDefinedValue)},
         FormatNumber<int8_t, &ProfileRecord::definedValue>,
         ApplyNumber<int8_t, &ProfileRecord::definedValue, kDefinedValue>},
        {{"double-click", SettingKind::kNumber,
          "the double-click time in ms, " + RangeText(kDoubleClick)},
         FormatDoubleClick,
         ApplyDoubleClick},
        {{"wheel-lines", SettingKind::kNumber, RangeText(kWheelLines)},
         FormatNumber<int16_t, &ProfileRecord::wheelLines>,
         ApplyNumber<int16_t, &ProfileRecord::wheelLines, kWheelLines>},
        {{"acceleration", SettingKind::kNumber,
          "off, on, or a level " + RangeText(kAccelerationLevel)},
         FormatAcceleration,
         ApplyAcceleration},
        {{"lighting", SettingKind::kWord,
          "on, off, or the zones to light: zones:1, zones:4, zones:1,4 or zones:none"},
         FormatLighting,
         ApplyLighting},
        {{"effect", SettingKind::kWord, effects}, FormatEffect, ApplyEffect},
        {{"color-shift", SettingKind::kOnOff, "on or off"}, FormatColorShift, ApplyColorShift},
        {{"color.1", SettingKind::kWord, "#RRGGBB or R,G,B, each 0 to 255"},
         FormatColor,
         ApplyColor,
         1},
        {{"color.4", SettingKind::kWord, "#RRGGBB or R,G,B, each 0 to 255"},
         FormatColor,
         ApplyColor,
         4},
    };
    static constexpr std::array<std::string_view, kPageButtonCount> kButtonNames = {
        "button.1", "button.2", "button.3", "button.4", "button.5", "button.6", "button.7"};
    for (size_t button = 0; button < kPageButtonCount; ++button) {
        settings.push_back({{kButtonNames[button], SettingKind::kWord,
                             "a function (tavroctl names functions), key:NAME (tavroctl names "
                             "keys) or macro:NAME (a macro of the library)"},
                            FormatButton,
                            ApplyButton,
                            static_cast<int>(button)});
    }
    return settings;
}

const std::vector<Setting>& Settings() {
    static const std::vector<Setting> settings = BuildSettings();
    return settings;
}

const std::vector<SettingInfo>& Infos() {
    static const std::vector<SettingInfo> infos = [] {
        std::vector<SettingInfo> list;
        for (const Setting& setting : Settings()) {
            list.push_back(setting.info);
        }
        return list;
    }();
    return infos;
}

const Setting& SettingOf(const SettingInfo& info) {
    for (const Setting& setting : Settings()) {
        if (setting.info.name == info.name) {
            return setting;
        }
    }
    assert(false && "settings come from the table");
    return Settings().front();
}

std::array<uint8_t, kPageButtonCount> PageFunctions(const ProfileRecord& r) {
    std::array<uint8_t, kPageButtonCount> functions{};
    for (size_t i = 0; i < functions.size(); ++i) {
        functions[i] = r.buttons[i].function;
    }
    return functions;
}

std::string Quoted(std::string_view value) {
    return "\"" + EscapeControlCharacters(value) + "\"";
}

}  // namespace

std::span<const SettingInfo> ProfileSettings() {
    return Infos();
}

const SettingInfo* FindProfileSetting(std::string_view name) {
    for (const SettingInfo& info : Infos()) {
        if (info.name == name) {
            return &info;
        }
    }
    return nullptr;
}

std::vector<std::string> CompletionWords(const SettingInfo& setting) {
    switch (setting.kind) {
        case SettingKind::kYesNo:
            return {"yes", "no"};
        case SettingKind::kOnOff:
            return {"on", "off"};
        default:
            break;
    }
    const std::string_view name = setting.name;
    if (name == "rate") {
        std::vector<std::string> words;
        for (const ReportRate& rate : kReportRates) {
            words.push_back(std::to_string(rate.hertz));
        }
        return words;
    }
    if (name == "acceleration") {
        std::vector<std::string> words = {"off", "on"};
        for (int level = kAccelerationLevel.minimum; level <= kAccelerationLevel.maximum; ++level) {
            words.push_back(std::to_string(level));
        }
        return words;
    }
    if (name == "lighting") {
        return {"on", "off", "zones:1", "zones:4", "zones:1,4", "zones:none"};
    }
    if (name == "effect") {
        std::vector<std::string> words;
        for (const Effect& effect : kEffects) {
            words.emplace_back(effect.word);
        }
        return words;
    }
    if (name.starts_with("button.")) {
        std::vector<std::string> words = TypedFunctionNames();
        words.emplace_back(kKeyPrefix);
        words.emplace_back(kMacroPrefix);
        return words;
    }
    return {};
}

std::vector<std::string_view> ListedSettings(const ProfileRecord& record) {
    std::vector<std::string_view> names;
    for (const SettingInfo& info : Infos()) {
        const bool axis = info.name == "dpi.x" || info.name == "dpi.y";
        if (info.name == "dpi" ? !record.xySeparate : axis ? record.xySeparate != 0 : true) {
            names.push_back(info.name);
        }
    }
    return names;
}

SettingValue FormatSetting(const ProfileRecord& record, const SettingInfo& setting) {
    const Setting& s = SettingOf(setting);
    return s.format(record, s.index);
}

SettingsOutcome ApplySettings(ProfileRecord& record, std::span<const SettingEdit> edits,
                              const MacroByName& macros) {
    ProfileRecord edited = record;
    SettingsOutcome outcome;
    std::string leftClickTakenBy;
    for (const SettingEdit& edit : edits) {
        const SettingInfo* info = FindProfileSetting(edit.name);
        if (!info) {
            outcome.problem =
                Quoted(edit.name) + " is no setting (tavroctl names settings lists them)";
            return outcome;
        }
        const SettingValue current = FormatSetting(edited, *info);
        if (current.ok() && current.text == edit.value) {
            continue;
        }
        const Setting& setting = SettingOf(*info);
        const auto before = PageFunctions(edited);
        const Applied applied = setting.apply(edited, edit.value, setting.index, macros);
        if (!applied.done) {
            outcome.problem = edit.name + ": " + Quoted(edit.value) + " refused: " +
                              (applied.reason.empty() ? "takes " + info->accepts : applied.reason);
            outcome.notes.clear();
            return outcome;
        }
        if (!applied.note.empty()) {
            outcome.notes.push_back(applied.note);
        }
        const auto after = PageFunctions(edited);
        if (leftClickTakenBy.empty() && LeftClickCount(before) > LeftClickCount(after)) {
            leftClickTakenBy = edit.name;
        }
    }
    if (LeftClickCount(PageFunctions(record)) > 0 && LeftClickCount(PageFunctions(edited)) == 0) {
        outcome.problem = leftClickTakenBy +
                          ": refused: the last left-click of buttons 1-7 cannot be taken away; "
                          "give another button left-click first";
        outcome.notes.clear();
        return outcome;
    }
    record = std::move(edited);
    return outcome;
}

}  // namespace tavro
