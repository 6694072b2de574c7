#pragma once

namespace nimbrel {

// Opens /dev/null in place of standard input, output or error where the program was started with
// them closed (as some launchers do), before anything else opens a descriptor: otherwise the
// next descriptor opened, the session bus's socket say, would take that number, and whatever
// writes to standard error would write into it.
void openClosedStandardDescriptors();

} // namespace nimbrel
