#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "profile/profile_record.h"

namespace tavro {

// A profile's settings by name, with the values a person types: what tavroctl's get
// and set read and write. Each setting stores what its page would store for that
// choice, checked against the pages' rules (profile/setting_rules.h).

// How a value looks apart from its text, for the JSON form.
enum class SettingKind {
    kText,    // any text
    kYesNo,   // "yes" / "no"
    kOnOff,   // "on" / "off"
    kNumber,  // a decimal number, or a word ("acceleration=off")
    kLevels,  // three numbers, "800,1600,3200"
    kWord,    // a word of the setting's own vocabulary
};

struct SettingInfo {
    std::string_view name;
    SettingKind kind;
    std::string accepts;  // what the value may be, for messages and help
};

// Every setting, in the order get lists them.
std::span<const SettingInfo> ProfileSettings();
const SettingInfo* FindProfileSetting(std::string_view name);

// The words and prefixes that complete a value of the setting ("yes", "no"; for a
// button the function names, "key:" and "macro:").
std::vector<std::string> CompletionWords(const SettingInfo& setting);

// The settings get lists for the record: "dpi" while the axes are joined, "dpi.x" and
// "dpi.y" while they are separate.
std::vector<std::string_view> ListedSettings(const ProfileRecord& record);

// A value as get prints it, or the one-line reason why there is none ("dpi" while the
// axes are separate). A value a page cannot show prints as "raw:N", N the number the
// record holds. The name is known.
struct SettingValue {
    std::string text;
    std::string problem;
    bool ok() const { return problem.empty(); }
};
SettingValue FormatSetting(const ProfileRecord& record, const SettingInfo& setting);

// Finds the library macro a "macro:NAME" value names and gives the copy a profile
// keeps of it.
class MacroByName {
public:
    virtual std::optional<ButtonMacro> Find(std::u16string_view name) const = 0;

protected:
    ~MacroByName() = default;
};

struct SettingEdit {
    std::string name;
    std::string value;
};

struct SettingsOutcome {
    std::string problem;             // one line naming the setting; empty when done
    std::vector<std::string> notes;  // what the user should know about a done edit
    bool ok() const { return problem.empty(); }
};

// Applies the edits in order. A value exactly as FormatSetting prints it at that
// point leaves the setting as it is, so a listing fed back changes nothing. On an
// unknown setting, a value the setting does not accept, or edits that would take the
// last Left Click from buttons 1–7, the record is left unchanged and the problem
// names the setting and what it accepts.
SettingsOutcome ApplySettings(ProfileRecord& record, std::span<const SettingEdit> edits,
                              const MacroByName& macros);

}  // namespace tavro
