#include "platform/qt/clipboard_watcher.h"

#include "platform/qt/atom_cache.h"
#include "platform/qt/selection_transfer.h"
#include "platform/qt/snapshot_building.h"
#include "platform/qt/xcb_event_source.h"
#include "platform/qt/xcb_session.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <optional>

namespace nimbrel {

ClipboardWatcher::ClipboardWatcher(ReadLimits limits, OwnClient ownClient, ChangeHandler handler)
    : m_limits(limits)
    , m_ownClient(ownClient)
    , m_handler(std::move(handler))
    , m_wakeFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
    , m_session(std::make_unique<XcbSession>())
    , m_atoms(std::make_unique<AtomCache>(m_session->connection()))
{
    // Set up here rather than on the thread, so that whatever is copied once the constructor
    // has returned counts as a change and not as the contents found at start-up.
    if (m_wakeFd < 0 || !m_session->open(*m_atoms))
        return;
    const xcb_window_t owner = m_session->currentOwner();
    m_thread = std::thread([this, owner] { run(owner); });
}

ClipboardWatcher::~ClipboardWatcher()
{
    m_stop.store(true);
    const std::uint64_t one = 1;
    if (m_wakeFd >= 0)
        [[maybe_unused]] const auto written = write(m_wakeFd, &one, sizeof one);
    if (m_thread.joinable())
        m_thread.join();
    if (m_wakeFd >= 0)
        close(m_wakeFd);
}

void ClipboardWatcher::run(std::uint32_t initialOwner)
{
    XcbSession &session = *m_session;
    XcbEventSource events(session.connection(), m_wakeFd, m_stop);
    SelectionTransfer transfer(session.connection(), events, *m_atoms, session.root(), session.ownerChangeEvent(), m_limits);
    const auto isOwn = [this](xcb_window_t owner) {
        return owner != XCB_WINDOW_NONE && m_ownClient.mask != 0 && (owner & ~m_ownClient.mask) == m_ownClient.base;
    };
    const auto seen = [this](OwnerChange change) {
        change.ownWrites = m_ownWrites.load();
        return change;
    };

    std::optional<OwnerChange> pending = seen(OwnerChange{initialOwner, XCB_CURRENT_TIME, true, 0});
    while (!events.finished()) {
        if (!pending) {
            const XcbPointer<xcb_generic_event_t> event = events.next(XcbEventSource::Deadline::max());
            if (event) {
                if (std::optional<OwnerChange> change = session.ownerChange(*event))
                    pending = seen(*change);
            }
            continue;
        }
        // Of a burst of changes only the last one matters.
        while (XcbPointer<xcb_generic_event_t> queued = events.next(XcbEventSource::Deadline::min())) {
            if (std::optional<OwnerChange> change = session.ownerChange(*queued))
                pending = seen(*change);
        }
        const OwnerChange change = *pending;
        pending.reset();
        if (isOwn(change.owner))
            continue;
        auto snapshot = std::make_shared<ClipboardSnapshot>();
        if (change.owner != XCB_WINDOW_NONE) {
            std::optional<OwnerContents> contents = transfer.read(change.time);
            if (!contents) {
                if (const XcbPointer<xcb_generic_event_t> newer = transfer.takeInterruption()) {
                    if (std::optional<OwnerChange> change = session.ownerChange(*newer))
                        pending = seen(*change);
                }
                continue;
            }
            *snapshot = snapshotOfOwner(std::move(*contents));
        }
        m_handler(Change{std::move(snapshot), change.initial, change.ownWrites});
    }
}

} // namespace nimbrel
