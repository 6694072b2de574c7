#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nimbrel {

// Notification servers choke on or truncate very long bodies, so the announced text is capped.
inline constexpr std::size_t notificationBodyMaximumLength = 1000;

// The body of a notification for the clipboard text: at most notificationBodyMaximumLength code
// points, the last one an ellipsis when the text was longer, never a split UTF-8 sequence.
// With escapeMarkup the server interprets markup, so &, <, >, " and ' are written as entities
// (after the cap, which counts visible characters). Invalid UTF-8, NUL and the bidirectional
// controls (U+202A to U+202E, U+2066 to U+2069) come out as U+FFFD.
std::string notificationBody(std::string_view text, bool escapeMarkup);

} // namespace nimbrel
