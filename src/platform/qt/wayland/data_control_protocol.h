#pragma once

#include <wayland-client-core.h>

#include <cstdint>

namespace nimbrel {

// The data-control protocols, ext_data_control_v1 and its forerunner zwlr_data_control_unstable_v1,
// have the same requests and events in the same order; only their interface names differ. The
// backend is written once against that shape and told at bind time which interfaces it speaks.
struct DataControlProtocol {
    const wl_interface *manager = nullptr;
    const wl_interface *device = nullptr;
    const wl_interface *source = nullptr;
    const wl_interface *offer = nullptr;
};

// In order of preference.
extern const DataControlProtocol extDataControl;
extern const DataControlProtocol wlrDataControl;

// The events, with the argument lists both protocols give them.
struct DataControlDeviceListener {
    void (*dataOffer)(void *data, wl_proxy *device, wl_proxy *offer);
    void (*selection)(void *data, wl_proxy *device, wl_proxy *offer);
    void (*finished)(void *data, wl_proxy *device);
    void (*primarySelection)(void *data, wl_proxy *device, wl_proxy *offer);
};
struct DataControlSourceListener {
    void (*send)(void *data, wl_proxy *source, const char *mimeType, std::int32_t fd);
    void (*cancelled)(void *data, wl_proxy *source);
};
struct DataControlOfferListener {
    void (*offer)(void *data, wl_proxy *offer, const char *mimeType);
};

// The requests. Each object speaks the protocol its manager was bound with.
wl_proxy *createDataSource(const DataControlProtocol &protocol, wl_proxy *manager);
wl_proxy *getDataDevice(const DataControlProtocol &protocol, wl_proxy *manager, wl_proxy *seat);
void offerMimeType(wl_proxy *source, const char *mimeType);
// A null source empties the clipboard.
void setSelection(wl_proxy *device, wl_proxy *source);
void receiveOffer(wl_proxy *offer, const char *mimeType, int fd);
void destroyManager(wl_proxy *manager);
// Destroys a device, source or offer: the destructor is the same request in all three.
void destroyDataControlObject(wl_proxy *object);

} // namespace nimbrel
