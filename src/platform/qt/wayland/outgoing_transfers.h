#pragma once

#include "platform/shared_text.h"

#include <poll.h>

#include <chrono>
#include <cstddef>
#include <list>
#include <vector>

namespace nimbrel {

// The program's own clipboard bytes on their way to the programs that paste them, each through the
// pipe the paster handed over. Written only as fast as each paster reads, so that a slow or stuck
// one never holds up the thread that serves them; one that reads nothing for a while is given up,
// and so is a paster beyond the most that are served at once.
class OutgoingTransfers {
public:
    OutgoingTransfers() = default;
    ~OutgoingTransfers();
    OutgoingTransfers(const OutgoingTransfers &) = delete;
    OutgoingTransfers &operator=(const OutgoingTransfers &) = delete;

    using Clock = std::chrono::steady_clock;

    // Takes over fd and sends bytes into it, or closes it when too many transfers are under way.
    // The time is passed in, here and below, so that the patience allowed can be tested.
    void add(int fd, SharedText bytes, Clock::time_point now);
    // Gives up every transfer.
    void clear();
    // Appends a pollfd per transfer; the milliseconds until the next one expires, -1 for none.
    int watch(std::vector<pollfd> &fds, Clock::time_point now) const;
    // Moves on with the transfers, given the fds watch() appended from first on, after poll.
    void progress(const std::vector<pollfd> &fds, std::size_t first, Clock::time_point now);

private:
    struct Transfer {
        int fd = -1;
        SharedText bytes;
        std::size_t sent = 0;
        Clock::time_point deadline;
    };

    // False once the transfer is over: all sent, refused or expired.
    static bool send(Transfer &transfer, Clock::time_point now);

    std::list<Transfer> m_transfers;
};

} // namespace nimbrel
