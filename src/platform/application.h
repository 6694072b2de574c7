#pragma once

namespace nimbrel {

// The running program as the desktop sees it.
class Application {
public:
    Application() = default;
    virtual ~Application() = default;
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Makes the program the active one, taking focus from the application that has it.
    virtual void activateIgnoringOtherApps(bool flag) = 0;
};

} // namespace nimbrel
