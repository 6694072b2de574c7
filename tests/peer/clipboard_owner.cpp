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
//   --garbage-targets N     list N distinct atoms with garbage names after the real targets
//   --lifetime SECONDS      quit after this long (default 120)
//   --wayland ...           own a Wayland compositor's clipboard instead (see wayland_owner.cpp)
//
// Prints one line per event, for tests to wait on: "owner" once it owns the clipboard,
// "served TARGET" when an answer is complete, "incr TARGET" when an incremental one starts,
// "ignored" for a request left unanswered, "vanished", and "done" after the last change. Quits when another client takes the clipboard.
#include <xcb/xcb.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Offer {
    std::string name;
    std::optional<std::string> value; // none: refused
    xcb_atom_t atom = XCB_ATOM_NONE;
};

// An incremental answer in progress: the reader deletes the property to ask for the next chunk.
struct Transfer {
    xcb_window_t requestor = XCB_WINDOW_NONE;
    xcb_atom_t property = XCB_ATOM_NONE;
    const Offer *offer = nullptr;
    std::size_t offset = 0;
};

template <typename T>
std::unique_ptr<T, void (*)(void *)> owned(T *pointer) { return {pointer, std::free}; }

void say(const std::string &line) { std::printf("%s\n", line.c_str()) && std::fflush(stdout); }

std::string readFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::string base64Decoded(const std::string &text)
{
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bytes;
    std::uint32_t bits = 0;
    int count = 0;
    for (const char c : text) {
        if (alphabet.find(c) == std::string::npos)
            continue;
        bits = (bits << 6) | static_cast<std::uint32_t>(alphabet.find(c));
        if ((count += 6) >= 8)
            bytes.push_back(static_cast<char>((bits >> (count -= 8)) & 0xFF));
    }
    return bytes;
}

class Owner {
public:
    Owner(int argc, char **argv)
    {
        for (int i = 1; i < argc; ++i) {
            const std::string argument = argv[i];
            const bool takesValue = argument.starts_with("--") && argument != "--hang";
            if (takesValue && i + 1 == argc)
                throw std::invalid_argument(argument + " needs a value");
            const std::string value = takesValue ? argv[++i] : argument;
            const std::size_t equals = value.find('=');
            if (m_numbers.contains(argument))
                m_numbers[argument] = std::stol(value);
            else if (argument == "--hang")
                m_hang = true;
            else if (argument == "--times")
                m_times.open(value);
            else if (argument == "--refuse")
                m_offers.push_back({value, std::nullopt});
            else if (argument == "--replay")
                replay(value);
            else if ((argument == "--file" || !takesValue) && equals != std::string::npos && equals > 0)
                m_offers.push_back({value.substr(0, equals),
                                    takesValue ? readFile(value.substr(equals + 1)) : value.substr(equals + 1)});
            else
                throw std::invalid_argument("cannot use " + argument);
        }
        if (!m_replayed && std::none_of(m_offers.begin(), m_offers.end(), [](auto &o) { return o.name == "TARGETS"; }))
            m_offers.insert(m_offers.begin(), Offer{"TARGETS", std::nullopt});
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            throw std::runtime_error("cannot open the display");
        m_window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window,
                          xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        m_clipboard = intern("CLIPBOARD");
        m_targets = intern("TARGETS");
        m_incr = intern("INCR");
        for (Offer &offer : m_offers)
            m_listed.push_back(offer.atom = intern(offer.name));
        for (long i = 0; i < m_numbers["--garbage-targets"]; ++i) // names that are not UTF-8, all distinct
            m_listed.push_back(intern("\x01garbage\xff\xfe" + std::to_string(i) + "\n\t\x7f"));
    }
    ~Owner() { xcb_disconnect(m_connection); }

    int run()
    {
        const auto end = Clock::now() + std::chrono::seconds(m_numbers["--lifetime"]);
        auto nextChange = Clock::now();
        while (Clock::now() < end) {
            const bool changing = m_change < std::max(1L, m_numbers["--burst"]);
            if (changing && Clock::now() >= nextChange) {
                change();
                nextChange = Clock::now() + std::chrono::microseconds(m_numbers["--interval-us"]);
            }
            xcb_flush(m_connection);
            pollfd descriptor{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            const auto left = std::chrono::ceil<std::chrono::milliseconds>((changing ? nextChange : end) - Clock::now());
            poll(&descriptor, 1, static_cast<int>(std::clamp<long>(left.count(), 0, 1000)));
            while (const auto event = owned(xcb_poll_for_event(m_connection))) {
                const auto type = event->response_type & 0x7F;
                if (type == XCB_SELECTION_CLEAR)
                    return 0;
                if (type == XCB_SELECTION_REQUEST && m_hang)
                    say("ignored");
                else if (type == XCB_SELECTION_REQUEST)
                    answer(reinterpret_cast<const xcb_selection_request_event_t &>(*event));
                if (type == XCB_PROPERTY_NOTIFY)
                    sendNextChunk(reinterpret_cast<const xcb_property_notify_event_t &>(*event));
                // An error: a reader whose window is gone has given up.
                if (type == 0 && m_transfer.requestor == reinterpret_cast<xcb_generic_error_t &>(*event).resource_id)
                    m_transfer = {};
            }
            if (xcb_connection_has_error(m_connection))
                return 1;
        }
        return 0;
    }

private:
    // One line per target: NAME TAB base64:BYTES, or "-", "refused" or "large" for a refused one.
    void replay(const std::string &path)
    {
        std::ifstream lines(path);
        for (std::string line; std::getline(lines, line);) {
            const std::size_t tab = line.find('\t');
            if (line.starts_with('#') || tab == std::string::npos)
                continue;
            m_offers.push_back({line.substr(0, tab), std::nullopt});
            if (line.compare(tab + 1, 7, "base64:") == 0)
                m_offers.back().value = base64Decoded(line.substr(tab + 8));
        }
        if (m_offers.empty())
            throw std::runtime_error("no offer in " + path);
        m_replayed = true; // TARGETS is listed only where the recorded owner listed it
    }

    xcb_atom_t intern(const std::string &name)
    {
        const auto cookie = xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
        const auto reply = owned(xcb_intern_atom_reply(m_connection, cookie, nullptr));
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    void change()
    {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        m_times << ++m_change << ' ' << std::chrono::nanoseconds(now).count() << '\n';
        xcb_set_selection_owner(m_connection, m_window, m_clipboard, XCB_CURRENT_TIME);
        const auto owner = owned(
            xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, m_clipboard), nullptr));
        if (!owner || owner->owner != m_window)
            throw std::runtime_error("could not take the clipboard");
        if (m_change == 1)
            say("owner");
        if (m_change >= m_numbers["--burst"]) {
            m_times.flush();
            say("done");
        }
    }

    void answer(const xcb_selection_request_event_t &request)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(m_numbers["--delay-ms"]));
        // Obsolete clients name no property and expect the target's name to be used.
        xcb_atom_t property = request.property == XCB_ATOM_NONE ? request.target : request.property;
        const auto offer = std::find_if(m_offers.begin(), m_offers.end(),
                                        [&](const Offer &offer) { return offer.atom == request.target; });
        std::string served = "served TARGETS";
        if (request.target == m_targets) {
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32,
                                static_cast<std::uint32_t>(m_listed.size()), m_listed.data());
        } else if (offer == m_offers.end() || !offer->value) {
            property = XCB_ATOM_NONE;
            served.clear();
        } else if (sizeOf(*offer) > static_cast<std::size_t>(m_numbers["--chunk"])) {
            const std::uint32_t mask[] = {XCB_EVENT_MASK_PROPERTY_CHANGE};
            xcb_change_window_attributes(m_connection, request.requestor, XCB_CW_EVENT_MASK, mask);
            const auto size = static_cast<std::uint32_t>(std::min<std::size_t>(sizeOf(*offer), UINT32_MAX));
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, property, m_incr, 32, 1, &size);
            m_transfer = {request.requestor, property, &*offer, 0};
            served = "incr " + offer->name;
        } else {
            const std::string bytes = bytesOf(*offer, 0, sizeOf(*offer));
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, property, offer->atom, 8,
                                static_cast<std::uint32_t>(bytes.size()), bytes.data());
            served = "served " + offer->name;
        }
        const xcb_selection_notify_event_t notify{XCB_SELECTION_NOTIFY, 0, 0, request.time, request.requestor,
                                                  request.selection, request.target, property};
        xcb_send_event(m_connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&notify));
        if (!served.empty())
            say(served);
    }

    void sendNextChunk(const xcb_property_notify_event_t &change)
    {
        Transfer &transfer = m_transfer;
        if (!transfer.offer || change.state != XCB_PROPERTY_DELETE || change.window != transfer.requestor
            || change.atom != transfer.property)
            return;
        const auto chunk = static_cast<std::size_t>(m_numbers["--chunk"]);
        const std::size_t length = std::min(chunk, sizeOf(*transfer.offer) - transfer.offset);
        const std::string bytes = bytesOf(*transfer.offer, transfer.offset, length);
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, transfer.requestor, transfer.property,
                            transfer.offer->atom, 8, static_cast<std::uint32_t>(length), bytes.data());
        transfer.offset += length;
        if (length == 0) {
            say("served " + transfer.offer->name);
            transfer = {};
        }
        if (++m_chunksSent == m_numbers["--vanish-after-chunks"]) {
            say("vanished");
            std::_Exit(0);
        }
    }

    // A burst numbers its values.
    std::string valueOf(const Offer &offer)
    {
        return *offer.value + (m_numbers["--burst"] > 1 ? std::to_string(m_change) : "");
    }

    std::size_t sizeOf(const Offer &offer)
    {
        const std::size_t size = valueOf(offer).size();
        return size == 0 ? 0 : std::max(static_cast<std::size_t>(m_numbers["--repeat-to"]), size);
    }

    // The value repeated up to its size: its bytes from offset on.
    std::string bytesOf(const Offer &offer, std::size_t offset, std::size_t length)
    {
        const std::string value = valueOf(offer);
        std::string bytes;
        for (std::size_t at = value.empty() ? 0 : offset % value.size(); bytes.size() < length; at = 0)
            bytes.append(value, at, std::min(value.size() - at, length - bytes.size()));
        return bytes;
    }

    std::map<std::string, long> m_numbers{{"--delay-ms", 0},  {"--repeat-to", 0},   {"--chunk", 256 * 1024},
                                          {"--vanish-after-chunks", -1}, {"--burst", 1}, {"--interval-us", 0},
                                          {"--garbage-targets", 0}, {"--lifetime", 120}};
    std::vector<Offer> m_offers;
    bool m_hang = false;
    bool m_replayed = false;
    std::ofstream m_times;
    long m_change = 0;
    long m_chunksSent = 0;
    Transfer m_transfer; // one at a time: a new one takes over
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    xcb_atom_t m_clipboard = XCB_ATOM_NONE;
    xcb_atom_t m_targets = XCB_ATOM_NONE;
    xcb_atom_t m_incr = XCB_ATOM_NONE;
    std::vector<xcb_atom_t> m_listed;
};

} // namespace

int runWaylandOwner(int argc, char **argv);

int main(int argc, char **argv)
{
    if (argc > 1 && std::string(argv[1]) == "--wayland")
        return runWaylandOwner(argc - 1, argv + 1);
    try {
        return Owner(argc, argv).run();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "clipboard_owner: %s\n", error.what());
        return 2;
    }
}
