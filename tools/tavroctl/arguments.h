#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tavroctl {

// The words after the command name, from which a command takes its options and then
// checks that exactly the positional arguments it expects are left.
class Arguments {
public:
    explicit Arguments(std::vector<std::string> words) : words_(std::move(words)) {}

    bool TakeFlag(const std::string& flag);
    // "NAME VALUE" or "NAME=VALUE"; a NAME without a value, or with an empty one, is an
    // error: no option takes an empty value (an empty path would mean the current folder
    // to some calls and nothing to others).
    std::optional<std::string> TakeOption(const std::string& name);
    bool HasError() const { return !error_.empty(); }
    const std::string& Error() const { return error_; }
    // Fails unless exactly `count` words are left and none looks like an option or is
    // empty.
    bool TakePositionals(size_t count, std::vector<std::string>& out);
    // The same for any count from `min` to `max`.
    bool TakePositionals(size_t min, size_t max, std::vector<std::string>& out);
    // Takes every word left, at least `minimum`, failing on one that looks like an
    // option; words after a "--" are taken as they are (the "--" itself is dropped).
    bool TakeRest(size_t minimum, std::vector<std::string>& out);

private:
    std::optional<std::string> NonEmpty(const std::string& name, std::string value);

    std::vector<std::string> words_;
    std::string error_;
};

// A whole decimal number within [min, max]; nothing for anything else.
std::optional<int> ParseNumber(const std::string& text, int min, int max);

// What comes before and around the command: the tool's global options.
struct CommandLine {
    std::string command;
    std::vector<std::string> words;  // everything else, in order
    bool help = false;
    bool trace = false;
    bool simulate = false;
    bool simulateAbsent = false;
    std::optional<std::string> stateFile;
    // How long a command waits for another program to let go of the mouse.
    int lockWaitSeconds = 10;
};

// Global options may stand anywhere; the first other word is the command.
std::optional<CommandLine> ParseCommandLine(int argc, char** argv, std::string& error);

}  // namespace tavroctl
