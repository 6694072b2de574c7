#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct DBusConnection;
struct DBusMessage;
struct DBusWatch;

namespace nimbrel {

// A libdbus message, released with its last holder.
using BusMessage = std::shared_ptr<DBusMessage>;
// Takes over a reference the caller holds; a null message stays null.
BusMessage adoptBusMessage(DBusMessage *message);

// A private connection to a message bus through libdbus alone, for the scripting interface and the
// command line. Unlike QtDBus, which hands calls to the main thread, it reads, dispatches and
// writes on a thread of its own once serve() is called, so a huge call never reaches the main
// thread; and it holds at most receiveLimit bytes of received messages, plus the one that passed
// it: libdbus stops reading there and reads on once one is freed, which here may happen on any
// thread (QtDBus would stop reading for good when that is the main thread).
class BusConnection {
public:
    static constexpr long receiveLimit = 64 * 1024;
    // How long the session bus may take to let a connection in: the program has started, and a
    // command-line verb has given up, within 5 s on a bus that takes connections but never answers.
    static constexpr std::chrono::seconds sessionBusPatience{4};

    // The session bus's address as libdbus finds it, short of starting a bus: DBUS_SESSION_BUS_ADDRESS,
    // else the socket $XDG_RUNTIME_DIR/bus. Empty when there is none (libdbus would then launch one,
    // which would outlive the program and serve nobody).
    static std::string sessionBusAddress();
    // A connection to the session bus at that address, let in within sessionBusPatience; nullptr,
    // and why in error, without one.
    static std::unique_ptr<BusConnection> openSessionBus(std::string &error);
    // Connects to the bus at the address and says Hello, both within the patience; nullptr, and
    // why in error, when that fails. A bus that takes the connection but never answers leaves the
    // attempt blocked on a thread of its own, which closes the connection if it ever returns.
    static std::unique_ptr<BusConnection> open(const std::string &address, std::chrono::milliseconds patience,
                                               std::string &error);

    ~BusConnection();
    BusConnection(const BusConnection &) = delete;
    BusConnection &operator=(const BusConnection &) = delete;

    // Sends a call and waits for its answer within the patience: the reply or error message, or
    // nullptr and why in error when none came. Only before serve().
    BusMessage call(const BusMessage &message, std::chrono::milliseconds patience, std::string &error,
                    std::string *errorName = nullptr);
    // Sends a message, from the connection's thread once it serves. Safe from any thread.
    void send(BusMessage message);
    // From now on dispatches on the connection's own thread, which hands each method call to the
    // path to the handler; libdbus answers the rest. False when the path cannot be registered.
    bool serve(const char *path, std::function<void(const BusMessage &)> handler);

private:
    explicit BusConnection(DBusConnection *connection);

    void run();
    void wake();
    void sendQueued();
    static unsigned addWatch(DBusWatch *watch, void *self);
    static void removeWatch(DBusWatch *watch, void *self);
    static void watchToggled(DBusWatch *watch, void *self);

    DBusConnection *m_connection = nullptr;
    std::function<void(const BusMessage &)> m_handler;
    int m_wakeFd = -1;
    std::atomic<bool> m_stop{false};
    // Guards the watches libdbus hands over, from any thread, and the messages waiting to be sent.
    std::mutex m_mutex;
    std::vector<DBusWatch *> m_watches;
    std::vector<BusMessage> m_outgoing;
    std::thread m_thread;
};

} // namespace nimbrel
