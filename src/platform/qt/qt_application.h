#pragma once

#include "platform/application.h"

namespace nimbrel {

// The running QApplication as the controller sees it.
class QtApplication final : public Application {
public:
    QtApplication() = default;

    // Asks the window manager to focus the program's visible windows; it may refuse, which is fine.
    void activateIgnoringOtherApps(bool flag) override;
};

} // namespace nimbrel
