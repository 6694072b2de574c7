// A program that changes the clipboard over and over, for the fault and soak tests and the
// desktop benchmark: it takes the clipboard COUNT times, each time with a new text PREFIX1,
// PREFIX2, ..., and answers requests for the newest text in between.
//
//   burst_owner --count N [--interval-us N] [--prefix TEXT] [--times FILE]
//
// Prints "owner" after the first change. With --times it writes "NUMBER WALL_CLOCK_NANOSECONDS"
// for each change, taken just before the clipboard was taken. Prints "done" after the last change and keeps serving the last text until
// another program takes the clipboard or two minutes pass.
#include "fault/selection_owner.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nimbrel {
namespace {

struct Options {
    long count = 0;
    std::chrono::microseconds interval{0};
    std::string prefix = "change ";
    std::string timesFile;
};

std::optional<Options> parse(int argc, char **argv)
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        const char *value = argv[i + 1];
        if (option == "--count")
            options.count = std::atol(value);
        else if (option == "--interval-us")
            options.interval = std::chrono::microseconds(std::atol(value));
        else if (option == "--prefix")
            options.prefix = value;
        else if (option == "--times")
            options.timesFile = value;
        else
            return std::nullopt;
    }
    if (argc % 2 == 0 || options.count <= 0)
        return std::nullopt;
    return options;
}

class Burst {
public:
    explicit Burst(std::string prefix)
        : m_prefix(std::move(prefix))
        , m_utf8(m_owner.atom("UTF8_STRING"))
    {
    }

    bool connected() const { return m_owner.connected(); }

    bool change(long number)
    {
        m_text = m_prefix + std::to_string(number);
        return m_owner.take();
    }

    // Answers requests until the time is up; false once another program owns the clipboard.
    bool serveFor(std::chrono::microseconds duration)
    {
        const auto end = std::chrono::steady_clock::now() + duration;
        do {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            const SelectionOwner::Event event = m_owner.next(std::max(left, std::chrono::milliseconds(0)));
            if (m_owner.broken())
                return false;
            if (!event)
                continue;
            const auto type = event->response_type & 0x7F;
            if (type == XCB_SELECTION_CLEAR)
                return false;
            if (type == XCB_SELECTION_REQUEST)
                answer(*reinterpret_cast<const xcb_selection_request_event_t *>(event.get()));
        } while (std::chrono::steady_clock::now() < end);
        return true;
    }

private:
    void answer(const xcb_selection_request_event_t &request)
    {
        if (request.target == m_owner.targets())
            m_owner.answerTargets(request, {m_owner.targets(), m_utf8});
        else if (request.target == m_utf8)
            m_owner.answerBytes(request, m_utf8, m_text);
        else
            m_owner.refuse(request);
    }

    SelectionOwner m_owner;
    std::string m_prefix;
    xcb_atom_t m_utf8 = XCB_ATOM_NONE;
    std::string m_text;
};

long long wallClockNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

int run(const Options &options)
{
    Burst burst(options.prefix);
    if (!burst.connected()) {
        std::fprintf(stderr, "burst_owner: cannot open the display\n");
        return 1;
    }
    std::vector<long long> times;
    times.reserve(static_cast<std::size_t>(options.count));
    for (long number = 1; number <= options.count; ++number) {
        times.push_back(wallClockNanoseconds());
        if (!burst.change(number)) {
            std::fprintf(stderr, "burst_owner: could not take the clipboard\n");
            return 1;
        }
        if (number == 1) {
            std::printf("owner\n");
            std::fflush(stdout);
        }
        burst.serveFor(options.interval);
    }
    if (!options.timesFile.empty()) {
        if (std::FILE *file = std::fopen(options.timesFile.c_str(), "w")) {
            for (std::size_t i = 0; i < times.size(); ++i)
                std::fprintf(file, "%zu %lld\n", i + 1, times[i]);
            std::fclose(file);
        }
    }
    std::printf("done\n");
    std::fflush(stdout);
    burst.serveFor(std::chrono::minutes(2));
    return 0;
}

} // namespace
} // namespace nimbrel

int main(int argc, char **argv)
{
    const std::optional<nimbrel::Options> options = nimbrel::parse(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: burst_owner --count N [--interval-us N] [--prefix TEXT] [--times FILE]\n");
        return 2;
    }
    return nimbrel::run(*options);
}
