#pragma once

#include "platform/qt/x11/xcb_pointer.h"

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>

namespace nimbrel {

class AtomCache;

// A change of the CLIPBOARD owner as XFixes reports it.
struct OwnerChange {
    xcb_window_t owner = XCB_WINDOW_NONE;
    xcb_timestamp_t time = XCB_CURRENT_TIME;
    // The owner's window was destroyed or its client closed, rather than a client taking it.
    bool ownerGone = false;
};

// The X side of the clipboard watcher: a connection of its own, XFixes, and the window that
// receives CLIPBOARD owner changes.
class XcbSession {
public:
    XcbSession();
    ~XcbSession();
    XcbSession(const XcbSession &) = delete;
    XcbSession &operator=(const XcbSession &) = delete;

    // False without a usable display or without XFixes, which any current X server has.
    bool open(AtomCache &atoms);
    // Asked after owner changes are selected, so none can slip between the two.
    xcb_window_t currentOwner();
    // The owner change the event announces, if it is one for CLIPBOARD.
    std::optional<OwnerChange> ownerChange(const xcb_generic_event_t &event) const;

    xcb_connection_t *connection() const { return m_connection; }
    xcb_window_t root() const { return m_root; }
    std::uint8_t ownerChangeEvent() const { return m_ownerChangeEvent; }

private:
    int m_screen = 0;
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = XCB_WINDOW_NONE;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    xcb_atom_t m_clipboard = XCB_ATOM_NONE;
    std::uint8_t m_ownerChangeEvent = 0;
};

} // namespace nimbrel
