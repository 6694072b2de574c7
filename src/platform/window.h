#pragma once

namespace nimbrel {

// A top-level window of the interface.
class Window {
public:
    Window() = default;
    virtual ~Window() = default;
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    // Centres the window on the screen.
    virtual void center() = 0;
    // Shows the window above the others even when the program is not active.
    virtual void orderFrontRegardless() = 0;
    // Takes the window off the screen; it keeps its contents.
    virtual void orderOut() = 0;
    // Lets the user move the window by dragging its background.
    virtual void setMovableByWindowBackground(bool movable) = 0;
};

} // namespace nimbrel
