#include "platform/qt/x11/xcb_event_source.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <climits>

namespace nimbrel {

XcbEventSource::XcbEventSource(xcb_connection_t *connection, int wakeFd, const std::atomic<bool> &stop)
    : m_connection(connection)
    , m_wakeFd(wakeFd)
    , m_stop(stop)
{
}

bool XcbEventSource::finished() const
{
    return m_stop.load() || xcb_connection_has_error(m_connection) != 0;
}

XcbPointer<xcb_generic_event_t> XcbEventSource::next(Deadline deadline)
{
    xcb_flush(m_connection);
    for (;;) {
        if (finished())
            return nullptr;
        // Replies read earlier may have queued events already, so ask libxcb before the socket.
        if (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
            return XcbPointer<xcb_generic_event_t>(event);
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return nullptr;
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count();
        pollfd fds[] = {{xcb_get_file_descriptor(m_connection), POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
        if (poll(fds, 2, static_cast<int>(std::min<long long>(wait, INT_MAX))) < 0 && errno != EINTR)
            return nullptr;
    }
}

} // namespace nimbrel
