#pragma once

#include <string>

namespace nimbrel {

// A desktop notification as the program fills it in; the centre decides how it looks.
struct UserNotification {
    std::string title;
    std::string informativeText;
    bool hasActionButton = true;
    std::string otherButtonTitle;
};

} // namespace nimbrel
