#pragma once

#include "platform/user_defaults.h"

#include <optional>
#include <string_view>

namespace nimbrel {

// The two preferences, stored as a number: 1 for on, 0 for off.
inline constexpr std::string_view notifyTextKey = "notifyText";
inline constexpr std::string_view notifyFilesAndDirectoriesKey = "notifyFilesAndDirectories";

// A stored number reads as a Boolean: true unless zero. Anything else, or nothing, does not.
std::optional<bool> readAsBoolean(const std::optional<DefaultsValue> &value);

} // namespace nimbrel
