#include "platform/qt/wayland/outgoing_transfers.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <tuple>
#include <vector>

namespace nimbrel {
namespace {

using namespace std::chrono_literals;
using Clock = OutgoingTransfers::Clock;

// More than a pipe holds, so a paster that never reads leaves the transfer under way.
const SharedText stuckBytes{std::string(256 * 1024, 'x')};

// Pasters that never read, each handing over its pipe's writing end; the reading ends stay open.
struct Pasters {
    explicit Pasters(int count)
    {
        for (int i = 0; i < count; ++i) {
            int fds[2];
            EXPECT_EQ(pipe2(fds, O_CLOEXEC), 0);
            readEnds.push_back(fds[0]);
            writeEnds.push_back(fds[1]);
        }
    }
    ~Pasters()
    {
        for (const int fd : readEnds)
            close(fd);
    }
    std::vector<int> readEnds;
    std::vector<int> writeEnds;
};

std::size_t underWay(const OutgoingTransfers &transfers, Clock::time_point now)
{
    std::vector<pollfd> fds;
    transfers.watch(fds, now);
    return fds.size();
}

TEST(OutgoingTransfers, GivesUpAStalledPasterAfterItsPatienceAndServesAtMost64)
{
    const Clock::time_point start{};
    const std::tuple<const char *, int, std::chrono::milliseconds, std::size_t> rows[] = {
        // name, pasters, time since the last byte went out, transfers still under way
        {"stalled 1.9 s kept", 1, 1900ms, 1},
        {"stalled 2.1 s dropped", 1, 2100ms, 0},
        {"the 65th refused", 65, 0ms, 64},
    };
    for (const auto &[name, count, stalled, expected] : rows) {
        Pasters pasters(count);
        OutgoingTransfers transfers;
        for (const int fd : pasters.writeEnds)
            transfers.add(fd, stuckBytes, start);
        std::vector<pollfd> fds;
        transfers.watch(fds, start + stalled);
        transfers.progress(fds, 0, start + stalled); // no paster read: no revents
        EXPECT_EQ(underWay(transfers, start + stalled), expected) << name;
    }
}

} // namespace
} // namespace nimbrel
