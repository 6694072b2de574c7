#pragma once

#include "platform/qt/clipboard_backend.h"
#include "platform/qt/wakeable_thread.h"
#include "platform/qt/wayland/offer_reading.h"
#include "platform/qt/wayland/outgoing_transfers.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct wl_callback;
struct wl_display;
struct wl_proxy;

namespace nimbrel {

class DataControlConnection;

// The Wayland compositor's clipboard through data-control, which needs neither a window nor focus.
// One thread with the clipboard's own connection reads each other program's selection once and
// serves the program's own sources; a newer selection abandons the read in progress. Selections
// are numbered as they are seen (generations); the selection the compositor announces for one of
// the program's own sources is that source, seen again, and is not one. Data-control cannot replace
// the clipboard only if it still holds a given copy: a write first hears out what the compositor
// has already announced, then asks it to confirm the write, so that a copy announced before the
// write's own selection is known to have been replaced unread.
// While keeping, the kept types of each copy are read too, and when the clipboard becomes empty
// after a copy was read (its owner quit, taking its source with it), the thread serves the copy in
// the owner's place, once, as the same copy: no new generation, nothing told. A selection that
// then offers the same (another keeper's take-over) is that copy still, not a new one.
// The primary selection is ignored. When the connection breaks, the thread says so once, connects
// again, pausing longer between attempts, and rereads; when the compositor stays away, it gives up.
class WaylandClipboard final : public ClipboardBackend, private WakeableThread {
public:
    // compositorGone is called, on the reading thread, when the compositor could not be reached again.
    WaylandClipboard(std::unique_ptr<DataControlConnection> connection, ReadLimits limits,
                     std::function<void()> compositorGone);
    ~WaylandClipboard() override;

    bool start(ChangeHandler handler) override;
    std::uint64_t latestGeneration() const override;
    bool write(std::shared_ptr<const ClipboardOffer> offer, std::uint64_t basis) override;
    void clear() override;
    void setKeeping(bool keeping) override;
    bool connected() const override;

private:
    // An offer the compositor introduced, with the MIME types it listed.
    struct Offer {
        explicit Offer(wl_proxy *proxy) : proxy(proxy) {}
        ~Offer();
        Offer(const Offer &) = delete;
        Offer &operator=(const Offer &) = delete;
        wl_proxy *proxy = nullptr;
        std::vector<std::string> mimeTypes;
    };
    // A selection by another program, waiting to be read; no offer for an empty clipboard.
    struct Pending {
        std::unique_ptr<Offer> offer;
        std::uint64_t generation = 0;
        bool initial = false;
        // A read after the connection came back: a change only if it finds other contents.
        bool reread = false;
        // Contents known without reading: the program's own, which replaced copies it had not read.
        std::shared_ptr<ClipboardSnapshot> contents;
        // What the program served, or was about to serve, in place of an owner that quit.
        std::shared_ptr<const ClipboardOffer> keptBefore;
    };
    enum class Attaching { No, AtStart, Again };

    void run();
    // Reads and serves until stopped or the connection breaks.
    void serve();
    // Gets the device and the current selection on the current connection; m_mutex held.
    bool attach(Attaching how);
    // Lets go of everything that belonged to the broken connection; m_mutex held.
    void disconnect();
    bool reconnect();
    // Dispatches what is queued and prepares to read the connection; false when it is broken.
    bool prepareRead(wl_display *display);
    // Reads and dispatches for as long as the compositor has more to say.
    void readBurst(wl_display *display);
    // Also sets kept to what would be served once the owner quits, while keeping.
    std::shared_ptr<ClipboardSnapshot> read(Offer &offer, std::shared_ptr<const ClipboardOffer> &kept);
    // Keeps what was read of generation, if that is still the clipboard's, not emptied by the
    // program, and keeping is on.
    void keep(std::uint64_t generation, std::shared_ptr<const ClipboardOffer> kept);
    void letGoOfKept();
    // Serves the kept copy in place of its owner that quit, unless a newer selection came; m_mutex held.
    void takeOver();
    // Serves the connection and the transfers until fd (if any) can be read or the deadline passes.
    WaitResult wait(int fd, ReadDeadline deadline);
    void dispatch();
    // Sends the requests made on the GUI thread; false when the connection is broken.
    bool flush();
    // Dispatches on the calling thread until answered() holds, for at most a second; m_mutex held.
    // False when the connection broke or the compositor did not answer in time.
    bool awaitCompositor(const std::function<bool()> &answered);
    // Dispatches what the compositor has announced so far; false when it could not be heard out.
    bool hearOut();
    // Puts a new source with the offer on the clipboard and asks the compositor to confirm it; m_mutex held.
    void placeSource(std::shared_ptr<const ClipboardOffer> offer, bool takingOver);
    // Once the compositor has confirmed a write: tells the copies it replaced unread, if any.
    void writeSettled();
    // Takes on the pastes asked for while another thread dispatched; m_mutex held.
    void adoptTransfers();

    void introduced(wl_proxy *offer);
    void selected(wl_proxy *offer);
    void primarySelected(wl_proxy *offer);
    void deviceFinished();
    void sendRequested(wl_proxy *source, const char *mimeType, int fd);
    void cancelled(wl_proxy *source);
    std::unique_ptr<Offer> takeIntroduced(wl_proxy *offer);
    void dropSource();

    std::unique_ptr<DataControlConnection> m_connection;
    ReadLimits m_limits;
    ChangeHandler m_handler;
    std::function<void()> m_compositorGone;

    // Guards the connection's objects and everything below: events are dispatched with it held,
    // and writes from the GUI thread take it too.
    mutable std::mutex m_mutex;
    wl_proxy *m_device = nullptr;
    std::unique_ptr<Offer> m_introduced;
    std::optional<Pending> m_pending;
    std::uint64_t m_generation = 0;
    Attaching m_attaching = Attaching::No;
    // What was read last, while the program still holds it, so a reread after a reconnection
    // tells whether the clipboard changed meanwhile.
    std::weak_ptr<const ClipboardSnapshot> m_lastRead;
    // The program's own contents while they are on the clipboard.
    wl_proxy *m_source = nullptr;
    std::shared_ptr<const ClipboardOffer> m_sourceOffer;
    // The compositor's confirmation of the latest write, while awaited, and the selections it
    // announced meanwhile: the last is the write, any before it copies the write replaced.
    wl_callback *m_writeCheck = nullptr;
    std::size_t m_selectionsSinceWrite = 0;
    std::size_t m_replacedUnread = 0;
    // The write being confirmed serves a kept copy: the copies it replaced unread, if any, leave
    // that copy, already told, as the clipboard's contents.
    bool m_confirmingTakeOver = false;
    // Keeping: the current copy's kept contents, once read; whether its owner has quit and the
    // copy waits to be taken over, and whether it has been.
    std::atomic<bool> m_keeping{false};
    std::shared_ptr<const ClipboardOffer> m_kept;
    bool m_takeOverDue = false;
    bool m_keptServed = false;
    // The program emptied the clipboard and the compositor has yet to announce it: a read that ends
    // meanwhile is not kept, so a clear stays a clear.
    bool m_emptying = false;
    // Pastes asked for while the GUI thread dispatched, for the reading thread to serve.
    std::vector<std::pair<int, SharedText>> m_arrivedTransfers;

    OutgoingTransfers m_transfers;
};

} // namespace nimbrel
