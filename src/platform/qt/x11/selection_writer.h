#pragma once

#include "platform/qt/clipboard_offer.h"
#include "platform/qt/wakeable_thread.h"
#include "platform/qt/x11/xcb_pointer.h"

#include <xcb/xcb.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>
#include <list>
#include <memory>
#include <mutex>

namespace nimbrel {

class AtomCache;

// Serves the program's own clipboard contents to other X11 clients from a connection and thread of
// its own, large texts in pieces (INCR), so a slow reader never holds up the GUI thread; a bounded
// number of such answers wait for their readers, and requests beyond are refused. Taking the
// clipboard names the time of the contents it replaces: the X server refuses it when the clipboard
// changed since, which makes the take atomic against copies the program has not read yet.
// When the connection breaks, the writer says so once and connects again, pausing longer between
// attempts; the contents it served are gone from the clipboard with the old connection.
// At the program's end the writer can hand its contents over to a clipboard manager, as
// freedesktop.org's clipboard manager convention has it, so that they outlive the program.
class SelectionWriter : private WakeableThread {
public:
    SelectionWriter();
    ~SelectionWriter();
    SelectionWriter(const SelectionWriter &) = delete;
    SelectionWriter &operator=(const SelectionWriter &) = delete;

    // False without a usable display.
    bool open();
    // The window that owns the clipboard while the program's contents are on it. Safe from any thread.
    xcb_window_t window() const { return m_window.load(); }

    // Takes the clipboard for the offer unless its last change is newer than since (the time of
    // the contents replaced; XCB_CURRENT_TIME takes it unconditionally). Safe from any thread.
    bool take(std::shared_ptr<const ClipboardOffer> offer, xcb_timestamp_t since);
    // Takes the clipboard for the kept offer of an owner that is gone, unless another client has
    // taken it meanwhile (another keeper). Safe from any thread.
    bool takeOver(std::shared_ptr<const ClipboardOffer> offer);
    // Leaves the clipboard without an owner, whoever had it.
    void clear();
    // While keeping, holds CLIPBOARD_MANAGER when no other client does, and answers the
    // SAVE_TARGETS of owners that quit once keptState says whether the contents of the clipboard's
    // owner are kept (nullopt: not read yet); stops holding it otherwise. Safe from any thread.
    void setKeptState(std::function<std::optional<bool>(xcb_window_t owner)> keptState);
    void manage(bool keeping);
    // Looks again whether the saves asked for can be answered. Safe from any thread.
    void settleSaves() { wakeThread(); }
    // Whether the connection is up, rather than broken and being made again. Safe from any thread.
    bool connected();
    // When the program's own contents are on the clipboard and a clipboard manager other than the
    // program runs (it owns CLIPBOARD_MANAGER), asks it to save them (SAVE_TARGETS, listing every target of the
    // contents) and serves its requests until it says it has them, waiting at most patience.
    // True once the manager has them. Safe from any thread but the writer's own.
    bool handOver(std::chrono::milliseconds patience);

private:
    enum class HandOver { Idle, Asked, Waiting, Saved, Failed };

    // One answer sent in pieces: the requestor deletes the property to ask for the next one.
    struct Transfer {
        xcb_window_t requestor = XCB_WINDOW_NONE;
        xcb_atom_t property = XCB_ATOM_NONE;
        xcb_atom_t type = XCB_ATOM_NONE;
        SharedText bytes;
        std::size_t sent = 0;
        std::chrono::steady_clock::time_point deadline;
    };

    // Opens a connection and its window in place of the current ones; false without a display.
    bool connect();
    void reconnect();
    void run();
    void handle(const xcb_generic_event_t &event);
    void answer(const xcb_selection_request_event_t &request);
    void notify(const xcb_selection_request_event_t &request, xcb_atom_t property);
    void answerSaves();
    bool store(xcb_window_t requestor, xcb_atom_t target, xcb_atom_t property);
    bool storeMultiple(xcb_window_t requestor, xcb_atom_t property);
    bool handOverAsked() const;
    void startHandOver();
    void finishHandOver(bool saved);
    void continueTransfer(const xcb_property_notify_event_t &notify);
    void sendPiece(Transfer &transfer);
    void dropExpiredTransfers();
    std::shared_ptr<const ClipboardOffer> offer() const;

    // Held while a thread other than the writer's uses the connection, and while it is replaced.
    std::mutex m_connectionMutex;
    std::condition_variable m_reconnected;
    xcb_connection_t *m_connection = nullptr;
    std::unique_ptr<AtomCache> m_atoms;
    std::atomic<xcb_window_t> m_window{XCB_WINDOW_NONE};
    xcb_atom_t m_clipboard = XCB_ATOM_NONE;
    xcb_atom_t m_targets = XCB_ATOM_NONE;
    xcb_atom_t m_timestamp = XCB_ATOM_NONE;
    xcb_atom_t m_incr = XCB_ATOM_NONE;
    xcb_atom_t m_multiple = XCB_ATOM_NONE;
    xcb_atom_t m_atomPair = XCB_ATOM_NONE;
    xcb_atom_t m_clipboardManager = XCB_ATOM_NONE;
    xcb_atom_t m_saveTargets = XCB_ATOM_NONE;
    // The XFixes event that tells of CLIPBOARD_MANAGER's owner changing; 0 without XFixes.
    std::uint8_t m_managerEvent = 0;
    std::size_t m_pieceSize = 0;

    mutable std::mutex m_mutex;
    std::shared_ptr<const ClipboardOffer> m_offer;
    xcb_timestamp_t m_takenAt = XCB_CURRENT_TIME;
    // Counts takes and clears, so a late notice of a lost clipboard cannot drop a newer offer.
    std::uint64_t m_takes = 0;
    HandOver m_handOver = HandOver::Idle;
    std::condition_variable m_handOverChanged;

    std::list<Transfer> m_transfers;
    // SAVE_TARGETS requests waiting for the read of the contents to save to end.
    struct SaveRequest {
        xcb_selection_request_event_t request{};
        std::chrono::steady_clock::time_point deadline;
    };
    std::vector<SaveRequest> m_saves;
    std::function<std::optional<bool>(xcb_window_t owner)> m_keptState;
    bool m_managing = false;
};

} // namespace nimbrel
