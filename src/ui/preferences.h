#pragma once

#include "platform/user_defaults.h"

#include <optional>
#include <string_view>

namespace nimbrel {

// The preferences, stored as a number: 1 for on, 0 for off.
inline constexpr std::string_view notifyTextKey = "notifyText";
inline constexpr std::string_view notifyFilesAndDirectoriesKey = "notifyFilesAndDirectories";
inline constexpr std::string_view keepClipboardKey = "keepClipboard";

// A stored number reads as a Boolean: true unless zero. Anything else, or nothing, does not.
std::optional<bool> readAsBoolean(const std::optional<DefaultsValue> &value);

// Whether to keep the clipboard when the program that copied it quits: on unless stored as off.
bool keepsClipboard(const UserDefaults &defaults);

} // namespace nimbrel
