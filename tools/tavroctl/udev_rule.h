#pragma once

#include <string_view>

namespace tavroctl {

// The contents of platform/60-tavro.rules, taken in at build time.
extern const std::string_view kUdevRule;

}  // namespace tavroctl
