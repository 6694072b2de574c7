#include "platform/qt/wayland/wayland_clipboard.h"

#include "platform/qt/kept_contents.h"
#include "platform/qt/snapshot_building.h"
#include "platform/qt/snapshot_comparison.h"
#include "platform/qt/wayland/data_control_connection.h"
#include "platform/qt/wayland/data_control_protocol.h"
#include "platform/qt/x11/reconnect_backoff.h"

#include <QCoreApplication>

#include <wayland-client.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>

namespace nimbrel {
namespace {

// An owner listing more MIME types than this is cut short: no real program comes near it.
constexpr std::size_t mostMimeTypes = 1024;
// A compositor that restarts is back within a second or two; one gone this long is not coming back.
constexpr auto compositorPatience = std::chrono::seconds(10);
// A compositor answers a round trip at once; the GUI thread waits no longer than this on a stuck one.
constexpr auto compositorAnswerTime = std::chrono::seconds(1);

WaylandClipboard &clipboardOf(void *data)
{
    return *static_cast<WaylandClipboard *>(data);
}

} // namespace

WaylandClipboard::Offer::~Offer()
{
    destroyDataControlObject(proxy);
}

WaylandClipboard::WaylandClipboard(std::unique_ptr<DataControlConnection> connection, ReadLimits limits,
                                   std::function<void()> compositorGone)
    : m_connection(std::move(connection))
    , m_limits(limits)
    , m_compositorGone(std::move(compositorGone))
{
}

WaylandClipboard::~WaylandClipboard()
{
    stopThread();
    // Offers and sources go before the connection they belong to.
    m_pending.reset();
    m_introduced.reset();
    dropSource();
    if (m_writeCheck)
        wl_callback_destroy(m_writeCheck);
    if (m_device)
        destroyDataControlObject(m_device);
    // Closed unserved: this thread does not block SIGPIPE, which a paster gone meanwhile would raise.
    for (const auto &arrived : m_arrivedTransfers)
        ::close(arrived.first);
}

bool WaylandClipboard::start(ChangeHandler handler)
{
    m_handler = std::move(handler);
    if (m_wakeFd < 0)
        return false;
    // The current selection is awaited here rather than on the thread, so that whatever is copied
    // once start has returned is a change.
    {
        const std::lock_guard lock(m_mutex);
        if (!attach(Attaching::AtStart))
            return false;
    }
    startThread([this] { run(); });
    return true;
}

bool WaylandClipboard::attach(Attaching how)
{
    static const DataControlDeviceListener listener{
        [](void *data, wl_proxy *, wl_proxy *offer) { clipboardOf(data).introduced(offer); },
        [](void *data, wl_proxy *, wl_proxy *offer) { clipboardOf(data).selected(offer); },
        [](void *data, wl_proxy *) { clipboardOf(data).deviceFinished(); },
        [](void *data, wl_proxy *, wl_proxy *offer) { clipboardOf(data).primarySelected(offer); },
    };
    m_device = getDataDevice(m_connection->protocol(), m_connection->manager(), m_connection->seat());
    wl_proxy_add_listener(m_device, reinterpret_cast<void (**)(void)>(const_cast<DataControlDeviceListener *>(&listener)),
                          this);
    // The compositor answers a new device with the current selection.
    m_attaching = how;
    const int answered = wl_display_roundtrip(m_connection->display());
    m_attaching = Attaching::No;
    if (answered < 0)
        return false;
    if (!m_pending)
        m_pending = Pending{nullptr, ++m_generation, how == Attaching::AtStart, how == Attaching::Again, nullptr, nullptr};
    return true;
}

bool WaylandClipboard::connected() const
{
    const std::lock_guard lock(m_mutex);
    return m_connection && m_device && wl_display_get_error(m_connection->display()) == 0;
}

std::uint64_t WaylandClipboard::latestGeneration() const
{
    const std::lock_guard lock(m_mutex);
    return m_generation;
}

bool WaylandClipboard::write(std::shared_ptr<const ClipboardOffer> offer, std::uint64_t basis)
{
    const std::lock_guard lock(m_mutex);
    if (!m_connection || !m_device || basis != m_generation || wl_display_get_error(m_connection->display()) != 0)
        return false;
    // A copy the compositor has announced but the reading thread not yet dispatched makes the write stale too.
    const bool current = hearOut() && m_device && basis == m_generation;
    wakeThread();
    if (!current)
        return false;
    // The rewrite stands for the copy: its kept contents are not served over it.
    letGoOfKept();
    placeSource(std::move(offer), false);
    if (!flush())
        return false;
    // Unconfirmed in time, the write stands as made; the check is settled when the answer comes.
    awaitCompositor([this] { return !m_writeCheck; });
    wakeThread();
    return m_replacedUnread == 0;
}

bool WaylandClipboard::hearOut()
{
    static const wl_callback_listener heard{[](void *data, wl_callback *, std::uint32_t) { *static_cast<bool *>(data) = true; }};
    bool caughtUp = false;
    wl_callback *sync = wl_display_sync(m_connection->display());
    wl_callback_add_listener(sync, &heard, &caughtUp);
    const bool answered = awaitCompositor([&] { return caughtUp; });
    wl_callback_destroy(sync);
    return answered;
}

void WaylandClipboard::placeSource(std::shared_ptr<const ClipboardOffer> offer, bool takingOver)
{
    static const DataControlSourceListener listener{
        [](void *data, wl_proxy *source, const char *mimeType, std::int32_t fd) {
            clipboardOf(data).sendRequested(source, mimeType, fd);
        },
        [](void *data, wl_proxy *source) { clipboardOf(data).cancelled(source); },
    };
    static const wl_callback_listener confirmed{[](void *data, wl_callback *, std::uint32_t) { clipboardOf(data).writeSettled(); }};
    if (m_writeCheck)
        writeSettled();
    wl_proxy *source = createDataSource(m_connection->protocol(), m_connection->manager());
    wl_proxy_add_listener(source, reinterpret_cast<void (**)(void)>(const_cast<DataControlSourceListener *>(&listener)),
                          this);
    for (const auto &format : offer->formats)
        offerMimeType(source, format.first.c_str());
    // The new source replaces the old one in one step, so the clipboard is never empty between.
    setSelection(m_device, source);
    dropSource();
    m_source = source;
    m_sourceOffer = std::move(offer);
    m_writeCheck = wl_display_sync(m_connection->display());
    wl_callback_add_listener(m_writeCheck, &confirmed, this);
    m_replacedUnread = 0;
    m_confirmingTakeOver = takingOver;
}

bool WaylandClipboard::awaitCompositor(const std::function<bool()> &answered)
{
    wl_display *display = m_connection->display();
    const auto deadline = std::chrono::steady_clock::now() + compositorAnswerTime;
    while (!answered()) {
        if (wl_display_prepare_read(display) != 0) {
            if (wl_display_dispatch_pending(display) < 0)
                return false;
            continue;
        }
        wl_display_flush(display);
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        pollfd socket{wl_display_get_fd(display), POLLIN, 0};
        if (left <= 0 || poll(&socket, 1, static_cast<int>(left)) != 1) {
            wl_display_cancel_read(display);
            if (left <= 0)
                return false;
            continue;
        }
        // With the reading thread also waiting on the connection, this returns once either has read.
        if (wl_display_read_events(display) < 0 || wl_display_dispatch_pending(display) < 0)
            return false;
    }
    return true;
}

void WaylandClipboard::writeSettled()
{
    wl_callback_destroy(std::exchange(m_writeCheck, nullptr));
    m_replacedUnread = m_selectionsSinceWrite > 1 ? m_selectionsSinceWrite - 1 : 0;
    m_selectionsSinceWrite = 0;
    if (m_replacedUnread == 0 || !m_sourceOffer)
        return;
    const int replaced = static_cast<int>(std::min<std::size_t>(m_replacedUnread, INT_MAX));
    std::fprintf(stderr, "nimbrel: %s\n",
                 qPrintable(QCoreApplication::translate(
                     "WaylandClipboard", "a write replaced %n newer copies on the clipboard before they could be read",
                     nullptr, replaced)));
    // The lost copies are counted, and the contents that replaced them are told as their change.
    m_generation += m_replacedUnread;
    OwnerContents contents;
    for (const auto &[type, bytes] : m_sourceOffer->formats) {
        contents.targets.push_back(type);
        contents.data.emplace(type, bytes.str());
    }
    // A kept copy was told when it was read: seen again after the lost copies, it is no change.
    m_pending = Pending{nullptr, m_generation, m_confirmingTakeOver, false,
                        std::make_shared<ClipboardSnapshot>(snapshotOfOwner(std::move(contents))), nullptr};
}

void WaylandClipboard::clear()
{
    const std::lock_guard lock(m_mutex);
    if (!m_device)
        return;
    letGoOfKept();
    m_emptying = true;
    setSelection(m_device, nullptr);
    dropSource();
    flush();
}

bool WaylandClipboard::flush()
{
    if (wl_display_flush(m_connection->display()) >= 0)
        return true;
    if (errno != EAGAIN)
        return false;
    // The socket is full for now: the reading thread sends the rest once the compositor reads.
    wakeThread();
    return true;
}

void WaylandClipboard::dropSource()
{
    if (m_source)
        destroyDataControlObject(m_source);
    m_source = nullptr;
    m_sourceOffer.reset();
}

void WaylandClipboard::introduced(wl_proxy *offer)
{
    static const DataControlOfferListener listener{[](void *data, wl_proxy *, const char *mimeType) {
        auto &mimeTypes = static_cast<Offer *>(data)->mimeTypes;
        if (mimeTypes.size() < mostMimeTypes)
            mimeTypes.emplace_back(mimeType);
    }};
    m_introduced = std::make_unique<Offer>(offer);
    wl_proxy_add_listener(offer, reinterpret_cast<void (**)(void)>(const_cast<DataControlOfferListener *>(&listener)),
                          m_introduced.get());
}

std::unique_ptr<WaylandClipboard::Offer> WaylandClipboard::takeIntroduced(wl_proxy *offer)
{
    if (!offer || !m_introduced || m_introduced->proxy != offer)
        return nullptr;
    return std::move(m_introduced);
}

void WaylandClipboard::selected(wl_proxy *offer)
{
    std::unique_ptr<Offer> introduced = takeIntroduced(offer);
    // Which of these is the write itself is known once the compositor confirms it. After that, any
    // selection is someone else's: the compositor cancels our source before it announces theirs.
    if (m_writeCheck) {
        ++m_selectionsSinceWrite;
        return;
    }
    m_emptying = false;
    // Data-control does not tell an owner that quit from one that emptied the clipboard: both
    // leave it empty, and a kept copy is served then, once.
    if (!offer && m_kept && !m_keptServed) {
        m_takeOverDue = true;
        wakeThread();
        return;
    }
    // Any older selection still waiting is dropped with its offer: only the newest matters.
    m_pending = Pending{std::move(introduced), ++m_generation, m_attaching == Attaching::AtStart,
                        m_attaching == Attaching::Again, nullptr, m_takeOverDue || m_keptServed ? m_kept : nullptr};
    letGoOfKept();
}

void WaylandClipboard::setKeeping(bool keeping)
{
    const std::lock_guard lock(m_mutex);
    m_keeping.store(keeping);
    if (!keeping)
        letGoOfKept();
}

void WaylandClipboard::letGoOfKept()
{
    m_kept.reset();
    m_takeOverDue = false;
    m_keptServed = false;
}

void WaylandClipboard::keep(std::uint64_t generation, std::shared_ptr<const ClipboardOffer> kept)
{
    const std::lock_guard lock(m_mutex);
    if (kept && m_keeping.load() && generation == m_generation && !m_emptying)
        m_kept = std::move(kept);
}

void WaylandClipboard::takeOver()
{
    // A copy announced since the owner quit is read rather than replaced.
    if (!hearOut() || !m_device || !m_takeOverDue)
        return;
    m_takeOverDue = false;
    m_keptServed = true;
    placeSource(m_kept, true);
    flush();
}

void WaylandClipboard::primarySelected(wl_proxy *offer)
{
    takeIntroduced(offer);
}

void WaylandClipboard::deviceFinished()
{
    std::fprintf(stderr, "nimbrel: %s\n",
                 qPrintable(QCoreApplication::translate(
                     "WaylandClipboard", "the Wayland compositor ended the clipboard's data-control device")));
    destroyDataControlObject(std::exchange(m_device, nullptr));
}

void WaylandClipboard::sendRequested(wl_proxy *source, const char *mimeType, int fd)
{
    const SharedText *bytes = source == m_source && m_sourceOffer ? m_sourceOffer->find(mimeType) : nullptr;
    if (!bytes) {
        ::close(fd);
        return;
    }
    m_arrivedTransfers.emplace_back(fd, *bytes);
}

void WaylandClipboard::adoptTransfers()
{
    const auto now = std::chrono::steady_clock::now();
    for (auto &[fd, bytes] : m_arrivedTransfers)
        m_transfers.add(fd, std::move(bytes), now);
    m_arrivedTransfers.clear();
}

void WaylandClipboard::cancelled(wl_proxy *source)
{
    if (source == m_source) {
        // The write's own selection came before the copy that cancels it: the check is complete.
        if (m_writeCheck)
            writeSettled();
        dropSource();
    }
    else
        destroyDataControlObject(source);
}

void WaylandClipboard::dispatch()
{
    const std::lock_guard lock(m_mutex);
    wl_display_dispatch_pending(m_connection->display());
}

bool WaylandClipboard::prepareRead(wl_display *display)
{
    const std::lock_guard lock(m_mutex);
    while (wl_display_prepare_read(display) != 0) {
        if (wl_display_dispatch_pending(display) < 0)
            return false;
    }
    adoptTransfers();
    return true;
}

// The compositor drops a client whose events pile up unread, as an owner's long list of types
// makes them do: a burst is read to its end before anything else.
void WaylandClipboard::readBurst(wl_display *display)
{
    while (prepareRead(display)) {
        pollfd socket{wl_display_get_fd(display), POLLIN, 0};
        if (poll(&socket, 1, 0) != 1 || (socket.revents & POLLIN) == 0) {
            wl_display_cancel_read(display);
            dispatch();
            return;
        }
        if (wl_display_read_events(display) < 0)
            return;
    }
}

WaitResult WaylandClipboard::wait(int fd, ReadDeadline deadline)
{
    wl_display *display = m_connection->display();
    for (;;) {
        if (!prepareRead(display))
            return WaitResult::Interrupted;
        const bool unsent = wl_display_flush(display) < 0 && errno == EAGAIN;
        const short displayEvents = unsent ? POLLIN | POLLOUT : POLLIN;
        std::vector<pollfd> fds{{wl_display_get_fd(display), displayEvents, 0}, {m_wakeFd, POLLIN, 0}, {fd, POLLIN, 0}};
        int timeout = m_transfers.watch(fds, std::chrono::steady_clock::now());
        if (deadline != ReadDeadline::max()) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            const int leftMs = static_cast<int>(std::clamp<long long>(left.count(), 0, INT_MAX));
            timeout = timeout < 0 ? leftMs : std::min(timeout, leftMs);
        }
        const int polled = poll(fds.data(), fds.size(), timeout);
        if (polled < 0 && errno != EINTR) {
            wl_display_cancel_read(display);
            return WaitResult::Interrupted;
        }
        if (polled > 0 && (fds[0].revents & POLLIN) != 0) {
            if (wl_display_read_events(display) == 0)
                readBurst(display);
        } else {
            wl_display_cancel_read(display);
            dispatch();
        }
        if (polled > 0 && fds[1].revents != 0) {
            std::uint64_t wakes = 0;
            [[maybe_unused]] const auto drained = ::read(m_wakeFd, &wakes, sizeof wakes);
        }
        // Also when poll timed out: that is when stalled transfers are given up.
        m_transfers.progress(fds, 3, std::chrono::steady_clock::now());
        {
            const std::lock_guard lock(m_mutex);
            if (m_stop.load() || !m_device || wl_display_get_error(display) != 0 || (fd >= 0 && m_pending))
                return WaitResult::Interrupted;
        }
        if (fd >= 0 && fds[2].revents != 0)
            return WaitResult::Readable;
        if (std::chrono::steady_clock::now() >= deadline)
            return WaitResult::TimedOut;
        if (fd < 0)
            return WaitResult::Readable;
    }
}

std::shared_ptr<ClipboardSnapshot> WaylandClipboard::read(Offer &offer, std::shared_ptr<const ClipboardOffer> &kept)
{
    const bool keeping = m_keeping.load();
    const auto receive = [&](const std::string &mimeType, int fd) {
        receiveOffer(offer.proxy, mimeType.c_str(), fd);
        wl_display_flush(m_connection->display());
    };
    std::optional<OwnerContents> contents =
        readOffer(offer.mimeTypes, m_limits, keeping, receive, [this](int fd, ReadDeadline deadline) { return wait(fd, deadline); });
    if (!contents)
        return nullptr;
    if (keeping)
        kept = keptOffer(*contents);
    return std::make_shared<ClipboardSnapshot>(snapshotOfOwner(std::move(*contents), kept.get()));
}

void WaylandClipboard::run()
{
    // A paster that closes its pipe early must cost a write error, not the program.
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);

    for (;;) {
        serve();
        if (m_stop.load())
            return;
        std::fprintf(stderr, "nimbrel: %s\n",
                     qPrintable(QCoreApplication::translate(
                         "WaylandClipboard", "lost the connection to the Wayland compositor's clipboard; connecting again")));
        {
            const std::lock_guard lock(m_mutex);
            disconnect();
        }
        if (!reconnect())
            return;
    }
}

void WaylandClipboard::serve()
{
    while (!m_stop.load()) {
        std::optional<Pending> change;
        {
            const std::lock_guard lock(m_mutex);
            // A device the compositor ended hears of no more changes: it counts as a broken connection.
            if (!m_device || wl_display_get_error(m_connection->display()) != 0)
                return;
            change = std::exchange(m_pending, std::nullopt);
            if (!change && m_takeOverDue)
                takeOver();
        }
        if (!change) {
            wait(-1, ReadDeadline::max());
            continue;
        }
        std::shared_ptr<const ClipboardOffer> kept;
        auto snapshot = change->contents ? change->contents
                        : change->offer  ? read(*change->offer, kept)
                                         : std::make_shared<ClipboardSnapshot>();
        if (!snapshot)
            continue;
        // The offer is done with before the change is told, so no more than one is kept.
        change->offer.reset();
        const std::shared_ptr<const ClipboardSnapshot> lastRead = m_lastRead.lock();
        const bool unchanged = change->reread && lastRead && sameContents(*snapshot, *lastRead);
        const bool sameCopy = change->keptBefore && kept && sameKeptCopy(*kept, *change->keptBefore);
        keep(change->generation, std::move(kept));
        m_lastRead = snapshot;
        m_handler(Change{std::move(snapshot), change->generation, change->initial || unchanged || sameCopy});
    }
}

void WaylandClipboard::disconnect()
{
    letGoOfKept();
    m_pending.reset();
    m_introduced.reset();
    dropSource();
    if (m_writeCheck)
        wl_callback_destroy(std::exchange(m_writeCheck, nullptr));
    if (m_device)
        destroyDataControlObject(std::exchange(m_device, nullptr));
    adoptTransfers();
    m_transfers.clear();
    m_connection.reset();
}

bool WaylandClipboard::reconnect()
{
    ReconnectBackoff backoff(m_wakeFd, m_stop);
    while (backoff.wait()) {
        std::string whyNot;
        auto connection = DataControlConnection::open(whyNot);
        if (connection) {
            const std::lock_guard lock(m_mutex);
            m_connection = std::move(connection);
            if (attach(Attaching::Again)) {
                std::fprintf(stderr, "nimbrel: %s\n",
                             qPrintable(QCoreApplication::translate(
                                 "WaylandClipboard", "reading the Wayland compositor's clipboard again")));
                return true;
            }
            disconnect();
            continue;
        }
        if (backoff.elapsed() > compositorPatience) {
            std::fprintf(stderr, "nimbrel: %s\n",
                         qPrintable(QCoreApplication::translate("WaylandClipboard", "%1; quitting")
                                        .arg(QCoreApplication::translate("DataControlConnection", whyNot.c_str()))));
            m_compositorGone();
            return false;
        }
    }
    return false;
}

} // namespace nimbrel
