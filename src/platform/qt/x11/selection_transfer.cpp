#include "platform/qt/x11/selection_transfer.h"

#include "platform/qt/kept_contents.h"
#include "platform/qt/snapshot_building.h"
#include "platform/qt/target_names.h"
#include "platform/qt/x11/atom_cache.h"
#include "platform/qt/x11/hidden_window.h"

#include <xcb/xfixes.h>

#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

namespace nimbrel {
namespace {

// Targets we do not know only ever follow the known ones in an item's types, so a few of their
// names are enough to tell an image from nothing; a hostile owner's thousands cost nothing.
constexpr std::size_t otherTargetsNamed = 16;

constexpr std::uint8_t eventType(const xcb_generic_event_t &event)
{
    return event.response_type & 0x7F;
}

std::vector<std::string_view> knownTargetNames()
{
    std::vector<std::string_view> names;
    targets::forEachKnown([&names](std::string_view name) { names.push_back(name); });
    return names;
}

} // namespace

SelectionTransfer::SelectionTransfer(xcb_connection_t *connection, XcbEventSource &events, AtomCache &atoms,
                                     xcb_window_t root, std::uint8_t ownerChangeEvent, ReadLimits limits)
    : m_connection(connection)
    , m_events(events)
    , m_atoms(atoms)
    , m_root(root)
    , m_ownerChangeEvent(ownerChangeEvent)
    , m_limits(limits)
    , m_clipboard(atoms.intern("CLIPBOARD"))
    , m_targets(atoms.intern("TARGETS"))
    , m_incr(atoms.intern("INCR"))
{
    m_atoms.internAll(knownTargetNames());
}

XcbPointer<xcb_generic_event_t> SelectionTransfer::takeInterruption()
{
    return std::move(m_interruption);
}

std::optional<OwnerContents> SelectionTransfer::read(xcb_timestamp_t time, bool keeping)
{
    m_time = time;
    m_keeping = keeping;
    m_ownerGone = false;
    m_deadline = std::chrono::steady_clock::now() + m_limits.time;
    m_window = createHiddenWindow(m_connection, m_root, "nimbrel clipboard read", XCB_EVENT_MASK_PROPERTY_CHANGE);
    std::optional<OwnerContents> contents = readOwner();
    // An owner that quit before it sent any of its contents leaves nothing to tell.
    if (m_ownerGone && contents && contents->data.empty())
        contents.reset();
    // Destroying the window also ends any transfer the owner still has going to it.
    xcb_destroy_window(m_connection, m_window);
    xcb_flush(m_connection);
    m_window = XCB_WINDOW_NONE;
    return contents;
}

std::optional<OwnerContents> SelectionTransfer::readOwner()
{
    OwnerContents contents;
    std::string targetBytes;
    const Status listed = convert(m_targets, m_limits.targets * sizeof(xcb_atom_t), Excess::Cut, targetBytes);
    if (listed == Status::Interrupted)
        return std::nullopt;
    if (listed != Status::Ok)
        return contents;

    std::vector<xcb_atom_t> atoms(targetBytes.size() / sizeof(xcb_atom_t));
    std::memcpy(atoms.data(), targetBytes.data(), atoms.size() * sizeof(xcb_atom_t));
    contents.targets = m_atoms.names(atoms, otherTargetsNamed);

    // The groups after these are read only to be kept, within what a kept copy may hold.
    const std::size_t needed = targetsToRead(contents.targets).size();
    const std::vector<std::vector<std::string>> groups = targetsToRead(contents.targets, m_keeping);
    for (std::size_t group = 0; group < groups.size() && !(group >= needed && contents.limited); ++group) {
        for (const std::string &target : groups[group]) {
            if (contents.data.contains(target))
                break;
            // An owner that has quit answers nothing more: what it answered is its copy.
            if (m_ownerGone)
                return contents;
            if (std::chrono::steady_clock::now() >= m_deadline) {
                contents.limited = true;
                return contents;
            }
            const std::size_t limit =
                group < needed ? m_limits.bytesPerType : std::min(m_limits.bytesPerType, keptRoom(contents));
            std::string bytes;
            const xcb_atom_t atom = m_atoms.intern(target);
            const Status status = convert(atom, limit, Excess::Refuse, bytes);
            if (status == Status::Interrupted)
                return std::nullopt;
            if (status == Status::TooLarge || status == Status::TimedOut)
                contents.limited = true;
            contents.tooLarge = contents.tooLarge || status == Status::TooLarge;
            if (status == Status::Ok) {
                contents.data.emplace(target, std::move(bytes));
                if (m_answerType != atom)
                    recordAnswerType(contents, target);
                break;
            }
        }
    }
    return contents;
}

void SelectionTransfer::recordAnswerType(OwnerContents &contents, const std::string &target)
{
    std::vector<std::string> type = m_atoms.names(std::span(&m_answerType, 1), 1);
    if (!type.empty())
        contents.answerTypes.emplace(target, std::move(type.front()));
}

template <typename Matches>
SelectionTransfer::Status SelectionTransfer::waitFor(Matches matches)
{
    const auto patience = std::min(m_deadline, std::chrono::steady_clock::now() + m_limits.time / 2);
    for (;;) {
        XcbPointer<xcb_generic_event_t> event = m_events.next(patience);
        if (!event)
            return m_events.finished() ? Status::Interrupted : Status::TimedOut;
        // A newer owner abandons the read; the owner's quitting ends it with what it has answered.
        if (eventType(*event) == m_ownerChangeEvent) {
            m_ownerGone = reinterpret_cast<const xcb_xfixes_selection_notify_event_t &>(*event).subtype
                != XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER;
            m_interruption = std::move(event);
            return m_ownerGone ? Status::OwnerGone : Status::Interrupted;
        }
        if (matches(*event))
            return Status::Ok;
    }
}

SelectionTransfer::Status SelectionTransfer::convert(xcb_atom_t target, std::size_t limit, Excess excess,
                                                     std::string &bytes)
{
    if (target == XCB_ATOM_NONE)
        return Status::Refused;
    xcb_convert_selection(m_connection, m_window, m_clipboard, target, target, m_time);
    xcb_atom_t property = XCB_ATOM_NONE;
    const Status answered = waitFor([&](const xcb_generic_event_t &event) {
        if (eventType(event) != XCB_SELECTION_NOTIFY)
            return false;
        const auto &notify = reinterpret_cast<const xcb_selection_notify_event_t &>(event);
        if (notify.requestor != m_window || notify.selection != m_clipboard || notify.target != target)
            return false;
        property = notify.property;
        return true;
    });
    if (answered != Status::Ok)
        return answered;
    if (property == XCB_ATOM_NONE)
        return Status::Refused;
    // Owners are asked to answer on the property named after the target; one that used another
    // is still answered by reading ours, which then holds nothing.
    return readProperty(target, limit, excess, bytes);
}

SelectionTransfer::Status SelectionTransfer::readProperty(xcb_atom_t property, std::size_t limit, Excess excess,
                                                          std::string &bytes)
{
    const auto headCookie = xcb_get_property(m_connection, 0, m_window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1);
    const XcbPointer<xcb_get_property_reply_t> head(xcb_get_property_reply(m_connection, headCookie, nullptr));
    if (!head || head->type == XCB_ATOM_NONE)
        return Status::Refused;
    m_answerType = head->type;
    if (head->type == m_incr) {
        std::uint32_t sizeHint = 0;
        if (xcb_get_property_value_length(head.get()) >= 4)
            std::memcpy(&sizeHint, xcb_get_property_value(head.get()), sizeof sizeHint);
        return readIncrementally(property, sizeHint, limit, excess, bytes);
    }
    std::size_t size = static_cast<std::size_t>(xcb_get_property_value_length(head.get())) + head->bytes_after;
    if (size > limit) {
        if (excess == Excess::Refuse) {
            xcb_delete_property(m_connection, m_window, property);
            return Status::TooLarge;
        }
        size = limit;
    }
    const auto words = static_cast<std::uint32_t>((size + 3) / 4);
    const auto cookie = xcb_get_property(m_connection, 1, m_window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, words);
    const XcbPointer<xcb_get_property_reply_t> reply(xcb_get_property_reply(m_connection, cookie, nullptr));
    if (!reply)
        return Status::Refused;
    const auto length = static_cast<std::size_t>(xcb_get_property_value_length(reply.get()));
    bytes.assign(static_cast<const char *>(xcb_get_property_value(reply.get())), std::min(length, size));
    return Status::Ok;
}

SelectionTransfer::Status SelectionTransfer::readIncrementally(xcb_atom_t property, std::uint32_t sizeHint,
                                                               std::size_t limit, Excess excess, std::string &bytes)
{
    bytes.reserve(std::min<std::size_t>(sizeHint, limit));
    // Deleting the INCR property tells the owner to send the first chunk.
    xcb_delete_property(m_connection, m_window, property);
    for (;;) {
        const Status arrived = waitFor([&](const xcb_generic_event_t &event) {
            if (eventType(event) != XCB_PROPERTY_NOTIFY)
                return false;
            const auto &notify = reinterpret_cast<const xcb_property_notify_event_t &>(event);
            return notify.window == m_window && notify.atom == property && notify.state == XCB_PROPERTY_NEW_VALUE;
        });
        // The X server drops the last requests of a client that closes its connection right after
        // making them: an owner that quits as soon as it has sent its last piece may never get the
        // empty one that ends the transfer across. Its answer is whole once every byte it
        // announced has come.
        if (arrived == Status::OwnerGone && sizeHint > 0 && bytes.size() == sizeHint)
            return Status::Ok;
        if (arrived != Status::Ok)
            return arrived;
        constexpr std::size_t mostWords = 0x3FFFFFFF;
        const auto room = static_cast<std::uint32_t>(std::min((limit - bytes.size()) / 4 + 1, mostWords));
        const auto cookie = xcb_get_property(m_connection, 1, m_window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, room);
        const XcbPointer<xcb_get_property_reply_t> chunk(xcb_get_property_reply(m_connection, cookie, nullptr));
        if (!chunk)
            return Status::Refused;
        const auto length = static_cast<std::size_t>(xcb_get_property_value_length(chunk.get()));
        if (length == 0)
            return Status::Ok;
        m_answerType = chunk->type;
        const bool excessive = chunk->bytes_after > 0 || length > limit - bytes.size();
        if (excessive && excess == Excess::Refuse)
            return Status::TooLarge;
        bytes.append(static_cast<const char *>(xcb_get_property_value(chunk.get())),
                     std::min(length, limit - bytes.size()));
        if (excessive)
            return Status::Ok;
    }
}

} // namespace nimbrel
