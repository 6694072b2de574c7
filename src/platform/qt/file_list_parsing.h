#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// File lists as file managers put them on the X11 clipboard. Only local files count: a file URI
// with a host other than "localhost" names a file on another machine, and other schemes name no
// file. Paths are percent-decoded bytes, returned as valid UTF-8 (U+FFFD for bytes that are not).
namespace nimbrel {

// The local path a single URI names; nullopt for anything else.
std::optional<std::string> localPathOfUri(std::string_view uri);
// text/uri-list: one URI a line (LF or CRLF), lines starting with '#' are comments; NULs at the
// very end terminate the list.
std::vector<std::string> parseUriList(std::string_view text);
// x-special/gnome-copied-files: a first line "copy" or "cut", then URIs.
std::vector<std::string> parseGnomeCopiedFiles(std::string_view text);
// The older plain-text form: "x-special/nautilus-clipboard", then "copy" or "cut", then URIs.
std::vector<std::string> parseNautilusClipboard(std::string_view text);

} // namespace nimbrel
