#include "platform/qt/wayland/outgoing_transfers.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <string>
#include <tuple>
#include <vector>

namespace nimbrel {
namespace {

using namespace std::chrono_literals;
using Clock = OutgoingTransfers::Clock;

// More than a pipe holds, so a paster that never reads leaves the transfer under way.
const SharedText stuckBytes{std::string(256 * 1024, 'x')};

// Asks for bytes through a pipe of its own; returns the reading end, which never blocks.
int paste(OutgoingTransfers &transfers, const SharedText &bytes, Clock::time_point now)
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return -1;
    transfers.add(ends[1], bytes, now);
    return ends[0];
}

// Neither served nor refused yet: the pipe is empty and still open.
bool waits(int readEnd)
{
    pollfd end{readEnd, POLLIN, 0};
    return poll(&end, 1, 0) == 0;
}

// Reads a paster's pipe to its end as a slow reader does, the transfers moving on in between.
std::string readToEnd(OutgoingTransfers &transfers, int readEnd, Clock::time_point now)
{
    std::string got;
    // Each round reads what the last one wrote: the bound is only there so a fault cannot hang.
    for (int round = 0; round < 1000; ++round) {
        char buffer[65536];
        const ssize_t count = read(readEnd, buffer, sizeof buffer);
        if (count == 0 || (count < 0 && errno != EAGAIN))
            break;
        if (count > 0)
            got.append(buffer, static_cast<std::size_t>(count));
        std::vector<pollfd> fds;
        transfers.watch(fds, now);
        poll(fds.data(), fds.size(), 0);
        transfers.progress(fds, 0, now);
    }
    return got;
}

// A paster that takes nothing for its patience of 2 s is given up, and its place goes to the first
// that waits: the oldest stuck paster, stalled 2.1 s, goes, while the others, stalled 1.9 s, stay.
TEST(OutgoingTransfers, StalledPasterIsGivenUpAfterItsPatienceAndOthersWaitInOrderWithinHalfTheDescriptors)
{
    // The serving thread blocks SIGPIPE; here it is ignored, for the paster that goes away.
    const auto previousHandler = std::signal(SIGPIPE, SIG_IGN);
    const Clock::time_point start{};
    const Clock::time_point later = start + 200ms;
    // Each waiting paster's bytes fill its pipe too, so it keeps its place until it is read.
    const SharedText firstBytes{std::string(256 * 1024, 'a')};
    const SharedText thirdBytes{std::string(256 * 1024, 'c')};
    OutgoingTransfers transfers;
    std::vector<int> stuck{paste(transfers, stuckBytes, start)};
    while (stuck.size() < 64)
        stuck.push_back(paste(transfers, stuckBytes, later));
    const int first = paste(transfers, firstBytes, later);
    close(paste(transfers, stuckBytes, later));
    const int third = paste(transfers, thirdBytes, later);
    const int fourth = paste(transfers, stuckBytes, later);
    EXPECT_TRUE(waits(first)) << "the 65th paster";

    // A slow paster read to its end frees one place, for the first that waits.
    EXPECT_TRUE(readToEnd(transfers, stuck[1], later) == stuckBytes.str()) << "the slow paster's bytes";
    EXPECT_TRUE(waits(third) && waits(fourth)) << "later pasters while the first took the place";
    // The oldest stuck paster given up frees the next place, and no other: the paster that has
    // gone takes it and leaves it to the third in the same step.
    const Clock::time_point expiry = start + 2100ms;
    std::vector<pollfd> fds;
    transfers.watch(fds, expiry);
    transfers.progress(fds, 0, expiry); // no paster read: no revents
    EXPECT_FALSE(waits(third)) << "the third once the place was free";
    EXPECT_TRUE(waits(fourth)) << "the fourth while the third took the place";
    EXPECT_TRUE(readToEnd(transfers, third, expiry) == thirdBytes.str()) << "the third paster's bytes";
    EXPECT_TRUE(readToEnd(transfers, first, expiry) == firstBytes.str()) << "the first paster's bytes";

    transfers.clear();
    for (const int fd : stuck)
        close(fd);
    for (const int fd : {first, third, fourth})
        close(fd);
    std::signal(SIGPIPE, previousHandler);

    // Pasters waiting hold at most half the descriptors allowed.
    const std::tuple<const char *, rlim_t, std::size_t> rows[] = {
        // name, soft limit of descriptors, pasters that may wait
        {"usual limit", 320, 96},
        {"half the limit no more than the served", 120, 0},
    };
    for (const auto &[name, soft, mostWaiting] : rows) {
        rlimit limit{};
        ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &limit), 0);
        const rlimit lowered{soft, limit.rlim_max};
        ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &lowered), 0);
        // The limit is read as the transfers are made.
        OutgoingTransfers bounded;
        ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &limit), 0);
        std::vector<int> readEnds;
        for (std::size_t i = 0; i < 64 + mostWaiting + 1; ++i)
            readEnds.push_back(paste(bounded, stuckBytes, start));
        EXPECT_TRUE(std::all_of(readEnds.begin() + 64, readEnds.end() - 1, waits)) << name;
        char byte = 0;
        EXPECT_EQ(read(readEnds.back(), &byte, 1), 0) << name << ": the one beyond, closed without a byte";
        bounded.clear();
        EXPECT_TRUE(std::all_of(readEnds.begin() + 64, readEnds.end(), [&](int fd) { return read(fd, &byte, 1) == 0; }))
            << name << ": waiting pasters given up by clear";
        for (const int fd : readEnds)
            close(fd);
    }
}

} // namespace
} // namespace nimbrel
