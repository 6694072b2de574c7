#include "platform/qt/x11/xcb_session.h"

#include "platform/qt/x11/atom_cache.h"
#include "platform/qt/x11/hidden_window.h"
#include "platform/qt/x11/selection_owner_watch.h"

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
    m_root = rootOfScreen(m_connection, m_screen);
    if (m_root == XCB_WINDOW_NONE)
        return false;
    m_clipboard = atoms.intern("CLIPBOARD");
    m_window = createHiddenWindow(m_connection, m_root, "nimbrel clipboard reader");
    m_ownerChangeEvent = watchSelectionOwner(m_connection, m_window, m_clipboard);
    return m_ownerChangeEvent != 0;
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
