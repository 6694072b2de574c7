// A stand-in for another program that owns the X11 CLIPBOARD selection, for the end-to-end
// tests: it offers several targets at once (which xclip cannot) or, with --ignore-requests,
// takes ownership and never answers, like a hung application.
//
//   clipboard_peer [--ignore-requests] TARGET=VALUE...
//
// Prints "owner" once it owns the clipboard and exits when another program takes it over.
// Written against xcb alone so that it shares no code with the program under test.
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nimbrel {
namespace {

struct Offer {
    xcb_atom_t target = XCB_ATOM_NONE;
    std::string value;
};

struct FreeDeleter {
    void operator()(void *pointer) const { std::free(pointer); }
};

xcb_atom_t internAtom(xcb_connection_t *connection, std::string_view name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeDeleter> reply(xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Stores the answer on the requestor's window and tells it so; property None means refused.
void answer(xcb_connection_t *connection, const xcb_selection_request_event_t &request, xcb_atom_t property)
{
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = property;
    xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&notify));
    xcb_flush(connection);
}

void serve(xcb_connection_t *connection, const xcb_selection_request_event_t &request, xcb_atom_t targetsAtom,
           const std::vector<Offer> &offers)
{
    // Obsolete clients name no property and expect the target's name to be used.
    const xcb_atom_t property = request.property == XCB_ATOM_NONE ? request.target : request.property;
    if (request.target == targetsAtom) {
        std::vector<xcb_atom_t> targets{targetsAtom};
        for (const Offer &offer : offers) {
            targets.push_back(offer.target);
        }
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32,
                            static_cast<std::uint32_t>(targets.size()), targets.data());
        answer(connection, request, property);
        return;
    }
    for (const Offer &offer : offers) {
        if (offer.target == request.target) {
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property, offer.target, 8,
                                static_cast<std::uint32_t>(offer.value.size()), offer.value.data());
            answer(connection, request, property);
            return;
        }
    }
    answer(connection, request, XCB_ATOM_NONE);
}

int run(int argc, char **argv)
{
    bool ignoreRequests = false;
    std::vector<std::pair<std::string, std::string>> arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--ignore-requests") {
            ignoreRequests = true;
            continue;
        }
        const auto equals = argument.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            std::fprintf(stderr, "usage: clipboard_peer [--ignore-requests] TARGET=VALUE...\n");
            return 2;
        }
        arguments.emplace_back(std::string(argument.substr(0, equals)), std::string(argument.substr(equals + 1)));
    }

    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "clipboard_peer: cannot open the display\n");
        xcb_disconnect(connection);
        return 1;
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);

    const xcb_atom_t clipboard = internAtom(connection, "CLIPBOARD");
    const xcb_atom_t targetsAtom = internAtom(connection, "TARGETS");
    std::vector<Offer> offers;
    for (auto &[name, value] : arguments) {
        offers.push_back({internAtom(connection, name), std::move(value)});
    }

    xcb_set_selection_owner(connection, window, clipboard, XCB_CURRENT_TIME);
    const auto ownerCookie = xcb_get_selection_owner(connection, clipboard);
    const std::unique_ptr<xcb_get_selection_owner_reply_t, FreeDeleter> owner(
        xcb_get_selection_owner_reply(connection, ownerCookie, nullptr));
    if (!owner || owner->owner != window) {
        std::fprintf(stderr, "clipboard_peer: could not take the clipboard\n");
        xcb_disconnect(connection);
        return 1;
    }
    std::printf("owner\n");
    std::fflush(stdout);

    int status = 0;
    while (true) {
        const std::unique_ptr<xcb_generic_event_t, FreeDeleter> event(xcb_wait_for_event(connection));
        if (!event) {
            status = 1;
            break;
        }
        const auto type = event->response_type & 0x7f;
        if (type == XCB_SELECTION_CLEAR) {
            break;
        }
        if (type == XCB_SELECTION_REQUEST && !ignoreRequests) {
            serve(connection, *reinterpret_cast<xcb_selection_request_event_t *>(event.get()), targetsAtom, offers);
        }
    }
    xcb_disconnect(connection);
    return status;
}

} // namespace
} // namespace nimbrel

int main(int argc, char **argv)
{
    return nimbrel::run(argc, argv);
}
