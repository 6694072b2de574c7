#pragma once

#include <string>
#include <string_view>

namespace nimbrel {

// The text of a target's bytes as valid UTF-8. Only what a target declares decides: STRING is
// Latin-1 by X11 convention (so byte 0x80 is U+0080), a target naming charset=utf-16 is UTF-16
// (little-endian unless a byte order mark says otherwise: LibreOffice sends it so), and text/html
// that starts with a UTF-16 byte order mark is UTF-16, as HTML lets a byte order mark decide.
// Everything else is taken as UTF-8 with U+FFFD for invalid sequences. ASCII, the common case for
// large texts, is handed back without a copy.
std::string decodedTargetText(std::string_view target, std::string bytes);

} // namespace nimbrel
