#pragma once

#include "platform/qt/clipboard_snapshot.h"
#include "platform/qt/read_limits.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

namespace nimbrel {

class AtomCache;
class XcbSession;

// Watches the X11 CLIPBOARD selection from a thread of its own, with its own X connection, and
// reads each new owner once into a snapshot. A slow or hung owner only ever delays that thread;
// a newer owner change abandons the read in progress.
class ClipboardWatcher {
public:
    // The X resource ids of the program's own toolkit connection: owners among them are the
    // program's own writes, which are never read back.
    struct OwnClient {
        std::uint32_t base = 0;
        std::uint32_t mask = 0;
    };
    struct Change {
        std::shared_ptr<const ClipboardSnapshot> snapshot;
        // The contents found at start-up rather than a change.
        bool initial = false;
        // ownWrites() when the owner change was seen; a different value now means one of the
        // program's own writes came after it.
        std::uint64_t ownWrites = 0;
    };
    // Called on the watcher's thread.
    using ChangeHandler = std::function<void(Change)>;

    ClipboardWatcher(ReadLimits limits, OwnClient ownClient, ChangeHandler handler);
    ~ClipboardWatcher();
    ClipboardWatcher(const ClipboardWatcher &) = delete;
    ClipboardWatcher &operator=(const ClipboardWatcher &) = delete;

    // To be called after each of the program's own writes has taken the clipboard.
    void noteOwnWrite() { m_ownWrites.fetch_add(1); }
    std::uint64_t ownWrites() const { return m_ownWrites.load(); }

private:
    void run(std::uint32_t initialOwner);

    ReadLimits m_limits;
    OwnClient m_ownClient;
    ChangeHandler m_handler;
    std::atomic<std::uint64_t> m_ownWrites{0};
    std::atomic<bool> m_stop{false};
    int m_wakeFd = -1;
    std::unique_ptr<XcbSession> m_session;
    std::unique_ptr<AtomCache> m_atoms;
    std::thread m_thread;
};

} // namespace nimbrel
