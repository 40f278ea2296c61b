// Commands on the simulated mouse's shared state: what a test or a demo reads from it
// and sets in it, as a user would plug, unplug or move the mouse.
#include <cstdio>
#include <functional>
#include <string_view>

#include "device/lift_distance.h"
#include "tools/tavroctl/command_support.h"
#include "tools/tavroctl/commands.h"
#include "tools/tavroctl/exit_codes.h"
#include "tools/tavroctl/mouse_session.h"

namespace tavroctl {
namespace {

// A field sim-set takes as NAME=VALUE, with the values the state may hold.
struct SimField {
    std::string_view name;
    int min;
    int max;
    void (*set)(tavro::SimMouseState& state, int value);
};

constexpr SimField kSimFields[] = {
    {"quality", 0, 255,
     [](tavro::SimMouseState& state, int value) {
         state.surfaceQuality = static_cast<uint8_t>(value);
     }},
    {"firmware", 0, 65535,
     [](tavro::SimMouseState& state, int value) {
         state.firmwareVersion = static_cast<uint16_t>(value);
     }},
    {"lift", tavro::kMinCommandLiftDistance, tavro::kMaxCommandLiftDistance,
     [](tavro::SimMouseState& state, int value) {
         state.liftDistance = static_cast<uint8_t>(value);
     }},
    {"active", 0, tavro::kProfileCount - 1,
     [](tavro::SimMouseState& state, int value) {
         state.activeSlot = static_cast<uint8_t>(value);
     }},
};

const SimField* FindSimField(std::string_view name) {
    for (const SimField& field : kSimFields) {
        if (field.name == name) {
            return &field;
        }
    }
    return nullptr;
}

int ChangeSimulated(const CommandLine& line,
                    const std::function<void(tavro::SimMouseState&)>& change) {
    MouseSession session(line);
    int exitCode = kExitOk;
    tavro::SimMouse* mouse = session.SimulatedState(exitCode);
    if (mouse == nullptr || exitCode != kExitOk) {
        return exitCode;
    }
    const tavro::FileResult saved = mouse->ChangeState(change);
    if (!saved) {
        std::fprintf(stderr, "tavroctl: %s\n", tavro::Describe(saved).c_str());
        return kExitFailed;
    }
    return kExitOk;
}

int RunPlugging(const CommandLine& line, Arguments& args, bool pluggedIn) {
    std::vector<std::string> rest;
    if (!args.TakePositionals(0, rest)) {
        return UsageError(line, args.Error());
    }
    return ChangeSimulated(
        line, [pluggedIn](tavro::SimMouseState& state) { state.pluggedIn = pluggedIn; });
}

}  // namespace

int RunSimImage(const CommandLine& line, Arguments& args) {
    const std::optional<std::string> output = args.TakeOption("-o");
    std::vector<std::string> words;
    const std::optional<int> slot = args.TakePositionals(1, words)
                                        ? ParseNumber(words[0], 0, tavro::kProfileCount - 1)
                                        : std::nullopt;
    if (!output || !slot) {
        return UsageError(line, args.HasError() ? args.Error() : "needs SLOT 0-4 and -o OUT");
    }
    MouseSession session(line);
    int exitCode = kExitOk;
    tavro::SimMouse* mouse = session.SimulatedState(exitCode);
    if (mouse == nullptr || exitCode != kExitOk) {
        return exitCode;
    }
    return WriteOutput(*output, mouse->Image(*slot));
}

int RunSimSet(const CommandLine& line, Arguments& args) {
    std::vector<std::string> words;
    if (!args.TakePositionals(1, std::size(kSimFields), words)) {
        return UsageError(line, args.Error());
    }
    std::vector<std::pair<const SimField*, int>> settings;
    for (const std::string& word : words) {
        const size_t equals = word.find('=');
        const SimField* field =
            equals == std::string::npos ? nullptr : FindSimField(word.substr(0, equals));
        if (field == nullptr) {
            return UsageError(line, "unknown setting " + word);
        }
        const std::optional<int> value =
            ParseNumber(word.substr(equals + 1), field->min, field->max);
        if (!value) {
            return UsageError(line, std::string(field->name) + " takes " +
                                        std::to_string(field->min) + "-" +
                                        std::to_string(field->max));
        }
        settings.emplace_back(field, *value);
    }
    return ChangeSimulated(line, [&settings](tavro::SimMouseState& state) {
        for (const auto& [field, value] : settings) {
            field->set(state, value);
        }
    });
}

int RunUnplug(const CommandLine& line, Arguments& args) {
    return RunPlugging(line, args, false);
}

int RunPlug(const CommandLine& line, Arguments& args) {
    return RunPlugging(line, args, true);
}

}  // namespace tavroctl
