#pragma once

#include "platform/qt/wayland/data_control_protocol.h"

#include <memory>
#include <string>

struct wl_display;
struct wl_registry;

namespace nimbrel {

// A connection of the clipboard's own to the Wayland compositor, with the seat and the data-control
// manager bound: ext_data_control_v1 where offered, else zwlr_data_control_unstable_v1.
class DataControlConnection {
public:
    ~DataControlConnection();
    DataControlConnection(const DataControlConnection &) = delete;
    DataControlConnection &operator=(const DataControlConnection &) = delete;

    // The connection; nullptr with the reason in whyNot when there is no compositor, no seat or
    // neither protocol.
    static std::unique_ptr<DataControlConnection> open(std::string &whyNot);

    wl_display *display() const { return m_display; }
    const DataControlProtocol &protocol() const { return *m_protocol; }
    const char *protocolName() const;
    wl_proxy *manager() const { return m_manager; }
    wl_proxy *seat() const { return m_seat; }

private:
    DataControlConnection() = default;
    static void global(void *data, wl_registry *registry, std::uint32_t name, const char *interface,
                       std::uint32_t version);

    wl_display *m_display = nullptr;
    wl_registry *m_registry = nullptr;
    wl_proxy *m_seat = nullptr;
    wl_proxy *m_manager = nullptr;
    const DataControlProtocol *m_protocol = nullptr;
    // Names of the globals to bind, 0 when not offered.
    std::uint32_t m_seatName = 0;
    std::uint32_t m_extName = 0;
    std::uint32_t m_wlrName = 0;
};

} // namespace nimbrel
