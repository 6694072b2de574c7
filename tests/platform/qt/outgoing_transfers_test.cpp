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
        // Pasters that never read, each handing over its pipe's writing end; the reading ends
        // stay open until the row's end.
        OutgoingTransfers transfers;
        std::vector<int> readEnds;
        for (int i = 0; i < count; ++i) {
            int ends[2];
            ASSERT_EQ(pipe2(ends, O_CLOEXEC), 0);
            readEnds.push_back(ends[0]);
            transfers.add(ends[1], stuckBytes, start);
        }
        std::vector<pollfd> fds;
        transfers.watch(fds, start + stalled);
        transfers.progress(fds, 0, start + stalled); // no paster read: no revents
        fds.clear();
        transfers.watch(fds, start + stalled);
        EXPECT_EQ(fds.size(), expected) << name;
        for (const int fd : readEnds)
            close(fd);
    }
}

} // namespace
} // namespace nimbrel
