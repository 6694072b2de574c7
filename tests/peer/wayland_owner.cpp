// The Wayland side of the clipboard owner, well or badly behaved, through zwlr_data_control (what
// sway offers), so that it needs no window and no focus.
//
//   clipboard_owner --wayland [--hang] [--repeat-to N] MIME=VALUE...
//   clipboard_owner --wayland --watch
//
// --hang lists the types but never answers; --repeat-to repeats every value up to N bytes.
// Prints "owner" once it owns the clipboard, "asked MIME" per request and "served MIME" once an
// answer is written; quits when another program takes the clipboard. --watch owns nothing and
// prints "selection" or "empty" for every selection the compositor announces.
#include "wlr-data-control-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Owner {
    std::vector<std::pair<std::string, std::string>> offers;
    bool hang = false;
    bool watch = false;
    wl_seat *seat = nullptr;
    zwlr_data_control_manager_v1 *manager = nullptr;
};

void global(void *data, wl_registry *registry, std::uint32_t name, const char *interface, std::uint32_t)
{
    auto &owner = *static_cast<Owner *>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !owner.seat)
        owner.seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwlr_data_control_manager_v1_interface.name) == 0)
        owner.manager = static_cast<zwlr_data_control_manager_v1 *>(
            wl_registry_bind(registry, name, &zwlr_data_control_manager_v1_interface, 1));
}

void send(void *data, zwlr_data_control_source_v1 *, const char *mimeType, std::int32_t fd)
{
    const auto &owner = *static_cast<Owner *>(data);
    std::printf("asked %s\n", mimeType);
    std::fflush(stdout);
    if (owner.hang)
        return; // the pipe stays open and empty for as long as the owner lives
    for (const auto &[name, value] : owner.offers) {
        for (std::size_t sent = 0; name == mimeType && sent < value.size();) {
            const ssize_t written = write(fd, value.data() + sent, value.size() - sent);
            if (written <= 0)
                break;
            sent += static_cast<std::size_t>(written);
        }
    }
    close(fd);
    std::printf("served %s\n", mimeType);
    std::fflush(stdout);
}

void watch(zwlr_data_control_manager_v1 *manager, wl_seat *seat)
{
    static const zwlr_data_control_device_v1_listener listener{
        [](void *, zwlr_data_control_device_v1 *, zwlr_data_control_offer_v1 *) {},
        [](void *, zwlr_data_control_device_v1 *, zwlr_data_control_offer_v1 *offer) {
            std::printf("%s\n", offer ? "selection" : "empty");
            std::fflush(stdout);
            if (offer)
                zwlr_data_control_offer_v1_destroy(offer);
        },
        [](void *, zwlr_data_control_device_v1 *) { std::exit(1); }, nullptr};
    zwlr_data_control_device_v1_add_listener(zwlr_data_control_manager_v1_get_data_device(manager, seat), &listener,
                                             nullptr);
}

} // namespace

int runWaylandOwner(int argc, char **argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    Owner owner;
    std::size_t repeatTo = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--hang")
            owner.hang = true;
        else if (argument == "--watch")
            owner.watch = true;
        else if (argument == "--repeat-to" && i + 1 < argc)
            repeatTo = std::stoul(argv[++i]);
        else if (const auto equals = argument.find('='); equals != std::string::npos)
            owner.offers.emplace_back(argument.substr(0, equals), argument.substr(equals + 1));
    }
    for (auto &offer : owner.offers) {
        while (!offer.second.empty() && offer.second.size() < repeatTo)
            offer.second += offer.second.substr(0, repeatTo - offer.second.size());
    }
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return 1;
    static const wl_registry_listener registryListener{global, [](void *, wl_registry *, std::uint32_t) {}};
    wl_registry_add_listener(wl_display_get_registry(display), &registryListener, &owner);
    wl_display_roundtrip(display);
    if (!owner.seat || !owner.manager)
        return 1;
    if (owner.watch) {
        watch(owner.manager, owner.seat);
        while (wl_display_dispatch(display) >= 0) {
        }
        return 0;
    }
    static const zwlr_data_control_source_v1_listener sourceListener{
        send, [](void *, zwlr_data_control_source_v1 *) { std::exit(0); }};
    zwlr_data_control_source_v1 *source = zwlr_data_control_manager_v1_create_data_source(owner.manager);
    zwlr_data_control_source_v1_add_listener(source, &sourceListener, &owner);
    for (const auto &offer : owner.offers)
        zwlr_data_control_source_v1_offer(source, offer.first.c_str());
    zwlr_data_control_device_v1_set_selection(zwlr_data_control_manager_v1_get_data_device(owner.manager, owner.seat),
                                              source);
    wl_display_roundtrip(display);
    std::printf("owner\n");
    std::fflush(stdout);
    while (wl_display_dispatch(display) >= 0) {
    }
    return 0;
}
