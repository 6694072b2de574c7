#pragma once

#include <xcb/xcb.h>

#include <cstdint>

namespace nimbrel {

// Asks XFixes to tell the window whenever a client takes the selection, or its owner's window or
// client goes. The type of those events; 0 where the server has no XFixes.
std::uint8_t watchSelectionOwner(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t selection);

} // namespace nimbrel
