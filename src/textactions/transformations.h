#pragma once

#include <string>
#include <string_view>

// The string transformations of the text actions that are not plain case mapping. Texts are
// UTF-8; invalid sequences come out as U+FFFD.
namespace nimbrel {

// Splits at the whitespace-and-newline set, drops empty pieces and joins with one U+0020.
std::string collapseWhitespace(std::string_view text);
// Removes every U+0020 and nothing else.
std::string removeAllSpaces(std::string_view text);
// The words of collapseWhitespace joined by "_"; letters keep their case.
std::string snakeCase(std::string_view text);

} // namespace nimbrel
