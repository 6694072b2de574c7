#pragma once

#include <optional>
#include <string>
#include <string_view>

// Text operations the program relies on from the platform. Texts are UTF-8; every operation
// works on code points and is independent of the user's locale. Invalid UTF-8 in the input
// comes out as U+FFFD, so every result is valid UTF-8.
namespace nimbrel {

// Full Unicode upper-case mapping ("ß" becomes "SS").
std::string uppercaseString(std::string_view text);
// Full Unicode lower-case mapping, Greek final sigma included.
std::string lowercaseString(std::string_view text);
// Each word's first character in its title-case form and the rest in lower case; words are
// runs of characters outside the whitespace set, which stays as it is.
std::string capitalizedString(std::string_view text);

// The last component of a file path: "/home/a/notes.txt" gives "notes.txt", "/home/a/" gives "a",
// "/" gives "/", and the empty path gives the empty text.
std::string lastPathComponent(std::string_view path);

// Bytes of a Windows code page (1252, 932, ...; 10000 is Mac Roman) as UTF-8; nullopt for a code
// page that is not known or a byte that it does not map.
std::optional<std::string> codePageToUtf8(unsigned codePage, std::string_view bytes);

// The text with every invalid UTF-8 sequence replaced by U+FFFD; valid text comes back unchanged.
std::string validUtf8(std::string_view text);

} // namespace nimbrel
