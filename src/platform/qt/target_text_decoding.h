#pragma once

#include <string>
#include <string_view>

namespace nimbrel {

// The text of a target's bytes as valid UTF-8: STRING is Latin-1 by X11 convention, data that
// starts with a UTF-16 byte order mark (some browsers serve text/html so) is UTF-16, and
// everything else is taken as UTF-8 with U+FFFD for invalid sequences. ASCII, the common case
// for large texts, is handed back without a copy.
std::string decodedTargetText(std::string_view target, std::string bytes);

} // namespace nimbrel
