#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <string_view>

namespace nimbrel {

// An unmapped input-only window for talking to other clients through the X server, named so that
// a person (or a test, with xkill) can tell which of the program's connections made it.
xcb_window_t createHiddenWindow(xcb_connection_t *connection, xcb_window_t root, std::string_view name,
                                std::uint32_t eventMask = 0);

// The root window of the screen the connection was opened for; XCB_WINDOW_NONE when there is none.
xcb_window_t rootOfScreen(xcb_connection_t *connection, int screen);

} // namespace nimbrel
