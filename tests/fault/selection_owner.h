#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

namespace nimbrel {

// The X11 side shared by the fault peers: a connection, a window and the CLIPBOARD selection.
// Written against xcb alone so that the peers share no code with the program under test.
class SelectionOwner {
public:
    struct FreeDeleter {
        void operator()(void *pointer) const { std::free(pointer); }
    };
    using Event = std::unique_ptr<xcb_generic_event_t, FreeDeleter>;

    SelectionOwner();
    ~SelectionOwner();
    SelectionOwner(const SelectionOwner &) = delete;
    SelectionOwner &operator=(const SelectionOwner &) = delete;

    // False when the display cannot be opened.
    bool connected() const;
    xcb_atom_t atom(std::string_view name);
    // Takes CLIPBOARD and waits for the server to confirm it; false when someone else still owns it.
    bool take();
    // The next event, or null once the timeout passes or the connection breaks.
    Event next(std::chrono::milliseconds timeout);
    bool broken() const;

    void answerTargets(const xcb_selection_request_event_t &request, const std::vector<xcb_atom_t> &targets);
    void answerBytes(const xcb_selection_request_event_t &request, xcb_atom_t type, std::string_view bytes);
    void refuse(const xcb_selection_request_event_t &request);
    // Tells the requestor its property holds the answer.
    void notify(const xcb_selection_request_event_t &request, xcb_atom_t property);

    xcb_connection_t *connection() const { return m_connection; }
    xcb_atom_t clipboard() const { return m_clipboard; }
    xcb_atom_t targets() const { return m_targets; }

    // Obsolete clients name no property and expect the target's name to be used.
    static xcb_atom_t propertyOf(const xcb_selection_request_event_t &request);

private:
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    xcb_atom_t m_clipboard = XCB_ATOM_NONE;
    xcb_atom_t m_targets = XCB_ATOM_NONE;
};

} // namespace nimbrel
