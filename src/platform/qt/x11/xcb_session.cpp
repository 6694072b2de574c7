#include "platform/qt/x11/xcb_session.h"

#include "platform/qt/x11/atom_cache.h"
#include "platform/qt/x11/hidden_window.h"

#include <xcb/xfixes.h>

namespace nimbrel {

XcbSession::XcbSession()
    : m_connection(xcb_connect(nullptr, &m_screen))
{
}

XcbSession::~XcbSession()
{
    if (m_window != XCB_WINDOW_NONE)
        xcb_destroy_window(m_connection, m_window);
    xcb_disconnect(m_connection);
}

bool XcbSession::open(AtomCache &atoms)
{
    if (xcb_connection_has_error(m_connection))
        return false;
    const xcb_query_extension_reply_t *xfixes = xcb_get_extension_data(m_connection, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present)
        return false;
    const XcbPointer<xcb_xfixes_query_version_reply_t> version(xcb_xfixes_query_version_reply(
        m_connection, xcb_xfixes_query_version(m_connection, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION),
        nullptr));
    if (!version)
        return false;
    m_ownerChangeEvent = static_cast<std::uint8_t>(xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY);

    m_root = rootOfScreen(m_connection, m_screen);
    if (m_root == XCB_WINDOW_NONE)
        return false;
    m_clipboard = atoms.intern("CLIPBOARD");

    m_window = createHiddenWindow(m_connection, m_root, "nimbrel clipboard reader");
    xcb_xfixes_select_selection_input(m_connection, m_window, m_clipboard,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    return true;
}

xcb_window_t XcbSession::currentOwner()
{
    const XcbPointer<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, m_clipboard), nullptr));
    return reply ? reply->owner : xcb_window_t{XCB_WINDOW_NONE};
}

std::optional<OwnerChange> XcbSession::ownerChange(const xcb_generic_event_t &event) const
{
    if ((event.response_type & 0x7F) != m_ownerChangeEvent)
        return std::nullopt;
    const auto &notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t &>(event);
    if (notify.selection != m_clipboard)
        return std::nullopt;
    return OwnerChange{notify.owner, notify.selection_timestamp,
                       notify.subtype != XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER};
}

} // namespace nimbrel
