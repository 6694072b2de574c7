#include "platform/qt/x11/selection_writer.h"

#include "platform/qt/x11/atom_cache.h"
#include "platform/qt/x11/hidden_window.h"
#include "platform/qt/x11/reconnect_backoff.h"
#include "platform/qt/x11/selection_owner_watch.h"
#include "platform/qt/x11/transfer_piece.h"

#include <QCoreApplication>

#include <xcb/xfixes.h>

#include <malloc.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace nimbrel {
namespace {

using Clock = std::chrono::steady_clock;

// A requestor that stops asking for pieces this long is given up on.
constexpr auto transferPatience = std::chrono::seconds(10);
// Incremental answers waiting for their requestors, in all and for one requestor window: beyond
// these a request is refused, so readers that never take their pieces (or forged requests) cost
// little memory and time however many they are, and one of them cannot keep the others out.
constexpr std::size_t mostTransfers = 256;
constexpr std::size_t mostTransfersPerRequestor = 16;
// Every this many events handled, the thread gives back the memory freed meanwhile.
constexpr std::size_t trimEvents = 10000;
// How long taking the clipboard waits for a broken connection to come back.
constexpr auto reconnectPatience = std::chrono::milliseconds(500);
// The most (target, property) pairs of one MULTIPLE request that are answered: clipboard managers
// ask for every target at once, and the program offers fewer than ten.
constexpr std::uint32_t largestMultiple = 256;

constexpr std::uint8_t eventType(const xcb_generic_event_t &event)
{
    return event.response_type & 0x7F;
}

} // namespace

SelectionWriter::SelectionWriter() = default;

SelectionWriter::~SelectionWriter()
{
    stopThread();
    if (m_connection)
        xcb_disconnect(m_connection);
}

bool SelectionWriter::open()
{
    if (m_wakeFd < 0 || !connect())
        return false;
    startThread([this] { run(); });
    return true;
}

bool SelectionWriter::connect()
{
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    const xcb_window_t root = xcb_connection_has_error(connection) ? xcb_window_t{XCB_WINDOW_NONE}
                                                                   : rootOfScreen(connection, screenNumber);
    if (root == XCB_WINDOW_NONE) {
        xcb_disconnect(connection);
        return false;
    }
    auto atoms = std::make_unique<AtomCache>(connection);
    const std::string_view names[] = {"CLIPBOARD", "TARGETS", "TIMESTAMP", "INCR", "UTF8_STRING", "TEXT",
                                      "MULTIPLE", "ATOM_PAIR", "CLIPBOARD_MANAGER", "SAVE_TARGETS"};
    atoms->internAll(names);
    const xcb_window_t window = createHiddenWindow(connection, root, "nimbrel clipboard writer");
    const std::uint8_t managerEvent = watchSelectionOwner(connection, window, atoms->intern("CLIPBOARD_MANAGER"));
    xcb_flush(connection);

    xcb_connection_t *previous = nullptr;
    {
        const std::lock_guard lock(m_connectionMutex);
        previous = std::exchange(m_connection, connection);
        m_atoms = std::move(atoms);
        m_clipboard = m_atoms->intern("CLIPBOARD");
        m_targets = m_atoms->intern("TARGETS");
        m_timestamp = m_atoms->intern("TIMESTAMP");
        m_incr = m_atoms->intern("INCR");
        m_multiple = m_atoms->intern("MULTIPLE");
        m_atomPair = m_atoms->intern("ATOM_PAIR");
        m_clipboardManager = m_atoms->intern("CLIPBOARD_MANAGER");
        m_saveTargets = m_atoms->intern("SAVE_TARGETS");
        m_managerEvent = managerEvent;
        m_pieceSize = transferPieceSize(xcb_get_maximum_request_length(connection));
        m_window.store(window);
    }
    m_reconnected.notify_all();
    if (previous)
        xcb_disconnect(previous);
    return true;
}

void SelectionWriter::reconnect()
{
    std::fprintf(stderr, "nimbrel: %s\n",
                 qPrintable(QCoreApplication::translate(
                     "SelectionWriter", "lost the X11 connection that serves the clipboard; connecting again")));
    m_transfers.clear();
    {
        const std::lock_guard lock(m_mutex);
        m_offer.reset();
    }
    finishHandOver(false);
    ReconnectBackoff backoff(m_wakeFd, m_stop);
    while (backoff.wait()) {
        if (connect()) {
            std::fprintf(stderr, "nimbrel: %s\n",
                         qPrintable(QCoreApplication::translate("SelectionWriter", "serving the clipboard again")));
            m_saves.clear();
            bool managing = false;
            {
                const std::lock_guard connectionLock(m_connectionMutex);
                managing = m_managing;
            }
            manage(managing);
            return;
        }
    }
}

bool SelectionWriter::take(std::shared_ptr<const ClipboardOffer> offer, xcb_timestamp_t since)
{
    std::unique_lock connectionLock(m_connectionMutex);
    {
        const std::lock_guard lock(m_mutex);
        m_offer = std::move(offer);
        m_takenAt = since;
        ++m_takes;
    }
    // A connection found broken is usually back in moments: a text action run right then still
    // works, on the connection that replaced it.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const bool connected = m_reconnected.wait_for(connectionLock, reconnectPatience,
                                                      [this] { return !xcb_connection_has_error(m_connection); });
        const xcb_window_t window = m_window.load();
        if (!connected || window == XCB_WINDOW_NONE)
            break;
        xcb_set_selection_owner(m_connection, window, m_clipboard, since);
        const XcbPointer<xcb_get_selection_owner_reply_t> owner(
            xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, m_clipboard), nullptr));
        // The reply may have brought a request to serve along: the serving thread must look.
        wakeThread();
        if (owner && owner->owner == window)
            return true;
        if (!xcb_connection_has_error(m_connection))
            break;
    }
    const std::lock_guard lock(m_mutex);
    m_offer.reset();
    return false;
}

bool SelectionWriter::takeOver(std::shared_ptr<const ClipboardOffer> offer)
{
    const std::lock_guard connectionLock(m_connectionMutex);
    const xcb_window_t window = m_window.load();
    if (xcb_connection_has_error(m_connection) || window == XCB_WINDOW_NONE)
        return false;
    // With the server grabbed no other keeper can take the clipboard between the look and the take.
    xcb_grab_server(m_connection);
    const XcbPointer<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, m_clipboard), nullptr));
    const bool unowned = owner && owner->owner == XCB_WINDOW_NONE;
    if (unowned) {
        {
            const std::lock_guard lock(m_mutex);
            m_offer = std::move(offer);
            m_takenAt = XCB_CURRENT_TIME;
            ++m_takes;
        }
        xcb_set_selection_owner(m_connection, window, m_clipboard, XCB_CURRENT_TIME);
    }
    xcb_ungrab_server(m_connection);
    xcb_flush(m_connection);
    wakeThread();
    return unowned;
}

void SelectionWriter::setKeptState(std::function<std::optional<bool>(xcb_window_t owner)> keptState)
{
    const std::lock_guard lock(m_mutex);
    m_keptState = std::move(keptState);
}

void SelectionWriter::manage(bool keeping)
{
    const std::lock_guard connectionLock(m_connectionMutex);
    m_managing = keeping;
    const xcb_window_t window = m_window.load();
    if (xcb_connection_has_error(m_connection) || window == XCB_WINDOW_NONE)
        return;
    const XcbPointer<xcb_get_selection_owner_reply_t> manager(xcb_get_selection_owner_reply(
        m_connection, xcb_get_selection_owner(m_connection, m_clipboardManager), nullptr));
    // Another manager is left alone: two would fight over every copy.
    if (manager && manager->owner == (keeping ? xcb_window_t{XCB_WINDOW_NONE} : window))
        xcb_set_selection_owner(m_connection, keeping ? window : xcb_window_t{XCB_WINDOW_NONE}, m_clipboardManager,
                                XCB_CURRENT_TIME);
    xcb_flush(m_connection);
    wakeThread();
}

bool SelectionWriter::connected()
{
    const std::lock_guard connectionLock(m_connectionMutex);
    return m_connection && !xcb_connection_has_error(m_connection);
}

void SelectionWriter::clear()
{
    const std::lock_guard connectionLock(m_connectionMutex);
    if (m_window.load() == XCB_WINDOW_NONE)
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_offer.reset();
        ++m_takes;
    }
    xcb_set_selection_owner(m_connection, XCB_WINDOW_NONE, m_clipboard, XCB_CURRENT_TIME);
    xcb_flush(m_connection);
}

bool SelectionWriter::handOver(std::chrono::milliseconds patience)
{
    if (!threadStarted())
        return false;
    std::unique_lock lock(m_mutex);
    m_handOver = HandOver::Asked;
    wakeThread();
    const bool answered = m_handOverChanged.wait_for(
        lock, patience, [this] { return m_handOver == HandOver::Saved || m_handOver == HandOver::Failed; });
    const bool saved = answered && m_handOver == HandOver::Saved;
    // An answer that comes later is of no use any more.
    m_handOver = HandOver::Idle;
    return saved;
}

bool SelectionWriter::handOverAsked() const
{
    const std::lock_guard lock(m_mutex);
    return m_handOver == HandOver::Asked;
}

// On the writer's thread, which owns the atom cache and serves the manager's requests meanwhile.
void SelectionWriter::startHandOver()
{
    const std::shared_ptr<const ClipboardOffer> offer = this->offer();
    const xcb_window_t window = m_window.load();
    bool asked = false;
    if (offer && !offer->formats.empty()) {
        const auto ownerCookie = xcb_get_selection_owner(m_connection, m_clipboard);
        const auto managerCookie = xcb_get_selection_owner(m_connection, m_clipboardManager);
        const XcbPointer<xcb_get_selection_owner_reply_t> owner(
            xcb_get_selection_owner_reply(m_connection, ownerCookie, nullptr));
        const XcbPointer<xcb_get_selection_owner_reply_t> manager(
            xcb_get_selection_owner_reply(m_connection, managerCookie, nullptr));
        if (owner && owner->owner == window && manager && manager->owner != XCB_WINDOW_NONE
            && manager->owner != window) {
            // The targets to save, in the property the request names; the manager's answer ends the wait.
            std::vector<xcb_atom_t> targets;
            for (const auto &format : offer->formats)
                targets.push_back(m_atoms->intern(format.first));
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, m_saveTargets, XCB_ATOM_ATOM, 32,
                                static_cast<std::uint32_t>(targets.size()), targets.data());
            xcb_convert_selection(m_connection, window, m_clipboardManager, m_saveTargets, m_saveTargets,
                                  XCB_CURRENT_TIME);
            asked = true;
        }
    }
    const std::lock_guard lock(m_mutex);
    if (m_handOver != HandOver::Asked)
        return;
    m_handOver = asked ? HandOver::Waiting : HandOver::Failed;
    m_handOverChanged.notify_all();
}

void SelectionWriter::finishHandOver(bool saved)
{
    const std::lock_guard lock(m_mutex);
    if (m_handOver != HandOver::Waiting && m_handOver != HandOver::Asked)
        return;
    m_handOver = saved ? HandOver::Saved : HandOver::Failed;
    m_handOverChanged.notify_all();
}

std::shared_ptr<const ClipboardOffer> SelectionWriter::offer() const
{
    const std::lock_guard lock(m_mutex);
    return m_offer;
}

void SelectionWriter::run()
{
    std::size_t handled = 0;
    while (!m_stop.load()) {
        // Before the events: its round trips may queue some.
        if (handOverAsked())
            startHandOver();
        while (const XcbPointer<xcb_generic_event_t> event{xcb_poll_for_event(m_connection)}) {
            handle(*event);
            ++handled;
        }
        // A flood of requests grows the heap by the events libxcb queues meanwhile, which would
        // stay resident once freed.
        if (handled >= trimEvents) {
            malloc_trim(0);
            handled = 0;
        }
        dropExpiredTransfers();
        answerSaves();
        xcb_flush(m_connection);
        if (xcb_connection_has_error(m_connection)) {
            reconnect();
            continue;
        }
        std::optional<Clock::time_point> wakeAt;
        const auto earliest = [&wakeAt](Clock::time_point deadline) {
            wakeAt = wakeAt ? std::min(*wakeAt, deadline) : deadline;
        };
        for (const Transfer &transfer : m_transfers)
            earliest(transfer.deadline);
        for (const SaveRequest &save : m_saves)
            earliest(save.deadline);
        const int timeout = wakeAt ? static_cast<int>(std::max<long long>(
                                         0, std::chrono::ceil<std::chrono::milliseconds>(*wakeAt - Clock::now()).count()))
                                   : -1;
        pollfd fds[] = {{xcb_get_file_descriptor(m_connection), POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
        if (poll(fds, 2, timeout) < 0 && errno != EINTR)
            return;
        std::uint64_t wakeUps = 0;
        if ((fds[1].revents & POLLIN) != 0)
            [[maybe_unused]] const auto read = ::read(m_wakeFd, &wakeUps, sizeof wakeUps);
    }
}

void SelectionWriter::handle(const xcb_generic_event_t &event)
{
    switch (eventType(event)) {
    case XCB_SELECTION_REQUEST:
        answer(reinterpret_cast<const xcb_selection_request_event_t &>(event));
        break;
    case XCB_PROPERTY_NOTIFY:
        continueTransfer(reinterpret_cast<const xcb_property_notify_event_t &>(event));
        break;
    case XCB_SELECTION_NOTIFY: {
        // The clipboard manager's answer to the hand-over: a property of None means it saved nothing.
        const auto &notify = reinterpret_cast<const xcb_selection_notify_event_t &>(event);
        if (notify.selection == m_clipboardManager && notify.target == m_saveTargets)
            finishHandOver(notify.property != XCB_ATOM_NONE);
        break;
    }
    case XCB_SELECTION_CLEAR: {
        // Another client took the clipboard: let go of the texts, unless a newer take raced this.
        // A take counts itself before it claims the clipboard; held apart from it, the look at the
        // owner below cannot fall between the two and drop the texts that take has just claimed.
        const std::lock_guard connectionLock(m_connectionMutex);
        std::uint64_t takes = 0;
        {
            const std::lock_guard lock(m_mutex);
            takes = m_takes;
        }
        const XcbPointer<xcb_get_selection_owner_reply_t> owner(
            xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, m_clipboard), nullptr));
        const std::lock_guard lock(m_mutex);
        if (takes == m_takes && (!owner || owner->owner != m_window.load()))
            m_offer.reset();
        break;
    }
    default:
        // Another clipboard manager that quit leaves the role free: it is taken again while keeping.
        if (m_managerEvent != 0 && eventType(event) == m_managerEvent
            && reinterpret_cast<const xcb_xfixes_selection_notify_event_t &>(event).owner == XCB_WINDOW_NONE) {
            bool managing = false;
            {
                const std::lock_guard connectionLock(m_connectionMutex);
                managing = m_managing;
            }
            manage(managing);
        }
        break;
    }
}

void SelectionWriter::answer(const xcb_selection_request_event_t &request)
{
    // An owner that quits asks the clipboard manager to save its contents; the answer waits for
    // their read, within a transfer's patience, and tells whether they are kept.
    if (request.selection == m_clipboardManager && request.target == m_saveTargets) {
        if (m_saves.size() < mostTransfers)
            m_saves.push_back({request, Clock::now() + transferPatience});
        else
            notify(request, XCB_ATOM_NONE);
        return;
    }
    // Obsolete clients name no property and expect the target's name to be used.
    const xcb_atom_t property = request.property == XCB_ATOM_NONE ? request.target : request.property;
    bool stored = false;
    if (request.selection == m_clipboard)
        stored = request.target == m_multiple ? storeMultiple(request.requestor, request.property)
                                              : store(request.requestor, request.target, property);
    notify(request, stored ? property : xcb_atom_t{XCB_ATOM_NONE});
}

void SelectionWriter::answerSaves()
{
    if (m_saves.empty())
        return;
    const XcbPointer<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, m_clipboard), nullptr));
    std::function<std::optional<bool>(xcb_window_t)> keptState;
    {
        const std::lock_guard lock(m_mutex);
        keptState = m_keptState;
    }
    const std::optional<bool> kept = keptState && owner ? keptState(owner->owner) : std::nullopt;
    const auto now = Clock::now();
    std::erase_if(m_saves, [&](const SaveRequest &save) {
        if (!kept && save.deadline > now)
            return false;
        // Obsolete clients name no property and expect the target's name to be used.
        const xcb_atom_t property = save.request.property == XCB_ATOM_NONE ? save.request.target : save.request.property;
        notify(save.request, kept.value_or(false) ? property : xcb_atom_t{XCB_ATOM_NONE});
        return true;
    });
}

void SelectionWriter::notify(const xcb_selection_request_event_t &request, xcb_atom_t property)
{
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = property;
    xcb_send_event(m_connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&notify));
}

// MULTIPLE asks for several targets at once, as clipboard managers save the contents: the
// requestor's property lists (target, property) pairs, and a pair whose target is not stored gets
// None for its property, as ICCCM has it.
bool SelectionWriter::storeMultiple(xcb_window_t requestor, xcb_atom_t property)
{
    if (property == XCB_ATOM_NONE)
        return false;
    const XcbPointer<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, requestor, property, m_atomPair, 0, 2 * largestMultiple),
        nullptr));
    if (!reply || reply->type != m_atomPair || reply->format != 32)
        return false;
    const auto *listed = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const auto atoms = static_cast<std::size_t>(xcb_get_property_value_length(reply.get())) / sizeof(xcb_atom_t);
    std::vector<xcb_atom_t> pairs(listed, listed + atoms / 2 * 2);
    for (std::size_t i = 0; i < pairs.size(); i += 2) {
        if (pairs[i + 1] == XCB_ATOM_NONE || pairs[i] == m_multiple || !store(requestor, pairs[i], pairs[i + 1]))
            pairs[i + 1] = XCB_ATOM_NONE;
    }
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, requestor, property, m_atomPair, 32,
                        static_cast<std::uint32_t>(pairs.size()), pairs.data());
    return true;
}

bool SelectionWriter::store(xcb_window_t requestor, xcb_atom_t target, xcb_atom_t property)
{
    const std::shared_ptr<const ClipboardOffer> offer = this->offer();
    if (!offer)
        return false;
    if (target == m_targets) {
        std::vector<xcb_atom_t> targets{m_targets, m_timestamp, m_multiple};
        for (const auto &format : offer->formats)
            targets.push_back(m_atoms->intern(format.first));
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_ATOM, 32,
                            static_cast<std::uint32_t>(targets.size()), targets.data());
        return true;
    }
    if (target == m_timestamp) {
        xcb_timestamp_t takenAt = XCB_CURRENT_TIME;
        {
            const std::lock_guard lock(m_mutex);
            takenAt = m_takenAt;
        }
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_INTEGER, 32, 1,
                            &takenAt);
        return true;
    }
    const auto format = std::find_if(offer->formats.begin(), offer->formats.end(), [&](const auto &candidate) {
        return m_atoms->intern(candidate.first) == target;
    });
    if (format == offer->formats.end())
        return false;
    const auto answerType = offer->answerTypes.find(format->first);
    Transfer transfer{requestor, property,
                      answerType == offer->answerTypes.end() ? target : m_atoms->intern(answerType->second),
                      format->second, 0, Clock::now() + transferPatience};
    if (transfer.bytes.str().size() <= m_pieceSize) {
        sendPiece(transfer);
        return true;
    }
    const auto sameRequestor = [&](const Transfer &pending) { return pending.requestor == requestor; };
    if (m_transfers.size() >= mostTransfers
        || static_cast<std::size_t>(std::ranges::count_if(m_transfers, sameRequestor)) >= mostTransfersPerRequestor)
        return false;
    // Too large for one request: announce the size and send pieces as the requestor asks for them.
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(m_connection, requestor, XCB_CW_EVENT_MASK, &mask);
    const auto size = static_cast<std::uint32_t>(std::min<std::size_t>(transfer.bytes.str().size(), UINT32_MAX));
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, requestor, property, m_incr, 32, 1, &size);
    m_transfers.push_back(std::move(transfer));
    return true;
}

void SelectionWriter::continueTransfer(const xcb_property_notify_event_t &notify)
{
    if (notify.state != XCB_PROPERTY_DELETE)
        return;
    const auto transfer = std::find_if(m_transfers.begin(), m_transfers.end(), [&](const Transfer &candidate) {
        return candidate.requestor == notify.window && candidate.property == notify.atom;
    });
    if (transfer == m_transfers.end())
        return;
    const bool finished = transfer->sent == transfer->bytes.str().size();
    sendPiece(*transfer);
    transfer->deadline = Clock::now() + transferPatience;
    if (finished)
        m_transfers.erase(transfer);
}

// The next piece; the empty piece after the last one ends an incremental transfer.
void SelectionWriter::sendPiece(Transfer &transfer)
{
    const std::string &bytes = transfer.bytes.str();
    const std::size_t size = std::min(m_pieceSize, bytes.size() - transfer.sent);
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, transfer.requestor, transfer.property, transfer.type, 8,
                        static_cast<std::uint32_t>(size), bytes.data() + transfer.sent);
    transfer.sent += size;
}

void SelectionWriter::dropExpiredTransfers()
{
    const auto now = Clock::now();
    m_transfers.remove_if([now](const Transfer &transfer) { return transfer.deadline <= now; });
}

} // namespace nimbrel
