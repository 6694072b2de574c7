#include "fault/selection_owner.h"

#include <poll.h>

#include <cstdint>

namespace nimbrel {

SelectionOwner::SelectionOwner()
{
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection))
        return;
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    m_window = xcb_generate_id(m_connection);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    m_clipboard = atom("CLIPBOARD");
    m_targets = atom("TARGETS");
}

SelectionOwner::~SelectionOwner()
{
    xcb_disconnect(m_connection);
}

bool SelectionOwner::connected() const
{
    return m_window != XCB_WINDOW_NONE;
}

xcb_atom_t SelectionOwner::atom(std::string_view name)
{
    const auto cookie = xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeDeleter> reply(
        xcb_intern_atom_reply(m_connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool SelectionOwner::take()
{
    xcb_set_selection_owner(m_connection, m_window, m_clipboard, XCB_CURRENT_TIME);
    const std::unique_ptr<xcb_get_selection_owner_reply_t, FreeDeleter> owner(
        xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, m_clipboard), nullptr));
    return owner && owner->owner == m_window;
}

SelectionOwner::Event SelectionOwner::next(std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (Event event{xcb_poll_for_event(m_connection)})
            return event;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (broken() || left.count() < 0)
            return nullptr;
        pollfd descriptor{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        poll(&descriptor, 1, static_cast<int>(left.count()) + 1);
    }
}

bool SelectionOwner::broken() const
{
    return xcb_connection_has_error(m_connection) != 0;
}

xcb_atom_t SelectionOwner::propertyOf(const xcb_selection_request_event_t &request)
{
    return request.property == XCB_ATOM_NONE ? request.target : request.property;
}

void SelectionOwner::answerTargets(const xcb_selection_request_event_t &request, const std::vector<xcb_atom_t> &targets)
{
    const xcb_atom_t property = propertyOf(request);
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(targets.size()), targets.data());
    notify(request, property);
}

void SelectionOwner::answerBytes(const xcb_selection_request_event_t &request, xcb_atom_t type, std::string_view bytes)
{
    const xcb_atom_t property = propertyOf(request);
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, property, type, 8,
                        static_cast<std::uint32_t>(bytes.size()), bytes.data());
    notify(request, property);
}

void SelectionOwner::refuse(const xcb_selection_request_event_t &request)
{
    notify(request, XCB_ATOM_NONE);
}

void SelectionOwner::notify(const xcb_selection_request_event_t &request, xcb_atom_t property)
{
    xcb_selection_notify_event_t event{};
    event.response_type = XCB_SELECTION_NOTIFY;
    event.time = request.time;
    event.requestor = request.requestor;
    event.selection = request.selection;
    event.target = request.target;
    event.property = property;
    xcb_send_event(m_connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    xcb_flush(m_connection);
}

} // namespace nimbrel
