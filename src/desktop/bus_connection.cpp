#include "desktop/bus_connection.h"

#include <QCoreApplication>

#include <dbus/dbus.h>

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>

namespace nimbrel {

namespace {

void closeConnection(DBusConnection *connection)
{
    dbus_connection_close(connection);
    dbus_connection_unref(connection);
}

DBusHandlerResult handleCall(DBusConnection *, DBusMessage *message, void *handler)
{
    if (dbus_message_get_type(message) != DBUS_MESSAGE_TYPE_METHOD_CALL)
        return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
    (*static_cast<const std::function<void(const BusMessage &)> *>(handler))(
        adoptBusMessage(dbus_message_ref(message)));
    return DBUS_HANDLER_RESULT_HANDLED;
}

} // namespace

BusMessage adoptBusMessage(DBusMessage *message)
{
    return message ? BusMessage(message, dbus_message_unref) : BusMessage();
}

std::string BusConnection::sessionBusAddress()
{
    if (const char *address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address != nullptr && *address != '\0')
        return address;
    const char *runtimeDirectory = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDirectory == nullptr || *runtimeDirectory == '\0')
        return {};
    // The user bus of systemd and dbus-broker, which libdbus also takes when it is the user's socket.
    const std::string path = std::string(runtimeDirectory) + "/bus";
    struct stat status{};
    if (stat(path.c_str(), &status) != 0 || !S_ISSOCK(status.st_mode) || status.st_uid != getuid())
        return {};
    char *escaped = dbus_address_escape_value(path.c_str());
    const std::string address = escaped ? "unix:path=" + std::string(escaped) : std::string();
    dbus_free(escaped);
    return address;
}

std::unique_ptr<BusConnection> BusConnection::openSessionBus(std::string &error)
{
    const std::string address = sessionBusAddress();
    if (address.empty()) {
        error = QCoreApplication::translate("BusConnection",
                                            "DBUS_SESSION_BUS_ADDRESS is not set, and XDG_RUNTIME_DIR holds no bus")
                    .toStdString();
        return nullptr;
    }
    return open(address, sessionBusPatience, error);
}

std::unique_ptr<BusConnection> BusConnection::open(const std::string &address, std::chrono::milliseconds patience,
                                                   std::string &error)
{
    // Shared with the thread that connects, which may outlive this call.
    struct Attempt {
        std::mutex mutex;
        std::condition_variable finished;
        bool done = false;
        bool abandoned = false;
        DBusConnection *connection = nullptr;
        std::string error;
    };
    dbus_threads_init_default();
    const auto attempt = std::make_shared<Attempt>();
    std::thread connecting([attempt, address] {
        DBusError failure;
        dbus_error_init(&failure);
        DBusConnection *connection = dbus_connection_open_private(address.c_str(), &failure);
        if (connection != nullptr) {
            dbus_connection_set_exit_on_disconnect(connection, FALSE);
            dbus_connection_set_max_received_size(connection, receiveLimit);
            if (!dbus_bus_register(connection, &failure)) {
                closeConnection(connection);
                connection = nullptr;
            }
        }
        const std::lock_guard lock(attempt->mutex);
        if (attempt->abandoned) {
            if (connection != nullptr)
                closeConnection(connection);
        } else {
            attempt->connection = connection;
            attempt->error = dbus_error_is_set(&failure)
                ? std::string(failure.message)
                : QCoreApplication::translate("BusConnection", "cannot connect").toStdString();
            attempt->done = true;
            attempt->finished.notify_one();
        }
        dbus_error_free(&failure);
    });

    std::unique_lock lock(attempt->mutex);
    if (!attempt->finished.wait_for(lock, patience, [&] { return attempt->done; })) {
        attempt->abandoned = true;
        connecting.detach();
        //: %1 is the bus's address, %2 a number of seconds
        error = QCoreApplication::translate("BusConnection", "the bus at %1 did not answer within %2 s")
                    .arg(QString::fromStdString(address))
                    .arg(std::chrono::ceil<std::chrono::seconds>(patience).count())
                    .toStdString();
        return nullptr;
    }
    lock.unlock();
    connecting.join();
    if (attempt->connection == nullptr) {
        error = attempt->error;
        return nullptr;
    }
    return std::unique_ptr<BusConnection>(new BusConnection(attempt->connection));
}

BusConnection::BusConnection(DBusConnection *connection)
    : m_connection(connection)
{
}

BusConnection::~BusConnection()
{
    if (m_thread.joinable()) {
        m_stop.store(true);
        wake();
        m_thread.join();
    }
    closeConnection(m_connection);
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

BusMessage BusConnection::call(const BusMessage &message, std::chrono::milliseconds patience, std::string &error,
                               std::string *errorName)
{
    DBusError failure;
    dbus_error_init(&failure);
    BusMessage reply = adoptBusMessage(dbus_connection_send_with_reply_and_block(
        m_connection, message.get(), static_cast<int>(patience.count()), &failure));
    if (!reply)
        error = dbus_error_is_set(&failure) ? std::string(failure.message)
                                            : QCoreApplication::translate("BusConnection", "no answer").toStdString();
    if (!reply && errorName)
        *errorName = dbus_error_is_set(&failure) ? failure.name : "";
    dbus_error_free(&failure);
    return reply;
}

// Queued for the connection's thread: only it does the connection's I/O, so no other thread can
// end the connection and free a watch it is about to handle.
void BusConnection::send(BusMessage message)
{
    {
        const std::lock_guard lock(m_mutex);
        m_outgoing.push_back(std::move(message));
    }
    wake();
}

bool BusConnection::serve(const char *path, std::function<void(const BusMessage &)> handler)
{
    static const DBusObjectPathVTable vtable{nullptr, handleCall, nullptr, nullptr, nullptr, nullptr};
    m_handler = std::move(handler);
    m_wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0 || !dbus_connection_register_object_path(m_connection, path, &vtable, &m_handler))
        return false;
    const auto wakeUp = [](void *self) { static_cast<BusConnection *>(self)->wake(); };
    const auto dispatchStatusChanged = [](DBusConnection *, DBusDispatchStatus, void *self) {
        static_cast<BusConnection *>(self)->wake();
    };
    dbus_connection_set_wakeup_main_function(m_connection, wakeUp, this, nullptr);
    dbus_connection_set_dispatch_status_function(m_connection, dispatchStatusChanged, this, nullptr);
    if (!dbus_connection_set_watch_functions(m_connection, addWatch, removeWatch, watchToggled, this, nullptr))
        return false;
    m_thread = std::thread([this] { run(); });
    return true;
}

void BusConnection::run()
{
    std::vector<pollfd> descriptors;
    std::vector<DBusWatch *> watches;
    while (!m_stop.load()) {
        sendQueued();
        while (dbus_connection_dispatch(m_connection) == DBUS_DISPATCH_DATA_REMAINS) {
        }
        // Without a bus there is nothing left to serve.
        if (!dbus_connection_get_is_connected(m_connection))
            return;
        descriptors.assign(1, pollfd{m_wakeFd, POLLIN, 0});
        watches.assign(1, nullptr);
        {
            const std::lock_guard lock(m_mutex);
            for (DBusWatch *watch : m_watches) {
                if (!dbus_watch_get_enabled(watch))
                    continue;
                const unsigned flags = dbus_watch_get_flags(watch);
                const auto events = static_cast<short>(((flags & DBUS_WATCH_READABLE) != 0 ? POLLIN : 0)
                                                       | ((flags & DBUS_WATCH_WRITABLE) != 0 ? POLLOUT : 0));
                descriptors.push_back({dbus_watch_get_unix_fd(watch), events, 0});
                watches.push_back(watch);
            }
        }
        if (poll(descriptors.data(), descriptors.size(), -1) < 0 && errno != EINTR)
            return;
        std::uint64_t wakeUps = 0;
        if ((descriptors[0].revents & POLLIN) != 0)
            [[maybe_unused]] const auto read = ::read(m_wakeFd, &wakeUps, sizeof wakeUps);
        for (std::size_t i = 1; i < descriptors.size(); ++i) {
            const short events = descriptors[i].revents;
            const unsigned condition = ((events & POLLIN) != 0 ? DBUS_WATCH_READABLE : 0)
                | ((events & POLLOUT) != 0 ? DBUS_WATCH_WRITABLE : 0)
                | ((events & POLLHUP) != 0 ? DBUS_WATCH_HANGUP : 0) | ((events & POLLERR) != 0 ? DBUS_WATCH_ERROR : 0);
            // Handling one watch may have ended the connection and freed the others.
            bool present = false;
            {
                const std::lock_guard lock(m_mutex);
                present = std::find(m_watches.begin(), m_watches.end(), watches[i]) != m_watches.end();
            }
            if (condition != 0 && present)
                dbus_watch_handle(watches[i], condition);
        }
    }
}

void BusConnection::sendQueued()
{
    std::vector<BusMessage> outgoing;
    {
        const std::lock_guard lock(m_mutex);
        outgoing.swap(m_outgoing);
    }
    for (const BusMessage &message : outgoing)
        dbus_connection_send(m_connection, message.get(), nullptr);
}

void BusConnection::wake()
{
    if (m_wakeFd < 0)
        return;
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(m_wakeFd, &one, sizeof one);
}

// libdbus calls these with the connection locked, from whichever thread changed the watch: a
// message freed on the main thread may let the connection read again.
unsigned BusConnection::addWatch(DBusWatch *watch, void *self)
{
    auto &connection = *static_cast<BusConnection *>(self);
    {
        const std::lock_guard lock(connection.m_mutex);
        connection.m_watches.push_back(watch);
    }
    connection.wake();
    return TRUE;
}

void BusConnection::removeWatch(DBusWatch *watch, void *self)
{
    auto &connection = *static_cast<BusConnection *>(self);
    {
        const std::lock_guard lock(connection.m_mutex);
        std::erase(connection.m_watches, watch);
    }
    connection.wake();
}

void BusConnection::watchToggled(DBusWatch *, void *self)
{
    static_cast<BusConnection *>(self)->wake();
}

} // namespace nimbrel
