#pragma once

#include <optional>

namespace nimbrel {

class QtTextTranslation;

// Reads the command line before any GUI exists. Help, version, a bad command line and the
// client verbs are handled here, without a display, and give the program's exit status:
// 0 done, 1 the running Nimbrel did not rewrite the clipboard (nothing to rewrite, or an
// unknown title), 2 a bad command line or no running Nimbrel reached. nullopt: start the tray
// program.
// It speaks the translation's language.
std::optional<int> runCommandLine(int argc, char **argv, QtTextTranslation &translation);

} // namespace nimbrel
