// A clipboard owner that misbehaves in the ways real programs do, for the fault tests and the
// desktop benchmark: it answers late, offers far more text than anyone should read, or quits in
// the middle of an incremental (INCR) transfer.
//
//   slow_owner [--delay-ms N] [--bytes N] [--chunk N] [--vanish-after-chunks N] TEXT
//
// Offers TEXT (repeated up to --bytes when given) as UTF8_STRING. Prints "owner"
// with the wall-clock time in nanoseconds once it owns the clipboard, "incr" when an incremental
// transfer starts and "served" when an answer is complete. Exits when another program takes the
// clipboard, after two minutes, or right after sending the given number of chunks.
#include "fault/selection_owner.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace nimbrel {
namespace {

struct Options {
    std::chrono::milliseconds delay{0};
    std::size_t bytes = 0;
    std::size_t chunk = std::size_t{1} << 20;
    long vanishAfterChunks = -1;
    std::string text;
};

std::optional<Options> parse(int argc, char **argv)
{
    Options options;
    bool haveText = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--delay-ms" && hasValue)
            options.delay = std::chrono::milliseconds(std::atol(argv[++i]));
        else if (argument == "--bytes" && hasValue)
            options.bytes = std::strtoull(argv[++i], nullptr, 10);
        else if (argument == "--chunk" && hasValue)
            options.chunk = std::max<std::size_t>(1, std::strtoull(argv[++i], nullptr, 10));
        else if (argument == "--vanish-after-chunks" && hasValue)
            options.vanishAfterChunks = std::atol(argv[++i]);
        else if (!haveText && !argument.starts_with("--")) {
            options.text = argument;
            haveText = true;
        } else
            return std::nullopt;
    }
    if (!haveText || (options.bytes > 0 && options.text.empty()))
        return std::nullopt;
    return options;
}

std::string contentsOf(const Options &options)
{
    if (options.bytes == 0)
        return options.text;
    std::string contents;
    contents.reserve(options.bytes);
    while (contents.size() < options.bytes)
        contents.append(options.text, 0, std::min(options.text.size(), options.bytes - contents.size()));
    return contents;
}

long long wallClockNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void say(const char *line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// One incremental transfer: the requestor deletes the property to ask for the next chunk, and a
// chunk of length zero ends the transfer.
struct Transfer {
    bool active = false;
    xcb_window_t requestor = XCB_WINDOW_NONE;
    xcb_atom_t property = XCB_ATOM_NONE;
    std::size_t offset = 0;
    bool finished = false;
};

int run(const Options &options)
{
    SelectionOwner owner;
    if (!owner.connected()) {
        std::fprintf(stderr, "slow_owner: cannot open the display\n");
        return 1;
    }
    const std::string contents = contentsOf(options);
    const xcb_atom_t target = owner.atom("UTF8_STRING");
    const xcb_atom_t incr = owner.atom("INCR");
    const long long ownedAt = wallClockNanoseconds();
    if (!owner.take()) {
        std::fprintf(stderr, "slow_owner: could not take the clipboard\n");
        return 1;
    }
    std::printf("owner %lld\n", ownedAt);
    std::fflush(stdout);

    Transfer transfer;
    long chunksSent = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (std::chrono::steady_clock::now() < end) {
        const SelectionOwner::Event event = owner.next(std::chrono::milliseconds(200));
        if (owner.broken())
            return 1;
        if (!event)
            continue;
        const auto type = event->response_type & 0x7F;
        if (type == XCB_SELECTION_CLEAR)
            return 0;
        if (type == 0 && transfer.active) {
            // The requestor's window is gone: it gave up.
            say("abandoned");
            transfer = {};
            continue;
        }
        if (type == XCB_PROPERTY_NOTIFY && transfer.active) {
            const auto &change = *reinterpret_cast<const xcb_property_notify_event_t *>(event.get());
            if (change.window != transfer.requestor || change.atom != transfer.property
                || change.state != XCB_PROPERTY_DELETE)
                continue;
            if (transfer.finished) {
                say("served");
                transfer = {};
                continue;
            }
            const std::size_t length = std::min(options.chunk, contents.size() - transfer.offset);
            xcb_change_property(owner.connection(), XCB_PROP_MODE_REPLACE, transfer.requestor, transfer.property,
                                target, 8, static_cast<std::uint32_t>(length), contents.data() + transfer.offset);
            xcb_flush(owner.connection());
            transfer.offset += length;
            transfer.finished = length == 0;
            if (++chunksSent == options.vanishAfterChunks) {
                say("vanished");
                return 0;
            }
            continue;
        }
        if (type != XCB_SELECTION_REQUEST)
            continue;
        const auto &request = *reinterpret_cast<const xcb_selection_request_event_t *>(event.get());
        if (request.target == owner.targets()) {
            owner.answerTargets(request, {owner.targets(), target});
            continue;
        }
        if (request.target != target || transfer.active) {
            owner.refuse(request);
            continue;
        }
        std::this_thread::sleep_for(options.delay);
        if (contents.size() <= options.chunk) {
            owner.answerBytes(request, target, contents);
            say("served");
            continue;
        }
        transfer = Transfer{true, request.requestor, SelectionOwner::propertyOf(request), 0, false};
        const std::uint32_t values[] = {XCB_EVENT_MASK_PROPERTY_CHANGE};
        xcb_change_window_attributes(owner.connection(), request.requestor, XCB_CW_EVENT_MASK, values);
        const auto size = static_cast<std::uint32_t>(std::min<std::size_t>(contents.size(), UINT32_MAX));
        xcb_change_property(owner.connection(), XCB_PROP_MODE_REPLACE, request.requestor, transfer.property, incr, 32,
                            1, &size);
        owner.notify(request, transfer.property);
        say("incr");
    }
    return 0;
}

} // namespace
} // namespace nimbrel

int main(int argc, char **argv)
{
    const std::optional<nimbrel::Options> options = nimbrel::parse(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: slow_owner [--delay-ms N] [--bytes N] [--chunk N] "
                             "[--vanish-after-chunks N] TEXT\n");
        return 2;
    }
    return nimbrel::run(*options);
}
