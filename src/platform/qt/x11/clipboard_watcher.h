#pragma once

#include "platform/qt/clipboard_backend.h"
#include "platform/qt/read_limits.h"

#include <xcb/xcb.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace nimbrel {

class AtomCache;
class XcbSession;

// Watches the X11 CLIPBOARD selection from a thread of its own, with its own X connection, and
// reads each new owner once into a snapshot. A slow or hung owner only ever delays that thread;
// a newer owner change abandons the read in progress. Owner changes are numbered as they are seen
// (generations); the program's own window taking the clipboard is not one and is never read back.
class ClipboardWatcher {
public:
    // The newest owner change seen, and the time the X server recorded for it.
    struct Latest {
        std::uint64_t generation = 0;
        xcb_timestamp_t time = XCB_CURRENT_TIME;
    };

    ClipboardWatcher(ReadLimits limits, xcb_window_t ownWindow, ClipboardBackend::ChangeHandler handler);
    ~ClipboardWatcher();
    ClipboardWatcher(const ClipboardWatcher &) = delete;
    ClipboardWatcher &operator=(const ClipboardWatcher &) = delete;

    // False when the display or its XFixes extension cannot be reached.
    bool started() const { return m_thread.joinable(); }
    Latest latest() const;

private:
    struct Pending {
        xcb_window_t owner = XCB_WINDOW_NONE;
        xcb_timestamp_t time = XCB_CURRENT_TIME;
        std::uint64_t generation = 0;
        bool initial = false;
    };

    void run(Pending initial);
    // Counts an owner change by another client; nullopt for one of the program's own.
    std::optional<Pending> seen(xcb_window_t owner, xcb_timestamp_t time);

    ReadLimits m_limits;
    xcb_window_t m_ownWindow = XCB_WINDOW_NONE;
    ClipboardBackend::ChangeHandler m_handler;
    mutable std::mutex m_mutex;
    Latest m_latest;
    std::atomic<bool> m_stop{false};
    int m_wakeFd = -1;
    std::unique_ptr<XcbSession> m_session;
    std::unique_ptr<AtomCache> m_atoms;
    std::thread m_thread;
};

} // namespace nimbrel
