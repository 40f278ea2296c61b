#include "device/macro_fit.h"

#include "buttons/button_functions.h"
#include "profile/text_codec.h"

namespace tavro {

namespace {

std::string Quoted(std::u16string_view text) {
    return "\"" + EscapeControlCharacters(Utf16ToUtf8(text)) + "\"";
}

std::string ButtonList(const std::vector<CutMacro>& cut) {
    std::string list = cut.size() == 1 ? "button " : "buttons ";
    for (size_t i = 0; i < cut.size(); ++i) {
        if (i > 0) {
            list += i + 1 == cut.size() ? " and " : ", ";
        }
        list += std::to_string(cut[i].button + 1);
    }
    return list;
}

}  // namespace

MacroFit CheckMacroFit(const ProfileRecord& record, const DeviceProfile& device) {
    MacroFit fit;
    fit.total = TotalMacroEvents(device);
    fit.refused = fit.total > kMaxProfileMacroEvents;
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonAssignment& assignment = record.buttons[i];
        const ButtonMacro& macro = record.buttonMacros[i];
        // A copy of another macro is not sent at all; the packing leaves the slot empty.
        if (assignment.function != kFunctionMacro ||
            macro.macroId != int32_t{assignment.parameter}) {
            continue;
        }
        const unsigned kept = fit.refused ? 0 : device.macroSlots[i].count;
        if (macro.events.size() > kept) {
            fit.cut.push_back({i, macro.name, macro.events.size(), kept});
        }
    }
    return fit;
}

std::vector<std::string> DescribeMacroFit(const MacroFit& fit, std::u16string_view profileName) {
    std::vector<std::string> lines;
    if (fit.cut.empty()) {
        return lines;
    }
    if (fit.refused) {
        lines.push_back("Profile " + Quoted(profileName) + " was not written to the mouse: the " +
                        "macros of " + ButtonList(fit.cut) + " have " + std::to_string(fit.total) +
                        " events, and the mouse holds " + std::to_string(kMaxProfileMacroEvents) +
                        " per profile. The mouse keeps the profile it had.");
        return lines;
    }
    for (const CutMacro& macro : fit.cut) {
        lines.push_back("Profile " + Quoted(profileName) + ", button " +
                        std::to_string(macro.button + 1) + ": the macro " + Quoted(macro.name) +
                        " has " + std::to_string(macro.events) + " events; the mouse keeps the " +
                        "first " + std::to_string(macro.kept) + ".");
    }
    return lines;
}

}  // namespace tavro
