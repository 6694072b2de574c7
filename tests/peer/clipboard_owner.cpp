// A stand-in for any program that owns the X11 CLIPBOARD, well or badly behaved, for every test
// suite and bench/desktop. Written against xcb alone so that it shares no code with the program
// under test.
//
//   clipboard_owner [OPTION...] [TARGET=VALUE]...
//
//   --file TARGET=PATH      offer TARGET with the exact bytes of PATH
//   --refuse TARGET         list TARGET but refuse to convert it
//   --replay FILE           offer a recorded offer (tests/data/offers): its targets in its order,
//                           TARGETS listed only where the recording lists it
//   --delay-ms N            answer every request N ms late
//   --hang                  answer nothing at all
//   --repeat-to N           repeat every value up to N bytes
//   --chunk N               send values over N bytes incrementally (INCR), N at a time
//   --vanish-after-chunks N quit, without a word to the reader, after sending N chunks
//   --burst N               take the clipboard N times; change K appends K to every value
//   --interval-us N         between the changes of a burst
//   --times FILE            write "K WALL_CLOCK_NANOSECONDS" per change, taken just before it
//   --garbage-targets N     list N distinct atoms with garbage names before the real targets
//   --lifetime SECONDS      quit after this long (default 120)
//
// Prints one line per event, for tests to wait on: "owner" once it owns the clipboard,
// "served TARGET" when an answer is complete, "incr TARGET" when an incremental one starts,
// "vanished", and "done" after the last change. Quits when another client takes the clipboard.
#include <xcb/xcb.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <stdexcept>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Offer {
    std::string name;
    std::optional<std::string> value; // none: refused
    xcb_atom_t atom = XCB_ATOM_NONE;
};

struct Options {
    std::vector<Offer> offers;
    bool listsTargets = true;
    bool hang = false;
    std::chrono::milliseconds delay{0};
    std::size_t repeatTo = 0;
    std::size_t chunk = 256 * 1024;
    long vanishAfterChunks = -1;
    long burst = 1;
    std::chrono::microseconds interval{0};
    std::string timesFile;
    long garbageTargets = 0;
    std::chrono::seconds lifetime{120};
};

// An incremental answer in progress: the reader deletes the property to ask for the next chunk.
struct Transfer {
    xcb_window_t requestor = XCB_WINDOW_NONE;
    xcb_atom_t property = XCB_ATOM_NONE;
    const Offer *offer = nullptr;
    std::size_t offset = 0;
};

struct FreeDeleter {
    void operator()(void *pointer) const { std::free(pointer); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

void say(const std::string &line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string readFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::string base64Decoded(std::string_view text)
{
    constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bytes;
    std::uint32_t bits = 0;
    int count = 0;
    for (const char c : text) {
        const std::size_t value = alphabet.find(c);
        if (value == std::string_view::npos)
            continue;
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        if ((count += 6) >= 8)
            bytes.push_back(static_cast<char>((bits >> (count -= 8)) & 0xFF));
    }
    return bytes;
}

// One line per target: NAME TAB base64:BYTES, or "-", "refused" or "large" for a refused one.
void readRecording(const std::string &path, Options &options)
{
    std::istringstream lines(readFile(path));
    options.listsTargets = false;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t tab = line.find('\t');
        if (line.starts_with('#') || tab == std::string::npos)
            continue;
        const std::string_view value = std::string_view(line).substr(tab + 1);
        Offer offer{line.substr(0, tab), std::nullopt};
        if (value.starts_with("base64:"))
            offer.value = base64Decoded(value.substr(7));
        options.listsTargets = options.listsTargets || offer.name == "TARGETS";
        options.offers.push_back(std::move(offer));
    }
}

Options parse(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--hang") {
            options.hang = true;
            continue;
        }
        const bool isOption = argument.starts_with("--");
        if (isOption && i + 1 == argc)
            throw std::invalid_argument(argument + " needs a value");
        const std::string value = isOption ? argv[++i] : argument;
        const std::size_t equals = value.find('=');
        const auto number = [&] { return std::stol(value); };
        if (argument == "--replay")
            readRecording(value, options);
        else if (argument == "--refuse")
            options.offers.push_back({value, std::nullopt});
        else if ((argument == "--file" || !isOption) && equals != std::string::npos && equals > 0)
            options.offers.push_back({value.substr(0, equals), isOption ? readFile(value.substr(equals + 1))
                                                                         : value.substr(equals + 1)});
        else if (argument == "--delay-ms")
            options.delay = std::chrono::milliseconds(number());
        else if (argument == "--repeat-to")
            options.repeatTo = static_cast<std::size_t>(number());
        else if (argument == "--chunk")
            options.chunk = static_cast<std::size_t>(std::max(1L, number()));
        else if (argument == "--vanish-after-chunks")
            options.vanishAfterChunks = number();
        else if (argument == "--burst")
            options.burst = std::max(1L, number());
        else if (argument == "--interval-us")
            options.interval = std::chrono::microseconds(number());
        else if (argument == "--times")
            options.timesFile = value;
        else if (argument == "--garbage-targets")
            options.garbageTargets = number();
        else if (argument == "--lifetime")
            options.lifetime = std::chrono::seconds(number());
        else
            throw std::invalid_argument("unknown argument " + argument);
    }
    if (options.listsTargets && std::none_of(options.offers.begin(), options.offers.end(),
                                             [](const Offer &offer) { return offer.name == "TARGETS"; }))
        options.offers.insert(options.offers.begin(), Offer{"TARGETS", std::nullopt});
    return options;
}

class Owner {
public:
    explicit Owner(Options options)
        : m_options(std::move(options))
        , m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection))
            throw std::runtime_error("cannot open the display");
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        m_window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        m_clipboard = intern("CLIPBOARD");
        m_targets = intern("TARGETS");
        m_incr = intern("INCR");
        for (long i = 0; i < m_options.garbageTargets; ++i)
            m_listed.push_back(intern(garbageName(i)));
        for (Offer &offer : m_options.offers)
            m_listed.push_back(offer.atom = intern(offer.name));
        m_base = m_options.offers;
    }
    ~Owner() { xcb_disconnect(m_connection); }
    Owner(const Owner &) = delete;
    Owner &operator=(const Owner &) = delete;

    int run()
    {
        std::vector<long long> times;
        const auto end = Clock::now() + m_options.lifetime;
        auto nextChange = Clock::now();
        for (long change = 1; Clock::now() < end;) {
            if (change <= m_options.burst && Clock::now() >= nextChange) {
                times.push_back(std::chrono::duration_cast<std::chrono::nanoseconds>(
                    std::chrono::system_clock::now().time_since_epoch()).count());
                take(change);
                nextChange = Clock::now() + m_options.interval;
                if (change == 1)
                    say("owner");
                if (change++ == m_options.burst)
                    finish(times);
            }
            const Reply<xcb_generic_event_t> event(nextEvent(change <= m_options.burst ? nextChange : end));
            if (xcb_connection_has_error(m_connection))
                return 1;
            if (event && !handle(*event))
                return 0;
        }
        return 0;
    }

private:
    xcb_atom_t intern(const std::string &name)
    {
        const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
            nullptr));
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    // Every byte but NUL, in lengths from 1 to 64, unique through the number in the middle.
    static std::string garbageName(long number)
    {
        std::string name(static_cast<std::size_t>(number % 64) + 1, '\0');
        for (std::size_t i = 0; i < name.size(); ++i)
            name[i] = static_cast<char>(1 + (number * 37 + static_cast<long>(i) * 101) % 255);
        return name.insert(name.size() / 2, std::to_string(number));
    }

    void take(long change)
    {
        for (std::size_t i = 0; i < m_base.size() && m_options.burst > 1; ++i) {
            if (m_base[i].value)
                m_options.offers[i].value = *m_base[i].value + std::to_string(change);
        }
        xcb_set_selection_owner(m_connection, m_window, m_clipboard, XCB_CURRENT_TIME);
        const Reply<xcb_get_selection_owner_reply_t> owner(
            xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, m_clipboard), nullptr));
        if (!owner || owner->owner != m_window)
            throw std::runtime_error("could not take the clipboard");
    }

    void finish(const std::vector<long long> &times)
    {
        if (!m_options.timesFile.empty()) {
            std::ofstream file(m_options.timesFile);
            for (std::size_t i = 0; i < times.size(); ++i)
                file << i + 1 << ' ' << times[i] << '\n';
        }
        say("done");
    }

    xcb_generic_event_t *nextEvent(Clock::time_point until)
    {
        xcb_flush(m_connection);
        xcb_generic_event_t *event = xcb_poll_for_event(m_connection);
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        if (event == nullptr && left > 0) {
            pollfd descriptor{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&descriptor, 1, static_cast<int>(std::min<long long>(left, 1000)));
            event = xcb_poll_for_event(m_connection);
        }
        return event;
    }

    // False once another client owns the clipboard.
    bool handle(const xcb_generic_event_t &event)
    {
        switch (event.response_type & 0x7F) {
        case XCB_SELECTION_CLEAR: return false;
        case XCB_SELECTION_REQUEST:
            if (!m_options.hang)
                answer(reinterpret_cast<const xcb_selection_request_event_t &>(event));
            return true;
        case XCB_PROPERTY_NOTIFY: sendNextChunk(reinterpret_cast<const xcb_property_notify_event_t &>(event)); return true;
        case 0: // an error: a reader's window that is gone takes its transfers with it
            std::erase_if(m_transfers, [&](const Transfer &transfer) {
                return transfer.requestor == reinterpret_cast<const xcb_generic_error_t &>(event).resource_id;
            });
            return true;
        default: return true;
        }
    }

    void answer(const xcb_selection_request_event_t &request)
    {
        std::this_thread::sleep_for(m_options.delay);
        // Obsolete clients name no property and expect the target's name to be used.
        const xcb_atom_t property = request.property == XCB_ATOM_NONE ? request.target : request.property;
        const auto offer = std::find_if(m_options.offers.begin(), m_options.offers.end(),
                                        [&](const Offer &offer) { return offer.atom == request.target; });
        if (request.target == m_targets) {
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32,
                                static_cast<std::uint32_t>(m_listed.size()), m_listed.data());
        } else if (offer == m_options.offers.end() || !offer->value) {
            notify(request, XCB_ATOM_NONE);
            return;
        } else if (sizeOf(*offer) > m_options.chunk) {
            const std::uint32_t values[] = {XCB_EVENT_MASK_PROPERTY_CHANGE};
            xcb_change_window_attributes(m_connection, request.requestor, XCB_CW_EVENT_MASK, values);
            const auto size = static_cast<std::uint32_t>(std::min<std::size_t>(sizeOf(*offer), UINT32_MAX));
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, property, m_incr, 32, 1, &size);
            m_transfers.push_back({request.requestor, property, &*offer, 0});
            notify(request, property);
            say("incr " + offer->name);
            return;
        } else {
            const std::string bytes = bytesOf(*offer, 0, sizeOf(*offer));
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, property, offer->atom, 8,
                                static_cast<std::uint32_t>(bytes.size()), bytes.data());
        }
        notify(request, property);
        say("served " + (offer == m_options.offers.end() ? std::string("TARGETS") : offer->name));
    }

    void sendNextChunk(const xcb_property_notify_event_t &change)
    {
        const auto transfer = std::find_if(m_transfers.begin(), m_transfers.end(), [&](const Transfer &transfer) {
            return transfer.requestor == change.window && transfer.property == change.atom;
        });
        if (change.state != XCB_PROPERTY_DELETE || transfer == m_transfers.end())
            return;
        const std::size_t length = std::min(m_options.chunk, sizeOf(*transfer->offer) - transfer->offset);
        const std::string bytes = bytesOf(*transfer->offer, transfer->offset, length);
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, transfer->requestor, transfer->property,
                            transfer->offer->atom, 8, static_cast<std::uint32_t>(length), bytes.data());
        transfer->offset += length;
        if (length == 0) {
            say("served " + transfer->offer->name);
            m_transfers.erase(transfer);
        }
        if (++m_chunksSent == m_options.vanishAfterChunks) {
            say("vanished");
            std::_Exit(0);
        }
    }

    std::size_t sizeOf(const Offer &offer) const { return std::max(m_options.repeatTo, offer.value->size()); }

    // The value repeated up to its size, from offset on.
    std::string bytesOf(const Offer &offer, std::size_t offset, std::size_t length) const
    {
        const std::string &value = *offer.value;
        std::string bytes;
        bytes.reserve(length);
        while (bytes.size() < length && !value.empty()) {
            const std::size_t at = (offset + bytes.size()) % value.size();
            bytes.append(value, at, std::min(value.size() - at, length - bytes.size()));
        }
        return bytes;
    }

    void notify(const xcb_selection_request_event_t &request, xcb_atom_t property)
    {
        xcb_selection_notify_event_t event{};
        event.response_type = XCB_SELECTION_NOTIFY;
        event.time = request.time;
        event.requestor = request.requestor;
        event.selection = request.selection;
        event.target = request.target;
        event.property = property;
        xcb_send_event(m_connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
        xcb_flush(m_connection);
    }

    Options m_options;
    std::vector<Offer> m_base;
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    xcb_atom_t m_clipboard = XCB_ATOM_NONE;
    xcb_atom_t m_targets = XCB_ATOM_NONE;
    xcb_atom_t m_incr = XCB_ATOM_NONE;
    std::vector<xcb_atom_t> m_listed;
    std::vector<Transfer> m_transfers;
    long m_chunksSent = 0;
};

} // namespace

int main(int argc, char **argv)
{
    try {
        return Owner(parse(argc, argv)).run();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "clipboard_owner: %s\n", error.what());
        return 2;
    }
}
