#include "tools/tavroctl/arguments.h"

#include <algorithm>
#include <charconv>

namespace tavroctl {

bool Arguments::TakeFlag(const std::string& flag) {
    const auto found = std::find(words_.begin(), words_.end(), flag);
    if (found == words_.end()) {
        return false;
    }
    words_.erase(found);
    return true;
}

std::optional<std::string> Arguments::TakeOption(const std::string& name) {
    for (auto word = words_.begin(); word != words_.end(); ++word) {
        if (*word == name) {
            if (word + 1 == words_.end()) {
                error_ = name + " needs a value";
                return std::nullopt;
            }
            std::string value = *(word + 1);
            words_.erase(word, word + 2);
            return NonEmpty(name, std::move(value));
        }
        if (word->rfind(name + "=", 0) == 0) {
            std::string value = word->substr(name.size() + 1);
            words_.erase(word);
            return NonEmpty(name, std::move(value));
        }
    }
    return std::nullopt;
}

std::optional<std::string> Arguments::NonEmpty(const std::string& name, std::string value) {
    if (value.empty()) {
        error_ = name + " needs a value";
        return std::nullopt;
    }
    return value;
}

bool Arguments::TakePositionals(size_t count, std::vector<std::string>& out) {
    return TakePositionals(count, count, out);
}

bool Arguments::TakePositionals(size_t min, size_t max, std::vector<std::string>& out) {
    for (const std::string& word : words_) {
        if (word.size() > 1 && word[0] == '-') {
            error_ = "unknown option " + word;
            return false;
        }
        if (word.empty()) {
            error_ = "an empty argument";
            return false;
        }
    }
    if (words_.size() < min || words_.size() > max) {
        error_ = words_.size() < min ? "missing argument" : "unexpected argument " + words_.back();
        return false;
    }
    out = words_;
    return true;
}

bool Arguments::TakeRest(size_t minimum, std::vector<std::string>& out) {
    out.clear();
    bool literal = false;
    for (const std::string& word : words_) {
        if (!literal && word == "--") {
            literal = true;
        } else if (!literal && word.size() > 1 && word[0] == '-') {
            error_ = "unknown option " + word;
            return false;
        } else {
            out.push_back(word);
        }
    }
    if (out.size() < minimum) {
        error_ = "missing argument";
        return false;
    }
    return true;
}

std::optional<int> ParseNumber(const std::string& text, int min, int max) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<CommandLine> ParseCommandLine(int argc, char** argv, std::string& error) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h") {
            line.help = true;
        } else if (word == "--trace") {
            line.trace = true;
        } else if (word == "--simulate") {
            line.simulate = true;
        } else if (word.rfind("--simulate=", 0) == 0) {
            line.simulate = true;
            line.stateFile = word.substr(11);
            if (line.stateFile->empty()) {
                error = "--simulate= needs a state file";
                return std::nullopt;
            }
        } else if (word == "--simulate-absent") {
            line.simulateAbsent = true;
        } else if (word.rfind("--lock-wait=", 0) == 0) {
            const std::optional<int> seconds = ParseNumber(word.substr(12), 0, 3600);
            if (!seconds) {
                error = "--lock-wait= takes seconds, 0-3600";
                return std::nullopt;
            }
            line.lockWaitSeconds = *seconds;
        } else if (line.command.empty() && !(word.size() > 1 && word[0] == '-')) {
            line.command = word;
        } else {
            line.words.push_back(word);
        }
    }
    if (line.simulate && line.simulateAbsent) {
        error = "--simulate and --simulate-absent exclude each other";
        return std::nullopt;
    }
    return line;
}

}  // namespace tavroctl
