#pragma once

#include "platform/qt/clipboard_offer.h"
#include "platform/qt/clipboard_snapshot.h"
#include "platform/qt/read_limits.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace nimbrel {

// One desktop clipboard (the X11 CLIPBOARD selection, or a Wayland compositor's through its
// data-control protocol), read and written from threads of the backend's own, so that no other
// program can ever hold up the GUI thread. Each other program's contents are read once, within the
// read limits, into a snapshot.
//
// Generations number the contents other programs put on the clipboard, in the order the backend
// sees them; the program's own writes are not one. A write names the generation it replaces and is
// refused once a newer one has been seen, so a text action never writes over a copy it has not read.
class ClipboardBackend {
public:
    struct Change {
        std::shared_ptr<const ClipboardSnapshot> snapshot;
        std::uint64_t generation = 0;
        // The contents found at start-up rather than a change.
        bool initial = false;
    };
    // Called on the backend's reading thread.
    using ChangeHandler = std::function<void(Change)>;

    ClipboardBackend() = default;
    virtual ~ClipboardBackend() = default;
    ClipboardBackend(const ClipboardBackend &) = delete;
    ClipboardBackend &operator=(const ClipboardBackend &) = delete;

    // Starts reading: the handler gets the contents found at start-up, then every change by another
    // program, each once. False when the clipboard cannot be reached.
    virtual bool start(ChangeHandler handler) = 0;
    // The newest generation seen, whether or not its read has finished; 0 before start.
    virtual std::uint64_t latestGeneration() const = 0;
    // Serves the offer as the clipboard's contents in place of generation basis. False, with
    // nothing changed, when a newer generation has been seen or the clipboard could not be taken.
    virtual bool write(std::shared_ptr<const ClipboardOffer> offer, std::uint64_t basis) = 0;
    // Empties the clipboard, whoever holds it; nothing is taken over until another program copies.
    virtual void clear() = 0;
    // Whether to keep the clipboard when the program that copied it quits: to read its kept types
    // (see kept_contents.h) and serve them in its place. Off, the kept contents are let go and
    // reading is as without keeping. Safe from any thread; a backend that cannot keep ignores it.
    virtual void setKeeping([[maybe_unused]] bool keeping) {}
    // Whether the connection to the clipboard is up, rather than broken and being made again.
    virtual bool connected() const = 0;
    // Leaves the program's own contents, while they are on the clipboard, to the desktop's
    // clipboard manager, so that they outlive the program; returns once the manager has them, or
    // after the patience given. A backend without a clipboard manager convention keeps this,
    // which does nothing: a Wayland compositor offers none to data-control clients.
    virtual void handOver([[maybe_unused]] std::chrono::milliseconds patience) {}
};

// The backend chosen for a session, and whether Qt's windows must go to the X11 display as well:
// they must when the clipboard is read through X11, which knows only windows of its own.
struct ChosenClipboard {
    std::unique_ptr<ClipboardBackend> backend;
    bool needsX11Display = false;
    // Why a Wayland session's clipboard is read through X11 (as DataControlConnection gives it); empty
    // when it is not, or in an X11 session, where that is the way.
    std::string fallbackReason;
};

// The clipboard of this session: read natively where the compositor offers data-control, through
// X11 otherwise.
ChosenClipboard makeClipboardBackend(ReadLimits limits);

} // namespace nimbrel
