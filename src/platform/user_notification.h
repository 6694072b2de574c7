#pragma once

#include "platform/shared_text.h"

#include <string>

namespace nimbrel {

// A desktop notification as the program fills it in; the centre decides how it looks.
struct UserNotification {
    std::string title;
    SharedText informativeText;
    bool hasActionButton = true;
    std::string otherButtonTitle;
};

} // namespace nimbrel
