#include "platform/qt/x11/selection_transfer.h"

#include "platform/qt/x11/atom_cache.h"
#include "platform/qt/snapshot_building.h"

#include <algorithm>
#include <cstring>

namespace nimbrel {
namespace {

constexpr std::uint8_t eventType(const xcb_generic_event_t &event)
{
    return event.response_type & 0x7F;
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
    , m_property(atoms.intern("NIMBREL_SELECTION"))
{
}

XcbPointer<xcb_generic_event_t> SelectionTransfer::takeInterruption()
{
    return std::move(m_interruption);
}

std::optional<OwnerContents> SelectionTransfer::read(xcb_timestamp_t time)
{
    m_time = time;
    m_deadline = std::chrono::steady_clock::now() + m_limits.time;
    m_window = xcb_generate_id(m_connection);
    const std::uint32_t values[] = {1, XCB_EVENT_MASK_PROPERTY_CHANGE};
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, m_root, -10, -10, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT,
                      XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    std::optional<OwnerContents> contents = readOwner();
    xcb_destroy_window(m_connection, m_window);
    xcb_flush(m_connection);
    m_window = XCB_WINDOW_NONE;
    return contents;
}

std::optional<OwnerContents> SelectionTransfer::readOwner()
{
    OwnerContents contents;
    std::string targetBytes;
    const Status listed = convert(m_targets, targetBytes);
    if (listed == Status::Interrupted)
        return std::nullopt;
    if (listed != Status::Ok)
        return contents;

    std::vector<xcb_atom_t> atoms(targetBytes.size() / sizeof(xcb_atom_t));
    std::memcpy(atoms.data(), targetBytes.data(), atoms.size() * sizeof(xcb_atom_t));
    contents.targets = m_atoms.names(atoms);

    for (const std::string &target : targetsToRead(contents.targets)) {
        const auto index = std::find(contents.targets.begin(), contents.targets.end(), target) - contents.targets.begin();
        std::string bytes;
        const Status status = convert(atoms[static_cast<std::size_t>(index)], bytes);
        if (status == Status::Interrupted)
            return std::nullopt;
        if (status == Status::TimedOut)
            break;
        if (status == Status::Ok)
            contents.data.emplace(target, std::move(bytes));
    }
    return contents;
}

template <typename Matches>
SelectionTransfer::Status SelectionTransfer::waitFor(Matches matches)
{
    for (;;) {
        XcbPointer<xcb_generic_event_t> event = m_events.next(m_deadline);
        if (!event)
            return m_events.finished() ? Status::Interrupted : Status::TimedOut;
        if (eventType(*event) == m_ownerChangeEvent) {
            m_interruption = std::move(event);
            return Status::Interrupted;
        }
        if (matches(*event))
            return Status::Ok;
    }
}

SelectionTransfer::Status SelectionTransfer::convert(xcb_atom_t target, std::string &bytes)
{
    xcb_convert_selection(m_connection, m_window, m_clipboard, target, m_property, m_time);
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
    // Owners are asked to answer on our property; one that used another is still answered by
    // reading ours, which then holds nothing.
    return readProperty(bytes);
}

SelectionTransfer::Status SelectionTransfer::readProperty(std::string &bytes)
{
    const auto headCookie = xcb_get_property(m_connection, 0, m_window, m_property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1);
    const XcbPointer<xcb_get_property_reply_t> head(xcb_get_property_reply(m_connection, headCookie, nullptr));
    if (!head || head->type == XCB_ATOM_NONE)
        return Status::Refused;
    if (head->type == m_incr) {
        std::uint32_t sizeHint = 0;
        if (xcb_get_property_value_length(head.get()) >= 4)
            std::memcpy(&sizeHint, xcb_get_property_value(head.get()), sizeof sizeHint);
        return readIncrementally(sizeHint, bytes);
    }
    const std::size_t size = static_cast<std::size_t>(xcb_get_property_value_length(head.get())) + head->bytes_after;
    if (size > m_limits.bytesPerType) {
        xcb_delete_property(m_connection, m_window, m_property);
        return Status::TooLarge;
    }
    const auto words = static_cast<std::uint32_t>((size + 3) / 4);
    const auto cookie = xcb_get_property(m_connection, 1, m_window, m_property, XCB_GET_PROPERTY_TYPE_ANY, 0, words);
    const XcbPointer<xcb_get_property_reply_t> reply(xcb_get_property_reply(m_connection, cookie, nullptr));
    if (!reply)
        return Status::Refused;
    bytes.assign(static_cast<const char *>(xcb_get_property_value(reply.get())),
                 static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    return Status::Ok;
}

SelectionTransfer::Status SelectionTransfer::readIncrementally(std::uint32_t sizeHint, std::string &bytes)
{
    bytes.reserve(std::min<std::size_t>(sizeHint, m_limits.bytesPerType));
    // Deleting the INCR property tells the owner to send the first chunk.
    xcb_delete_property(m_connection, m_window, m_property);
    for (;;) {
        const Status arrived = waitFor([this](const xcb_generic_event_t &event) {
            if (eventType(event) != XCB_PROPERTY_NOTIFY)
                return false;
            const auto &notify = reinterpret_cast<const xcb_property_notify_event_t &>(event);
            return notify.window == m_window && notify.atom == m_property && notify.state == XCB_PROPERTY_NEW_VALUE;
        });
        if (arrived != Status::Ok)
            return arrived;
        constexpr std::size_t mostWords = 0x3FFFFFFF;
        const auto room = static_cast<std::uint32_t>(std::min((m_limits.bytesPerType - bytes.size()) / 4 + 1, mostWords));
        const auto cookie = xcb_get_property(m_connection, 1, m_window, m_property, XCB_GET_PROPERTY_TYPE_ANY, 0, room);
        const XcbPointer<xcb_get_property_reply_t> chunk(xcb_get_property_reply(m_connection, cookie, nullptr));
        if (!chunk)
            return Status::Refused;
        const auto length = static_cast<std::size_t>(xcb_get_property_value_length(chunk.get()));
        if (length == 0)
            return Status::Ok;
        if (chunk->bytes_after > 0 || length > m_limits.bytesPerType - bytes.size())
            return Status::TooLarge;
        bytes.append(static_cast<const char *>(xcb_get_property_value(chunk.get())), length);
    }
}

} // namespace nimbrel
