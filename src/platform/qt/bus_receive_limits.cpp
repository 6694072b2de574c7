#include "platform/qt/bus_receive_limits.h"

#include <QDBusConnection>

#include <dbus/dbus.h>

#include <climits>

namespace nimbrel {

void liftBusReceiveLimits(const QDBusConnection &bus)
{
    auto *connection = static_cast<DBusConnection *>(bus.internalPointer());
    if (connection == nullptr)
        return;
    dbus_connection_set_max_received_size(connection, LONG_MAX);
    dbus_connection_set_max_received_unix_fds(connection, LONG_MAX);
}

} // namespace nimbrel
