#include "platform/qt/x11/selection_owner_watch.h"

#include "platform/qt/x11/xcb_pointer.h"

#include <xcb/xfixes.h>

namespace nimbrel {

std::uint8_t watchSelectionOwner(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t selection)
{
    const xcb_query_extension_reply_t *xfixes = xcb_get_extension_data(connection, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present)
        return 0;
    // XFixes serves a client only once it has asked for the version.
    const XcbPointer<xcb_xfixes_query_version_reply_t> version(xcb_xfixes_query_version_reply(
        connection, xcb_xfixes_query_version(connection, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION), nullptr));
    if (!version)
        return 0;
    xcb_xfixes_select_selection_input(connection, window, selection,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    return static_cast<std::uint8_t>(xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY);
}

} // namespace nimbrel
