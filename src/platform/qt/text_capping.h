#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nimbrel {

// The text as valid UTF-8 (invalid sequences as U+FFFD) of at most maximumCodePoints code points;
// a longer text is cut at a code point boundary and ends in an ellipsis, which counts as one of
// them. Only the part that can survive the cut is examined, so a huge text costs no more than a
// short one. maximumCodePoints must be at least 1.
std::string cappedText(std::string_view text, std::size_t maximumCodePoints);

} // namespace nimbrel
