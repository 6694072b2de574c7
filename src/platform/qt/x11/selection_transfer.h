#pragma once

#include "platform/qt/owner_contents.h"
#include "platform/qt/read_limits.h"
#include "platform/qt/x11/xcb_event_source.h"
#include "platform/qt/x11/xcb_pointer.h"

#include <xcb/xcb.h>

#include <optional>
#include <string>

namespace nimbrel {

class AtomCache;

// Reads the CLIPBOARD owner's targets and the bytes of those a snapshot needs, INCR transfers
// included, within the read limits. Each read asks on a window of its own, and each target lands
// in a property named after it, so a late answer to an abandoned request never lands in a newer one.
class SelectionTransfer {
public:
    SelectionTransfer(xcb_connection_t *connection, XcbEventSource &events, AtomCache &atoms, xcb_window_t root,
                      std::uint8_t ownerChangeEvent, ReadLimits limits);

    // What the owner offered, with its kept types too while keeping; partial when time ran out.
    // An owner that quits during the read leaves what it had answered, as if it refused the rest.
    // nullopt when the read was interrupted: by a newer owner change, the owner quitting before it
    // sent any contents, a stop or a broken connection. takeInterruption() gives the owner change
    // that ended the read, if one did.
    std::optional<OwnerContents> read(xcb_timestamp_t time, bool keeping);
    XcbPointer<xcb_generic_event_t> takeInterruption();

private:
    enum class Status { Ok, Refused, TooLarge, TimedOut, Interrupted, OwnerGone };
    // What to do with bytes beyond the limit: refuse the whole target, or keep what fits.
    enum class Excess { Refuse, Cut };

    void recordAnswerType(OwnerContents &contents, const std::string &target);
    Status convert(xcb_atom_t target, std::size_t limit, Excess excess, std::string &bytes);
    Status readProperty(xcb_atom_t property, std::size_t limit, Excess excess, std::string &bytes);
    Status readIncrementally(xcb_atom_t property, std::uint32_t sizeHint, std::size_t limit, Excess excess,
                             std::string &bytes);
    // The next event on our window that matches, within one answer's patience.
    template <typename Matches>
    Status waitFor(Matches matches);
    std::optional<OwnerContents> readOwner();

    xcb_connection_t *m_connection = nullptr;
    XcbEventSource &m_events;
    AtomCache &m_atoms;
    xcb_window_t m_root = XCB_WINDOW_NONE;
    std::uint8_t m_ownerChangeEvent = 0;
    ReadLimits m_limits;
    xcb_atom_t m_clipboard = XCB_ATOM_NONE;
    xcb_atom_t m_targets = XCB_ATOM_NONE;
    xcb_atom_t m_incr = XCB_ATOM_NONE;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    xcb_timestamp_t m_time = XCB_CURRENT_TIME;
    bool m_keeping = false;
    bool m_ownerGone = false;
    // The type of the last answer read: the pieces' own type for one sent in pieces.
    xcb_atom_t m_answerType = XCB_ATOM_NONE;
    XcbEventSource::Deadline m_deadline;
    XcbPointer<xcb_generic_event_t> m_interruption;
};

} // namespace nimbrel
