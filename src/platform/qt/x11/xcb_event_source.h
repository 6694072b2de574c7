#pragma once

#include "platform/qt/x11/xcb_pointer.h"

#include <xcb/xcb.h>

#include <atomic>
#include <chrono>

namespace nimbrel {

// The events of one X connection, waited for with a deadline and a way out: a write to wakeFd
// (with stop set) ends any wait at once.
class XcbEventSource {
public:
    using Deadline = std::chrono::steady_clock::time_point;

    XcbEventSource(xcb_connection_t *connection, int wakeFd, const std::atomic<bool> &stop);

    // The next event; null when the deadline passed, stop was set or the connection broke.
    XcbPointer<xcb_generic_event_t> next(Deadline deadline);
    // True when waiting any longer is pointless: stop was set or the connection broke.
    bool finished() const;

private:
    xcb_connection_t *m_connection = nullptr;
    int m_wakeFd = -1;
    const std::atomic<bool> &m_stop;
};

} // namespace nimbrel
