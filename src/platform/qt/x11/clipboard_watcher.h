#pragma once

#include "platform/qt/clipboard_backend.h"
#include "platform/qt/read_limits.h"
#include "platform/qt/wakeable_thread.h"

#include <xcb/xcb.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace nimbrel {

class AtomCache;
class XcbSession;

// Watches the X11 CLIPBOARD selection from a thread of its own, with its own X connection, and
// reads each new owner once into a snapshot. A slow or hung owner only ever delays that thread;
// a newer owner change abandons the read in progress. Owner changes are numbered as they are seen
// (generations); the program's own window taking the clipboard is not one and is never read back.
// When the connection breaks (the server reset, the connection killed), the watcher says so once
// and connects again, pausing longer between attempts; when the display stays away, it gives up.
class ClipboardWatcher : private WakeableThread {
public:
    // The newest owner change seen, and the time the X server recorded for it.
    struct Latest {
        std::uint64_t generation = 0;
        xcb_timestamp_t time = XCB_CURRENT_TIME;
    };
    using WindowTest = std::function<bool(xcb_window_t)>;
    // Serves the kept offer in place of an owner that is gone; false when it could not.
    using TakeOver = std::function<bool(std::shared_ptr<const ClipboardOffer>)>;

    // keeping says whether reads take the kept types too, for takeOver to serve when the owner of
    // what was read quits (once per copy; that is no change); isOwnWindow tells the program's own
    // windows; displayGone is called, on the watcher's thread, when the display could not be
    // reached again.
    ClipboardWatcher(ReadLimits limits, const std::atomic<bool> &keeping, WindowTest isOwnWindow,
                     ClipboardBackend::ChangeHandler handler, std::function<void()> displayGone, TakeOver takeOver);
    ~ClipboardWatcher();
    ClipboardWatcher(const ClipboardWatcher &) = delete;
    ClipboardWatcher &operator=(const ClipboardWatcher &) = delete;

    // False when the display or its XFixes extension cannot be reached.
    bool started() const { return threadStarted(); }
    Latest latest() const;
    // Lets go of what is kept: nothing is taken over until the next change. Safe from any thread.
    void forgetKept();
    // Whether the contents of this owner, the newest, are kept: nullopt while they are still being
    // read, or the owner's change has not been seen yet.
    std::optional<bool> keptState(xcb_window_t owner) const;

private:
    struct Pending {
        xcb_window_t owner = XCB_WINDOW_NONE;
        xcb_timestamp_t time = XCB_CURRENT_TIME;
        std::uint64_t generation = 0;
        bool initial = false;
        // A read after the connection came back: a change only if it finds other contents.
        bool reread = false;
        // The copy another keeper took over before us: the same again is no new copy.
        std::shared_ptr<const ClipboardOffer> keptBefore;
    };

    void run(Pending initial);
    // Reads owner changes until stopped or the connection breaks.
    void watch(std::optional<Pending> pending);
    bool reconnect();
    // Counts an owner change by another client; nullopt for one of the program's own.
    std::optional<Pending> seen(xcb_window_t owner, xcb_timestamp_t time);
    // Notes what is kept of the contents read for a generation.
    void keep(std::shared_ptr<const ClipboardOffer> offer, std::uint64_t generation);
    // Serves what is kept of the newest contents, whose owner is gone; false when nothing is.
    bool tookOver();

    ReadLimits m_limits;
    const std::atomic<bool> *m_keeping = nullptr;
    WindowTest m_isOwnWindow;
    ClipboardBackend::ChangeHandler m_handler;
    std::function<void()> m_displayGone;
    TakeOver m_takeOver;
    mutable std::mutex m_mutex;
    Latest m_latest;
    // The generation whose read ended last, and what is kept of it until it is taken over.
    std::uint64_t m_readGeneration = 0;
    xcb_window_t m_latestOwner = XCB_WINDOW_NONE;
    std::shared_ptr<const ClipboardOffer> m_kept;
    // The copy last taken over, by us or by another keeper first, until the next owner change:
    // the next owner offering the same copy only hands it on.
    std::shared_ptr<const ClipboardOffer> m_keptByAnother;
    // Held while taking over, so that a clear that forgets the kept contents comes after it.
    std::mutex m_takeOverMutex;
    // What was read last, while the program still holds it, so a reread after a reconnection
    // tells whether the clipboard changed meanwhile. Window ids are reused, so only the contents
    // can tell.
    std::weak_ptr<const ClipboardSnapshot> m_lastRead;
    std::unique_ptr<XcbSession> m_session;
    std::unique_ptr<AtomCache> m_atoms;
};

} // namespace nimbrel
