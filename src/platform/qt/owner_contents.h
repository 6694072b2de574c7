#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace nimbrel {

// What a clipboard owner offered, as read from it: its target names in its order, and the bytes
// of the targets that were read. A target missing from data was not read, refused or too large.
struct OwnerContents {
    std::vector<std::string> targets;
    std::map<std::string, std::string, std::less<>> data;
    // A target was left out for the read limits (too large, or out of time), not by the owner.
    bool limited = false;
    // Of those, one was left out for its size.
    bool tooLarge = false;
    // Targets read whose answer came under a type of another name: X11's TEXT comes in the
    // encoding its owner picked (COMPOUND_TEXT, STRING or UTF8_STRING), named by the answer's type.
    std::map<std::string, std::string, std::less<>> answerTypes{};
};

} // namespace nimbrel
