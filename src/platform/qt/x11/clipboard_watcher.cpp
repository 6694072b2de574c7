#include "platform/qt/x11/clipboard_watcher.h"

#include "platform/qt/kept_contents.h"
#include "platform/qt/snapshot_building.h"
#include "platform/qt/snapshot_comparison.h"
#include "platform/qt/x11/atom_cache.h"
#include "platform/qt/x11/reconnect_backoff.h"
#include "platform/qt/x11/selection_transfer.h"
#include "platform/qt/x11/xcb_event_source.h"
#include "platform/qt/x11/xcb_session.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace nimbrel {
namespace {

// A server that resets is back within a second or two; one gone this long is not coming back.
constexpr auto displayPatience = std::chrono::seconds(10);

} // namespace

ClipboardWatcher::ClipboardWatcher(ReadLimits limits, const std::atomic<bool> &keeping, WindowTest isOwnWindow,
                                   ClipboardBackend::ChangeHandler handler, std::function<void()> displayGone,
                                   TakeOver takeOver)
    : m_limits(limits)
    , m_keeping(&keeping)
    , m_isOwnWindow(std::move(isOwnWindow))
    , m_handler(std::move(handler))
    , m_displayGone(std::move(displayGone))
    , m_takeOver(std::move(takeOver))
    , m_session(std::make_unique<XcbSession>())
    , m_atoms(std::make_unique<AtomCache>(m_session->connection()))
{
    // Set up here rather than on the thread, so that whatever is copied once the constructor
    // has returned counts as a change and not as the contents found at start-up.
    if (m_wakeFd < 0 || !m_session->open(*m_atoms))
        return;
    Pending initial{m_session->currentOwner(), XCB_CURRENT_TIME, 1, true, false, nullptr};
    m_latest = {initial.generation, initial.time};
    m_latestOwner = initial.owner;
    startThread([this, initial] { run(initial); });
}

ClipboardWatcher::~ClipboardWatcher()
{
    stopThread();
}

ClipboardWatcher::Latest ClipboardWatcher::latest() const
{
    const std::lock_guard lock(m_mutex);
    return m_latest;
}

std::optional<ClipboardWatcher::Pending> ClipboardWatcher::seen(xcb_window_t owner, xcb_timestamp_t time)
{
    if (owner != XCB_WINDOW_NONE && m_isOwnWindow(owner))
        return std::nullopt;
    const std::lock_guard lock(m_mutex);
    m_latest = {m_latest.generation + 1, time};
    m_latestOwner = owner;
    // The kept bytes of the copy before go as soon as the next one comes.
    m_kept.reset();
    Pending pending{owner, time, m_latest.generation, false, false, nullptr};
    if (owner != XCB_WINDOW_NONE)
        pending.keptBefore = std::move(m_keptByAnother);
    return pending;
}

void ClipboardWatcher::keep(std::shared_ptr<const ClipboardOffer> offer, std::uint64_t generation)
{
    const std::lock_guard lock(m_mutex);
    if (generation != m_latest.generation)
        return;
    m_readGeneration = generation;
    m_kept = m_keeping->load() ? std::move(offer) : nullptr;
}

void ClipboardWatcher::forgetKept()
{
    const std::lock_guard takeOverLock(m_takeOverMutex);
    const std::lock_guard lock(m_mutex);
    m_kept.reset();
    m_keptByAnother.reset();
}

std::optional<bool> ClipboardWatcher::keptState(xcb_window_t owner) const
{
    const std::lock_guard lock(m_mutex);
    if (m_readGeneration != m_latest.generation || m_latestOwner != owner)
        return std::nullopt;
    return m_kept != nullptr;
}

bool ClipboardWatcher::tookOver()
{
    const std::lock_guard takeOverLock(m_takeOverMutex);
    std::shared_ptr<const ClipboardOffer> kept;
    {
        const std::lock_guard lock(m_mutex);
        if (!m_keeping->load() || m_readGeneration != m_latest.generation)
            return false;
        // Taken over once at most: should another keeper take the clipboard from us, that is the
        // next copy, not this one again.
        kept = std::move(m_kept);
        m_kept.reset();
    }
    if (!kept)
        return false;
    const bool taken = m_takeOver(kept);
    // Taken over by us or by another keeper first, the same copy from the next owner is only
    // handed on.
    const std::lock_guard lock(m_mutex);
    m_keptByAnother = std::move(kept);
    return taken;
}

void ClipboardWatcher::run(Pending initial)
{
    std::optional<Pending> pending = initial;
    for (;;) {
        watch(pending);
        if (m_stop.load())
            return;
        std::fprintf(stderr, "nimbrel: %s\n",
                     qPrintable(QCoreApplication::translate(
                         "ClipboardWatcher", "lost the X11 connection that reads the clipboard; connecting again")));
        if (!reconnect())
            return;
        // The clipboard may have changed while the connection was down.
        pending = seen(m_session->currentOwner(), XCB_CURRENT_TIME);
        if (pending)
            pending->reread = true;
    }
}

bool ClipboardWatcher::reconnect()
{
    ReconnectBackoff backoff(m_wakeFd, m_stop);
    while (backoff.wait()) {
        auto session = std::make_unique<XcbSession>();
        auto atoms = std::make_unique<AtomCache>(session->connection());
        if (session->open(*atoms)) {
            m_atoms = std::move(atoms);
            m_session = std::move(session);
            std::fprintf(stderr, "nimbrel: %s\n",
                         qPrintable(QCoreApplication::translate("ClipboardWatcher", "connected to the X display again")));
            return true;
        }
        if (backoff.elapsed() > displayPatience) {
            const char *display = std::getenv("DISPLAY");
            std::fprintf(stderr, "nimbrel: %s\n",
                         qPrintable(QCoreApplication::translate("ClipboardWatcher", "the X display %1 is gone; quitting")
                                        .arg(QString::fromLocal8Bit(display ? display : ""))));
            m_displayGone();
            return false;
        }
    }
    return false;
}

void ClipboardWatcher::watch(std::optional<Pending> pending)
{
    XcbSession &session = *m_session;
    XcbEventSource events(session.connection(), m_wakeFd, m_stop);
    SelectionTransfer transfer(session.connection(), events, *m_atoms, session.root(), session.ownerChangeEvent(),
                               m_limits);
    const auto changeOf = [&](const xcb_generic_event_t &event) -> std::optional<Pending> {
        const std::optional<OwnerChange> change = session.ownerChange(event);
        if (!change || (change->ownerGone && tookOver()))
            return std::nullopt;
        return seen(change->owner, change->time);
    };

    // Of a burst of changes only the last one matters.
    const auto catchUp = [&] {
        while (XcbPointer<xcb_generic_event_t> queued = events.next(XcbEventSource::Deadline::min())) {
            if (std::optional<Pending> newer = changeOf(*queued))
                pending = newer;
        }
    };

    while (!events.finished()) {
        if (!pending) {
            if (const XcbPointer<xcb_generic_event_t> event = events.next(XcbEventSource::Deadline::max()))
                pending = changeOf(*event);
            continue;
        }
        catchUp();
        const Pending change = *pending;
        pending.reset();
        auto snapshot = std::make_shared<ClipboardSnapshot>();
        bool sameCopy = false;
        if (change.owner != XCB_WINDOW_NONE) {
            std::optional<OwnerContents> contents = transfer.read(change.time, m_keeping->load());
            // A newer owner, or the owner quitting, that ended the read: it counts once what was
            // read is kept, so that a copy whose owner quit during its read can be taken over.
            const XcbPointer<xcb_generic_event_t> ending = transfer.takeInterruption();
            if (!contents) {
                if (ending)
                    pending = changeOf(*ending);
                continue;
            }
            std::shared_ptr<const ClipboardOffer> kept = keptOffer(*contents);
            sameCopy = change.keptBefore && kept && sameKeptCopy(*kept, *change.keptBefore);
            keep(kept, change.generation);
            if (ending)
                pending = changeOf(*ending);
            // An owner that quits as soon as it has been read is gone by now: taken over before the
            // snapshot is built, the copy is off the clipboard as briefly as can be.
            catchUp();
            *snapshot = snapshotOfOwner(std::move(*contents), kept.get());
        } else {
            keep(nullptr, change.generation);
        }
        const std::shared_ptr<const ClipboardSnapshot> lastRead = m_lastRead.lock();
        const bool unchanged = change.reread && lastRead && sameContents(*snapshot, *lastRead);
        m_lastRead = snapshot;
        m_handler(ClipboardBackend::Change{std::move(snapshot), change.generation, change.initial || unchanged || sameCopy});
    }
}

} // namespace nimbrel
