#pragma once

#include <string_view>

namespace nimbrel {

// Type identifiers, compared by whole-string, case-sensitive equality everywhere.
inline constexpr std::string_view PasteboardTypeString = "text/plain";
inline constexpr std::string_view PasteboardTypeRTF = "text/rtf";
inline constexpr std::string_view PasteboardTypeHTML = "text/html";
// The file-name list: an item that holds files lists this type first.
inline constexpr std::string_view FilenamesPboardType = "x-nimbrel/file-names";
// Set by password managers on secrets; such an item's text is never shown.
inline constexpr std::string_view PasteboardTypeConcealed = "x-nimbrel/concealed";

} // namespace nimbrel
