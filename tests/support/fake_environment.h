#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "profile/storage_paths.h"

namespace tavro::testing {

// Environment variables of a test's choosing; empty ones count as unset.
class FakeEnvironment : public Environment {
public:
    FakeEnvironment(std::initializer_list<std::pair<const std::string, std::string>> values)
        : values_(values) {}
    std::optional<std::string> Get(const std::string& name) const override {
        const auto found = values_.find(name);
        if (found == values_.end() || found->second.empty()) {
            return std::nullopt;
        }
        return found->second;
    }

private:
    std::map<std::string, std::string> values_;
};

}  // namespace tavro::testing
