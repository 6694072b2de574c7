#include "platform/qt/wayland/data_control_protocol.h"

#include "ext-data-control-v1-client-protocol.h"
#include "wlr-data-control-unstable-v1-client-protocol.h"

namespace nimbrel {
namespace {

// Request numbers, the same in both protocols.
constexpr std::uint32_t managerCreateDataSource = 0;
constexpr std::uint32_t managerGetDataDevice = 1;
constexpr std::uint32_t managerDestroy = 2;
constexpr std::uint32_t deviceSetSelection = 0;
constexpr std::uint32_t sourceOffer = 0;
constexpr std::uint32_t offerReceive = 0;
constexpr std::uint32_t objectDestroy = 1;

} // namespace

const DataControlProtocol extDataControl{&ext_data_control_manager_v1_interface, &ext_data_control_device_v1_interface,
                                         &ext_data_control_source_v1_interface, &ext_data_control_offer_v1_interface};
const DataControlProtocol wlrDataControl{&zwlr_data_control_manager_v1_interface,
                                         &zwlr_data_control_device_v1_interface,
                                         &zwlr_data_control_source_v1_interface, &zwlr_data_control_offer_v1_interface};

wl_proxy *createDataSource(const DataControlProtocol &protocol, wl_proxy *manager)
{
    return wl_proxy_marshal_flags(manager, managerCreateDataSource, protocol.source, wl_proxy_get_version(manager), 0,
                                  nullptr);
}

wl_proxy *getDataDevice(const DataControlProtocol &protocol, wl_proxy *manager, wl_proxy *seat)
{
    return wl_proxy_marshal_flags(manager, managerGetDataDevice, protocol.device, wl_proxy_get_version(manager), 0,
                                  nullptr, seat);
}

void offerMimeType(wl_proxy *source, const char *mimeType)
{
    wl_proxy_marshal_flags(source, sourceOffer, nullptr, wl_proxy_get_version(source), 0, mimeType);
}

void setSelection(wl_proxy *device, wl_proxy *source)
{
    wl_proxy_marshal_flags(device, deviceSetSelection, nullptr, wl_proxy_get_version(device), 0, source);
}

void receiveOffer(wl_proxy *offer, const char *mimeType, int fd)
{
    wl_proxy_marshal_flags(offer, offerReceive, nullptr, wl_proxy_get_version(offer), 0, mimeType, fd);
}

void destroyManager(wl_proxy *manager)
{
    wl_proxy_marshal_flags(manager, managerDestroy, nullptr, wl_proxy_get_version(manager), WL_MARSHAL_FLAG_DESTROY);
}

void destroyDataControlObject(wl_proxy *object)
{
    wl_proxy_marshal_flags(object, objectDestroy, nullptr, wl_proxy_get_version(object), WL_MARSHAL_FLAG_DESTROY);
}

} // namespace nimbrel
