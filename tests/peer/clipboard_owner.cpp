// A stand-in for any program that owns the clipboard, well or badly behaved, for every test suite
// and bench/desktop: the X11 CLIPBOARD through xcb alone, or with --wayland a Wayland compositor's
// through zwlr_data_control (what sway offers), which needs no window and no focus. It shares no
// code with the program under test.
//
//   clipboard_owner [--wayland] [OPTION...] [TARGET=VALUE]...
//
//   --refuse TARGET         list TARGET but refuse to convert it
//   --replay FILE           offer a recorded offer (tests/data/offers): its targets in its order,
//                           TARGETS listed only where the recording lists it; also the way to
//                           offer bytes that a command line cannot hold, such as NUL
//   --hang                  answer nothing at all (as a manager too)
//   --repeat-to N           repeat every value up to N bytes
//   --delay-ms N            answer every request N ms late (X11)
//   --chunk N               send values over N bytes incrementally (INCR), N at a time (X11)
//   --vanish-after-chunks N quit, without a word to the reader, after sending N chunks (X11)
//   --text-as TYPE          answer TEXT under TYPE, as owners answer it in the encoding they pick (X11)
//   --type-of TARGET        own nothing: ask the clipboard's owner for TARGET and print the type it
//                           answered with, or "refused" (X11)
//   --rival N               hand the copy on as rival keepers do, N times: let the clipboard go as
//                           soon as a value has been read (the owning window destroyed), take it
//                           back from a new window once another client has taken it over, print
//                           "round K"; quit after the last round's read (X11)
//   --quit-after-read       quit as soon as the first answer other than TARGETS is complete, its
//                           last piece (INCR) included, as xclip -loops 1 does (X11)
//   --burst N               take the clipboard N times; change K appends K to every value
//   --interval-us N         between the changes of a burst
//   --times FILE            write "K WALL_CLOCK_NANOSECONDS" per change, taken just before it (X11)
//   --garbage-targets N     list N distinct atoms with garbage names after the real targets (X11),
//                           or N made-up MIME types (Wayland)
//   --lifetime SECONDS      quit after this long (default 120; X11)
//   --flood N               own nothing: ask the clipboard's owner for UTF8_STRING N times at once,
//                           as a reader that never takes a piece does, and quit (X11)
//   --readers N             spread the requests of a flood over N windows (default 1; X11)
//   --multiple              make the flood one MULTIPLE request of N (UTF8_STRING, property) pairs
//                           from one window; "accepted K" counts the pairs answered (X11)
//   --watch                 own nothing: print "selection" or "empty" for every selection the
//                           compositor announces (Wayland)
//   --paste N               own nothing: ask for the selection's first type N times at once and
//                           never read; print "filled K" once K pipes got bytes and the rest were
//                           closed, then "dropped" once every pipe is closed (Wayland)
//   --save-at-quit          on SIGTERM, ask the clipboard manager to save the clipboard
//                           (SAVE_TARGETS, listing every target), serving it meanwhile, as GTK
//                           programs do as they quit; print "saved", "not saved" or "no manager",
//                           and quit (X11)
//   --put-back              take the clipboard back with the same values whenever it is emptied,
//                           as keepers that never leave it empty do (X11)
//   --anonymous             own through a window that names no program (no WM_CLASS), as Qt's
//                           selection owner window (Klipper's) names none (X11)
//   --manager               own CLIPBOARD_MANAGER instead, as a clipboard manager does (X11): a
//                           SAVE_TARGETS request is answered as GNOME's, MATE's and Cinnamon's
//                           managers answer it, by reading the targets that the requestor lists
//                           in its property with one MULTIPLE conversion, then owning CLIPBOARD
//                           with the same bytes
//
// Prints one line per event, for tests to wait on: "owner" once it owns the clipboard,
// "served TARGET" when an answer is complete, "incr TARGET" when an incremental one starts,
// "ignored" for a request left unanswered, "vanished", and "done" after the last change; after a
// flood "accepted K" for the K requests answered other than with a refusal, then "flooded". Quits
// when another client takes the clipboard. A manager prints "manager" once it owns
// CLIPBOARD_MANAGER and "owner" once it serves what it saved; it quits only when another client
// takes CLIPBOARD_MANAGER.
#include "support/recorded_offer.h"
#include "wlr-data-control-unstable-v1-client-protocol.h"

#include <wayland-client.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Offer {
    std::string name;
    std::optional<std::string> value; // none: refused
    std::string bytes{}; // what a reader gets of the value
    xcb_atom_t atom = XCB_ATOM_NONE;
};

void say(const std::string &line) { std::printf("%s\n", line.c_str()) && std::fflush(stdout); }

volatile std::sig_atomic_t quitAsked = 0;

// The command line, the same in both modes, and the values it makes of the offers.
struct Options {
    Options(int argc, char **argv)
    {
        for (int i = 1; i < argc; ++i) {
            const std::string argument = argv[i];
            const bool flag = argument == "--hang" || argument == "--watch" || argument == "--manager"
                || argument == "--save-at-quit" || argument == "--put-back" || argument == "--anonymous"
                || argument == "--quit-after-read" || argument == "--multiple";
            const bool takesValue = argument.starts_with("--") && !flag;
            if (takesValue && i + 1 == argc)
                throw std::invalid_argument(argument + " needs a value");
            const std::string value = takesValue ? argv[++i] : argument;
            const std::size_t equals = value.find('=');
            if (flag)
                flags.insert(argument);
            else if (numbers.contains(argument))
                numbers[argument] = std::stol(value);
            else if (names.contains(argument))
                names[argument] = value;
            else if (argument == "--times")
                times.open(value);
            else if (argument == "--refuse")
                offers.push_back({value, std::nullopt});
            else if (argument == "--replay")
                replay(value);
            else if (!takesValue && equals != std::string::npos && equals > 0)
                offers.push_back({value.substr(0, equals), value.substr(equals + 1)});
            else
                throw std::invalid_argument("cannot use " + argument);
        }
    }

    // One line per target: NAME TAB base64:BYTES, or "-", "refused" or "large" for a refused one.
    void replay(const std::string &path)
    {
        std::ifstream lines(path);
        for (std::string line; std::getline(lines, line);) {
            const std::size_t tab = line.find('\t');
            if (line.starts_with('#') || tab == std::string::npos)
                continue;
            offers.push_back({line.substr(0, tab), std::nullopt});
            if (line.compare(tab + 1, 7, "base64:") == 0)
                offers.back().value = nimbrel::test::base64Decoded(std::string_view(line).substr(tab + 8));
        }
        if (offers.empty())
            throw std::runtime_error("no offer in " + path);
        flags.insert("--replay"); // TARGETS is listed only where the recorded owner listed it
    }

    // Change K of a burst ends every value in K; each is repeated up to --repeat-to.
    void makeValues(long change)
    {
        for (Offer &offer : offers) {
            offer.bytes = offer.value.value_or("") + (numbers["--burst"] > 1 ? std::to_string(change) : "");
            while (!offer.bytes.empty() && offer.bytes.size() < static_cast<std::size_t>(numbers["--repeat-to"]))
                offer.bytes += offer.bytes.substr(0, static_cast<std::size_t>(numbers["--repeat-to"]) - offer.bytes.size());
        }
    }

    std::vector<Offer> offers;
    std::set<std::string> flags;
    std::map<std::string, long> numbers{{"--delay-ms", 0}, {"--repeat-to", 0}, {"--chunk", 256 * 1024}, {"--burst", 1},
        {"--vanish-after-chunks", -1}, {"--interval-us", 0}, {"--garbage-targets", 0}, {"--lifetime", 120},
        {"--paste", 0}, {"--flood", 0}, {"--readers", 1}, {"--rival", 0}};
    std::map<std::string, std::string> names{{"--text-as", ""}, {"--type-of", ""}};
    std::ofstream times;
};

template <typename T>
std::unique_ptr<T, void (*)(void *)> owned(T *pointer) { return {pointer, std::free}; }

// An incremental answer in progress: the reader deletes the property to ask for the next chunk.
struct Transfer {
    xcb_window_t requestor = XCB_WINDOW_NONE;
    xcb_atom_t property = XCB_ATOM_NONE;
    const Offer *offer = nullptr;
    std::size_t offset = 0;
};

// The X11 side: a window of its own that owns CLIPBOARD and answers requests for it.
class X11Owner : Options {
public:
    X11Owner(int argc, char **argv)
        : Options(argc, argv)
    {
        if (!flags.contains("--replay") && !flags.contains("--manager")
            && std::ranges::none_of(offers, [](auto &o) { return o.name == "TARGETS"; }))
            offers.insert(offers.begin(), Offer{"TARGETS", std::nullopt});
        // Named as programs name their windows, for those that tell who owns the clipboard.
        const std::string_view windowClass("clipboard_owner\0ClipboardOwner\0", 31);
        if (!flags.contains("--anonymous"))
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                                windowClass.size(), windowClass.data());
        for (Offer &offer : offers)
            m_listed.push_back(offer.atom = intern(offer.name));
        for (long i = 0; i < numbers["--garbage-targets"]; ++i) // names that are not UTF-8, all distinct
            m_listed.push_back(intern("\x01garbage\xff\xfe" + std::to_string(i) + "\n\t\x7f"));
    }
    ~X11Owner() { xcb_disconnect(m_connection); }

    int run()
    {
        if (numbers["--flood"] > 0)
            return flood();
        if (!names["--type-of"].empty())
            return typeOf(intern(names["--type-of"]));
        const bool manager = flags.contains("--manager");
        if (manager && !takeSelection(m_clipboardManager))
            throw std::runtime_error("could not take CLIPBOARD_MANAGER");
        if (manager)
            say("manager");
        const auto end = Clock::now() + std::chrono::seconds(numbers["--lifetime"]);
        auto nextChange = Clock::now();
        if (flags.contains("--save-at-quit"))
            std::signal(SIGTERM, [](int) { quitAsked = 1; });
        while (Clock::now() < end) {
            if (quitAsked == 1 && !askToSave())
                return 0;
            const bool changing = !manager && m_change < std::max(1L, numbers["--burst"]);
            if (changing && Clock::now() >= nextChange) {
                change();
                nextChange = Clock::now() + std::chrono::microseconds(numbers["--interval-us"]);
            }
            // Round trips leave events in libxcb's queue, where poll() cannot see them: handle
            // what has arrived before waiting.
            while (const auto event = owned(xcb_poll_for_event(m_connection))) {
                const auto type = event->response_type & 0x7F;
                // A manager ends only when another takes CLIPBOARD_MANAGER; a keeper puts back what is emptied.
                const auto &clear = reinterpret_cast<const xcb_selection_clear_event_t &>(*event);
                const bool ends = manager ? clear.selection == m_clipboardManager : !flags.contains("--put-back");
                if (type == XCB_SELECTION_CLEAR && ends)
                    return 0;
                if (type == XCB_SELECTION_CLEAR && !manager && ownerOf(m_clipboard) == XCB_WINDOW_NONE)
                    takeSelection(m_clipboard);
                if (type == XCB_SELECTION_NOTIFY && quitAsked == 2) {
                    say(reinterpret_cast<const xcb_selection_notify_event_t &>(*event).property ? "saved" : "not saved");
                    return 0;
                }
                const auto &request = reinterpret_cast<const xcb_selection_request_event_t &>(*event);
                if (type == XCB_SELECTION_REQUEST && flags.contains("--hang"))
                    say("ignored");
                else if (type == XCB_SELECTION_REQUEST && request.selection == m_clipboardManager)
                    notify(request, saveTargets(request));
                else if (type == XCB_SELECTION_REQUEST)
                    answer(request);
                if (type == XCB_PROPERTY_NOTIFY)
                    sendNextChunk(reinterpret_cast<const xcb_property_notify_event_t &>(*event));
                // An error: a reader whose window is gone has given up.
                if (type == 0 && m_transfer.requestor == reinterpret_cast<xcb_generic_error_t &>(*event).resource_id)
                    m_transfer = {};
            }
            takeBack();
            xcb_flush(m_connection);
            if (xcb_connection_has_error(m_connection))
                return 1;
            pollfd descriptor{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            const auto left = std::chrono::ceil<std::chrono::milliseconds>((changing ? nextChange : end) - Clock::now());
            poll(&descriptor, 1, static_cast<int>(std::clamp<long>(left.count(), 0, m_letGo ? 5 : 1000)));
        }
        return 0;
    }

private:
    // Asks for UTF8_STRING --flood times at once, from --readers windows or in one MULTIPLE request,
    // and counts the requests answered other than with a refusal; the owner writes a MULTIPLE's
    // pairs back, a refused one with None for its property.
    int flood()
    {
        const long requests = numbers["--flood"];
        const xcb_atom_t target = intern("UTF8_STRING");
        const xcb_atom_t flooded = intern("NIMBREL_FLOOD");
        long accepted = 0;
        if (flags.contains("--multiple")) {
            std::vector<xcb_atom_t> pairs;
            for (long i = 0; i < requests; ++i)
                pairs.insert(pairs.end(), {target, intern("NIMBREL_FLOOD_" + std::to_string(i))});
            const std::vector<xcb_atom_t> answered = askMultiple(pairs, flooded, XCB_CURRENT_TIME, lifetime());
            for (std::size_t i = 1; i < answered.size(); i += 2)
                accepted += answered[i] != XCB_ATOM_NONE;
        } else {
            std::vector<xcb_window_t> readers{m_window};
            while (static_cast<long>(readers.size()) < numbers["--readers"])
                readers.push_back(newWindow());
            for (long i = 0; i < requests; ++i)
                xcb_convert_selection(m_connection, readers[static_cast<std::size_t>(i) % readers.size()], m_clipboard,
                                      target, flooded, XCB_CURRENT_TIME);
            xcb_flush(m_connection);
            for (long i = 0; i < requests; ++i)
                accepted += awaitAnswer(lifetime()) != XCB_ATOM_NONE;
        }
        say("accepted " + std::to_string(accepted));
        say("flooded");
        return 0;
    }

    std::chrono::seconds lifetime() { return std::chrono::seconds(numbers["--lifetime"]); }

    // Waits for the answer to a request of ours, patience at most, dropping other events meanwhile:
    // the property it was put in, None for a refusal or no answer.
    xcb_atom_t awaitAnswer(std::chrono::seconds patience)
    {
        for (const auto deadline = Clock::now() + patience; Clock::now() < deadline;) {
            while (const auto event = owned(xcb_poll_for_event(m_connection))) {
                if ((event->response_type & 0x7F) == XCB_SELECTION_NOTIFY)
                    return reinterpret_cast<const xcb_selection_notify_event_t &>(*event).property;
            }
            if (xcb_connection_has_error(m_connection))
                throw std::runtime_error("lost the display");
            pollfd descriptor{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&descriptor, 1, 100);
        }
        return XCB_ATOM_NONE;
    }

    // Asks for each (target, property) pair with one MULTIPLE request: the pairs as the owner wrote
    // them back, a refused one's property None; none without an answer.
    std::vector<xcb_atom_t> askMultiple(const std::vector<xcb_atom_t> &pairs, xcb_atom_t property, xcb_timestamp_t time,
                                        std::chrono::seconds patience)
    {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, property, m_atomPair, 32,
                            static_cast<std::uint32_t>(pairs.size()), pairs.data());
        xcb_convert_selection(m_connection, m_window, m_clipboard, m_multiple, property, time);
        xcb_flush(m_connection);
        if (awaitAnswer(patience) == XCB_ATOM_NONE)
            return {};
        return atoms(this->property(m_window, property, false).second);
    }

    static std::vector<xcb_atom_t> atoms(const std::string &bytes)
    {
        std::vector<xcb_atom_t> list(bytes.size() / sizeof(xcb_atom_t));
        std::memcpy(list.data(), bytes.data(), list.size() * sizeof(xcb_atom_t));
        return list;
    }

    static xcb_connection_t *connected()
    {
        xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection))
            throw std::runtime_error("cannot open the display");
        return connection;
    }

    xcb_window_t newWindow()
    {
        const xcb_window_t window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window,
                          xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        return window;
    }

    int typeOf(xcb_atom_t target)
    {
        const xcb_atom_t property = intern("NIMBREL_TYPE_OF");
        xcb_convert_selection(m_connection, m_window, m_clipboard, target, property, XCB_CURRENT_TIME);
        xcb_flush(m_connection);
        say(awaitAnswer(lifetime()) == XCB_ATOM_NONE ? "refused" : atomName(this->property(m_window, property, true).first));
        return 0;
    }

    // The type an offer is answered under.
    xcb_atom_t answerType(const Offer &offer)
    {
        return offer.name == "TEXT" && !names["--text-as"].empty() ? intern(names["--text-as"]) : offer.atom;
    }

    xcb_atom_t intern(const std::string &name)
    {
        const auto cookie = xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
        const auto reply = owned(xcb_intern_atom_reply(m_connection, cookie, nullptr));
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    xcb_window_t ownerOf(xcb_atom_t selection)
    {
        const auto owner =
            owned(xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, selection), nullptr));
        return owner ? owner->owner : xcb_window_t{XCB_WINDOW_NONE};
    }

    bool takeSelection(xcb_atom_t selection)
    {
        xcb_set_selection_owner(m_connection, m_window, selection, XCB_CURRENT_TIME);
        return ownerOf(selection) == m_window;
    }

    // A window's property, deleted if asked: its type and its value as bytes.
    std::pair<xcb_atom_t, std::string> property(xcb_window_t window, xcb_atom_t name, bool remove)
    {
        const auto reply = owned(xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, remove, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 0x1FFFFFFF),
            nullptr));
        if (!reply)
            return {XCB_ATOM_NONE, {}};
        const auto *bytes = static_cast<const char *>(xcb_get_property_value(reply.get()));
        return {reply->type, std::string(bytes, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())))};
    }

    std::string atomName(xcb_atom_t atom)
    {
        const auto reply = owned(xcb_get_atom_name_reply(m_connection, xcb_get_atom_name(m_connection, atom), nullptr));
        return reply ? std::string(xcb_get_atom_name_name(reply.get()), xcb_get_atom_name_name_length(reply.get())) : "";
    }

    // A manager's answer to SAVE_TARGETS: reads the targets the requestor lists with one MULTIPLE
    // conversion, waiting 5 s at most, and serves them as CLIPBOARD. Returns the property to tell the
    // requestor of, None when nothing was saved.
    xcb_atom_t saveTargets(const xcb_selection_request_event_t &request)
    {
        if (request.target != m_saveTargets || request.property == XCB_ATOM_NONE)
            return XCB_ATOM_NONE;
        std::vector<xcb_atom_t> pairs;
        for (const xcb_atom_t target : atoms(property(request.requestor, request.property, false).second))
            pairs.insert(pairs.end(), {target, target});
        const bool answered = !askMultiple(pairs, m_multiple, request.time, std::chrono::seconds(5)).empty();
        offers.clear();
        m_listed = {m_targets};
        for (std::size_t i = 0; answered && i < pairs.size(); i += 2) {
            const auto [type, bytes] = property(m_window, pairs[i], true);
            if (type == XCB_ATOM_NONE || type == m_incr)
                continue;
            offers.push_back({atomName(pairs[i]), bytes, bytes, pairs[i]});
            m_listed.push_back(pairs[i]);
        }
        if (offers.empty() || !takeSelection(m_clipboard))
            return XCB_ATOM_NONE;
        say("owner");
        return request.property;
    }

    // As GTK asks at its end: false when there is no manager to ask.
    bool askToSave()
    {
        quitAsked = 2;
        if (ownerOf(m_clipboardManager) == XCB_WINDOW_NONE) {
            say("no manager");
            return false;
        }
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, m_saveTargets, XCB_ATOM_ATOM, 32,
                            static_cast<std::uint32_t>(m_listed.size()), m_listed.data());
        xcb_convert_selection(m_connection, m_window, m_clipboardManager, m_saveTargets, m_saveTargets, XCB_CURRENT_TIME);
        return true;
    }

    void change()
    {
        makeValues(++m_change);
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        times << m_change << ' ' << std::chrono::nanoseconds(now).count() << '\n';
        if (!takeSelection(m_clipboard))
            throw std::runtime_error("could not take the clipboard");
        if (m_change == 1)
            say("owner");
        if (m_change >= numbers["--burst"]) {
            times.flush();
            say("done");
        }
    }

    void answer(const xcb_selection_request_event_t &request)
    {
        poll(nullptr, 0, static_cast<int>(numbers["--delay-ms"]));
        // Obsolete clients name no property and expect the target's name to be used.
        xcb_atom_t property = request.property == XCB_ATOM_NONE ? request.target : request.property;
        const auto offer = std::find_if(offers.begin(), offers.end(),
                                        [&](const Offer &offer) { return offer.atom == request.target; });
        std::string served = "served TARGETS";
        if (request.target == m_targets) {
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32,
                                static_cast<std::uint32_t>(m_listed.size()), m_listed.data());
        } else if (offer == offers.end() || !offer->value) {
            property = XCB_ATOM_NONE;
            served.clear();
        } else if (offer->bytes.size() > static_cast<std::size_t>(numbers["--chunk"])) {
            const std::uint32_t mask[] = {XCB_EVENT_MASK_PROPERTY_CHANGE};
            xcb_change_window_attributes(m_connection, request.requestor, XCB_CW_EVENT_MASK, mask);
            const auto size = static_cast<std::uint32_t>(std::min<std::size_t>(offer->bytes.size(), UINT32_MAX));
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, property, m_incr, 32, 1, &size);
            m_transfer = {request.requestor, property, &*offer, 0};
            served = "incr " + offer->name;
        } else {
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, property, answerType(*offer), 8,
                                static_cast<std::uint32_t>(offer->bytes.size()), offer->bytes.data());
            served = "served " + offer->name;
        }
        notify(request, property);
        if (!served.empty())
            say(served);
        if (request.target != m_targets && served.starts_with("served "))
            afterRead();
    }

    // Tells the requestor its answer is in property, or with None that it was refused.
    void notify(const xcb_selection_request_event_t &request, xcb_atom_t property)
    {
        const xcb_selection_notify_event_t notify{XCB_SELECTION_NOTIFY, 0, 0, request.time, request.requestor,
                                                  request.selection, request.target, property};
        xcb_send_event(m_connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&notify));
    }

    void sendNextChunk(const xcb_property_notify_event_t &change)
    {
        Transfer &transfer = m_transfer;
        if (!transfer.offer || change.state != XCB_PROPERTY_DELETE || change.window != transfer.requestor
            || change.atom != transfer.property)
            return;
        const std::string_view bytes = transfer.offer->bytes;
        const std::string_view chunk = bytes.substr(std::min(transfer.offset, bytes.size()), numbers["--chunk"]);
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, transfer.requestor, transfer.property,
                            answerType(*transfer.offer), 8, static_cast<std::uint32_t>(chunk.size()), chunk.data());
        transfer.offset += chunk.size();
        if (chunk.empty()) {
            say("served " + transfer.offer->name);
            transfer = {};
            afterRead();
        }
        if (++m_chunksSent == numbers["--vanish-after-chunks"]) {
            say("vanished");
            std::_Exit(0);
        }
    }

    // A round trip before quitting, as Xlib makes when a program closes its display: the X server
    // drops what a client sent last if it finds the connection closed before it has read it.
    void afterRead()
    {
        const long rounds = numbers["--rival"];
        if (!flags.contains("--quit-after-read") && rounds == 0)
            return;
        owned(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
        if (m_rounds >= rounds)
            std::_Exit(0);
        xcb_destroy_window(m_connection, std::exchange(m_window, newWindow()));
        m_letGo = true;
    }

    // A rival that let the clipboard go takes it back from whoever took it over.
    void takeBack()
    {
        if (!m_letGo || ownerOf(m_clipboard) == XCB_WINDOW_NONE || !takeSelection(m_clipboard))
            return;
        m_letGo = false;
        say("round " + std::to_string(++m_rounds));
    }

    long m_change = 0;
    long m_chunksSent = 0;
    long m_rounds = 0;
    bool m_letGo = false;
    Transfer m_transfer; // one at a time: a new one takes over
    xcb_connection_t *m_connection = connected();
    xcb_window_t m_window = newWindow();
    const xcb_atom_t m_clipboard = intern("CLIPBOARD");
    const xcb_atom_t m_targets = intern("TARGETS");
    const xcb_atom_t m_incr = intern("INCR");
    const xcb_atom_t m_clipboardManager = intern("CLIPBOARD_MANAGER");
    const xcb_atom_t m_saveTargets = intern("SAVE_TARGETS");
    const xcb_atom_t m_multiple = intern("MULTIPLE");
    const xcb_atom_t m_atomPair = intern("ATOM_PAIR");
    std::vector<xcb_atom_t> m_listed;
};

// The Wayland side: a seat and the data-control manager, found through the registry.
struct Wayland {
    wl_seat *seat = nullptr;
    zwlr_data_control_manager_v1 *manager = nullptr;
};

void bindGlobal(void *data, wl_registry *registry, std::uint32_t name, const char *interface, std::uint32_t)
{
    auto &wayland = *static_cast<Wayland *>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !wayland.seat)
        wayland.seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwlr_data_control_manager_v1_interface.name) == 0)
        wayland.manager = static_cast<zwlr_data_control_manager_v1 *>(
            wl_registry_bind(registry, name, &zwlr_data_control_manager_v1_interface, 1));
}

// Whether "done" was said: the last change of a burst says it once it is made, or as it is replaced.
bool saidDone = false;

// One change of the clipboard: each source serves the values it was made with.
struct WaylandChange {
    Options &options;
    std::vector<Offer> offers;
    bool last = false;
};

void sendOffer(void *data, zwlr_data_control_source_v1 *, const char *mimeType, std::int32_t fd)
{
    auto &change = *static_cast<WaylandChange *>(data);
    if (change.options.flags.contains("--hang")) {
        say("ignored"); // the pipe stays open and empty for as long as the owner lives
        return;
    }
    for (const Offer &offer : change.offers) {
        for (std::size_t sent = 0; offer.name == mimeType && sent < offer.bytes.size();) {
            const ssize_t written = write(fd, offer.bytes.data() + sent, offer.bytes.size() - sent);
            if (written <= 0)
                break;
            sent += static_cast<std::size_t>(written);
        }
    }
    close(fd);
    say(std::string("served ") + mimeType);
}

// Pastes the selection through n pipes that are never read, as a stuck paster would.
void pasteWithoutReading(wl_display *display, zwlr_data_control_device_v1 *device, long n)
{
    static const zwlr_data_control_offer_v1_listener typeListener{[](void *data, zwlr_data_control_offer_v1 *, const char *type) {
        auto &firstType = *static_cast<std::string *>(data);
        if (firstType.empty())
            firstType = type;
    }};
    static std::string firstType;
    static zwlr_data_control_offer_v1 *selection = nullptr;
    static const zwlr_data_control_device_v1_listener listener{
        [](void *, zwlr_data_control_device_v1 *, zwlr_data_control_offer_v1 *offer) {
            zwlr_data_control_offer_v1_add_listener(offer, &typeListener, &firstType);
        },
        [](void *, zwlr_data_control_device_v1 *, zwlr_data_control_offer_v1 *offer) { selection = offer; },
        [](void *, zwlr_data_control_device_v1 *) {}, nullptr};
    zwlr_data_control_device_v1_add_listener(device, &listener, nullptr);
    wl_display_roundtrip(display);
    if (!selection)
        throw std::runtime_error("nothing to paste");
    const rlimit enough{static_cast<rlim_t>(n + 64), static_cast<rlim_t>(n + 64)};
    setrlimit(RLIMIT_NOFILE, &enough);
    std::vector<pollfd> pipes;
    for (long i = 0; i < n; ++i) {
        int fds[2];
        if (pipe(fds) != 0)
            throw std::runtime_error("cannot make a pipe");
        zwlr_data_control_offer_v1_receive(selection, firstType.c_str(), fds[1]);
        close(fds[1]);
        pipes.push_back({fds[0], POLLIN, 0});
        if (i % 64 == 63) // the compositor reads requests with descriptors a few at a time
            wl_display_roundtrip(display);
    }
    wl_display_roundtrip(display);
    // A pipe with bytes was served; one closed without any was refused.
    const auto count = [&](short events) {
        poll(pipes.data(), pipes.size(), 0);
        return std::ranges::count_if(pipes, [&](const pollfd &p) { return (p.revents & events) != 0; });
    };
    while (count(POLLIN | POLLHUP) < n)
        poll(nullptr, 0, 10);
    say("filled " + std::to_string(std::ranges::count_if(pipes, [](const pollfd &p) {
        int size = 0;
        return ioctl(p.fd, FIONREAD, &size) == 0 && size > 0;
    })));
    while (count(POLLHUP) < n)
        poll(nullptr, 0, 10);
    say("dropped");
}

int runWayland(Options &&options)
{
    std::signal(SIGPIPE, SIG_IGN);
    Wayland wayland;
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        throw std::runtime_error("cannot reach the compositor");
    static const wl_registry_listener registryListener{bindGlobal, [](void *, wl_registry *, std::uint32_t) {}};
    wl_registry_add_listener(wl_display_get_registry(display), &registryListener, &wayland);
    wl_display_roundtrip(display);
    if (!wayland.seat || !wayland.manager)
        throw std::runtime_error("the compositor offers no seat or no data-control");
    auto *device = zwlr_data_control_manager_v1_get_data_device(wayland.manager, wayland.seat);
    if (options.numbers["--paste"] > 0) {
        pasteWithoutReading(display, device, options.numbers["--paste"]);
        return 0;
    }
    std::vector<std::unique_ptr<WaylandChange>> changes;
    if (options.flags.contains("--watch")) {
        static const zwlr_data_control_device_v1_listener watcher{
            [](void *, zwlr_data_control_device_v1 *, zwlr_data_control_offer_v1 *) {},
            [](void *, zwlr_data_control_device_v1 *, zwlr_data_control_offer_v1 *offer) {
                say(offer ? "selection" : "empty");
                if (offer)
                    zwlr_data_control_offer_v1_destroy(offer);
            },
            [](void *, zwlr_data_control_device_v1 *) { std::exit(1); }, nullptr};
        zwlr_data_control_device_v1_add_listener(device, &watcher, nullptr);
    } else {
        // The burst's own earlier changes are cancelled as it goes; only the last one's ends the owner.
        static const zwlr_data_control_source_v1_listener sourceListener{
            sendOffer, [](void *data, zwlr_data_control_source_v1 *source) {
                const auto &change = *static_cast<WaylandChange *>(data);
                if (change.last) {
                    // Replaced while it was still being placed, the last change is made all the same.
                    if (change.options.numbers["--burst"] > 1 && !saidDone)
                        say("done");
                    std::exit(0);
                }
                zwlr_data_control_source_v1_destroy(source);
            }};
        const long burst = std::max(1L, options.numbers["--burst"]);
        for (long k = 1; k <= burst; ++k) {
            options.makeValues(k);
            changes.push_back(std::make_unique<WaylandChange>(WaylandChange{options, options.offers, k == burst}));
            auto *source = zwlr_data_control_manager_v1_create_data_source(wayland.manager);
            zwlr_data_control_source_v1_add_listener(source, &sourceListener, changes.back().get());
            for (const Offer &offer : options.offers)
                zwlr_data_control_source_v1_offer(source, offer.name.c_str());
            for (long i = 0; i < options.numbers["--garbage-targets"]; ++i) {
                zwlr_data_control_source_v1_offer(source, ("t/" + std::to_string(i)).c_str());
                if (i % 256 == 255) // more than libwayland holds unsent
                    wl_display_roundtrip(display);
            }
            zwlr_data_control_device_v1_set_selection(device, source);
            wl_display_roundtrip(display);
            if (k == 1)
                say("owner");
            // Pastes of this change are served until the next one is due.
            const auto next = Clock::now() + std::chrono::microseconds(options.numbers["--interval-us"]);
            for (pollfd socket{wl_display_get_fd(display), POLLIN, 0}; k < burst && Clock::now() < next;) {
                wl_display_flush(display);
                const auto left = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now()).count();
                if (poll(&socket, 1, static_cast<int>(left)) == 1 && wl_display_dispatch(display) < 0)
                    return 1;
            }
        }
        if (burst > 1 && !std::exchange(saidDone, true))
            say("done");
    }
    while (wl_display_dispatch(display) >= 0) {
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    try {
        if (argc > 1 && std::string_view(argv[1]) == "--wayland")
            return runWayland(Options(argc - 1, argv + 1));
        return X11Owner(argc, argv).run();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "clipboard_owner: %s\n", error.what());
        return 2;
    }
}
