#pragma once

#include <span>

#include <nlohmann/json.hpp>

#include "macros/macro_model.h"
#include "profile/profile_record.h"

namespace tavroctl {

// The record's stored fields under their own names, numbers as the record holds them.
nlohmann::ordered_json ProfileToJson(const tavro::ProfileRecord& record);

// The library: one object per macro with its id, name and events.
nlohmann::ordered_json LibraryToJson(std::span<const tavro::CMacro> library);

}  // namespace tavroctl
