#include "platform/qt/wayland/data_control_connection.h"

#include <QtGlobal>

#include <wayland-client.h>

#include <cstring>

namespace nimbrel {

void DataControlConnection::global(void *data, wl_registry *, std::uint32_t name, const char *interface,
                                   std::uint32_t)
{
    auto &connection = *static_cast<DataControlConnection *>(data);
    // Of several seats, the first is the one the user types on.
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && connection.m_seatName == 0)
        connection.m_seatName = name;
    else if (std::strcmp(interface, extDataControl.manager->name) == 0)
        connection.m_extName = name;
    else if (std::strcmp(interface, wlrDataControl.manager->name) == 0)
        connection.m_wlrName = name;
}

std::unique_ptr<DataControlConnection> DataControlConnection::open(std::string &whyNot)
{
    std::unique_ptr<DataControlConnection> connection(new DataControlConnection);
    connection->m_display = wl_display_connect(nullptr);
    if (!connection->m_display) {
        whyNot = QT_TRANSLATE_NOOP("DataControlConnection", "no Wayland compositor to connect to");
        return nullptr;
    }
    static const wl_registry_listener listener{&DataControlConnection::global,
                                               [](void *, wl_registry *, std::uint32_t) {}};
    connection->m_registry = wl_display_get_registry(connection->m_display);
    wl_registry_add_listener(connection->m_registry, &listener, connection.get());
    if (wl_display_roundtrip(connection->m_display) < 0) {
        whyNot = QT_TRANSLATE_NOOP("DataControlConnection", "the Wayland compositor did not answer");
        return nullptr;
    }
    const std::uint32_t managerName = connection->m_extName != 0 ? connection->m_extName : connection->m_wlrName;
    if (managerName == 0 || connection->m_seatName == 0) {
        whyNot = managerName == 0
            ? QT_TRANSLATE_NOOP("DataControlConnection", "the Wayland compositor offers no data-control protocol")
            : QT_TRANSLATE_NOOP("DataControlConnection", "the Wayland compositor has no seat");
        return nullptr;
    }
    connection->m_protocol = connection->m_extName != 0 ? &extDataControl : &wlrDataControl;
    // Version 1 of either protocol has everything the clipboard needs.
    connection->m_manager = static_cast<wl_proxy *>(
        wl_registry_bind(connection->m_registry, managerName, connection->m_protocol->manager, 1));
    connection->m_seat =
        static_cast<wl_proxy *>(wl_registry_bind(connection->m_registry, connection->m_seatName, &wl_seat_interface, 1));
    return connection;
}

DataControlConnection::~DataControlConnection()
{
    if (m_manager)
        destroyManager(m_manager);
    if (m_seat)
        wl_proxy_destroy(m_seat);
    if (m_registry)
        wl_registry_destroy(m_registry);
    if (m_display)
        wl_display_disconnect(m_display);
}

const char *DataControlConnection::protocolName() const
{
    return m_protocol ? m_protocol->manager->name : "";
}

} // namespace nimbrel
