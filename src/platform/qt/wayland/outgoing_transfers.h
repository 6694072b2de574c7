#pragma once

#include "platform/shared_text.h"

#include <poll.h>

#include <chrono>
#include <cstddef>
#include <deque>
#include <list>
#include <vector>

namespace nimbrel {

// The program's own clipboard bytes on their way to the programs that paste them, each through the
// pipe the paster handed over. Written only as fast as each paster reads, so that a slow or stuck
// one never holds up the thread that serves them; one that reads nothing for a while is given up.
// Pasters beyond the most that are served at once wait their turn in the order they asked, each
// holding only its descriptor and a share of the bytes.
class OutgoingTransfers {
public:
    // Reads the process's descriptor limit, which bounds how many pasters may wait.
    OutgoingTransfers();
    ~OutgoingTransfers();
    OutgoingTransfers(const OutgoingTransfers &) = delete;
    OutgoingTransfers &operator=(const OutgoingTransfers &) = delete;

    using Clock = std::chrono::steady_clock;

    // Takes over fd and sends bytes into it, or has it wait while too many transfers are under way;
    // closes it only when too many wait as well.
    // The time is passed in, here and below, so that the patience allowed can be tested.
    void add(int fd, SharedText bytes, Clock::time_point now);
    // Gives up every transfer, waiting ones included.
    void clear();
    // Appends a pollfd per transfer; the milliseconds until the next one expires, -1 for none.
    int watch(std::vector<pollfd> &fds, Clock::time_point now) const;
    // Moves on with the transfers, given the fds watch() appended from first on, after poll; waiting
    // ones take the places of those that ended.
    void progress(const std::vector<pollfd> &fds, std::size_t first, Clock::time_point now);

private:
    struct Transfer {
        int fd = -1;
        SharedText bytes;
        std::size_t sent = 0;
        Clock::time_point deadline;
    };

    struct Waiting {
        int fd = -1;
        SharedText bytes;
    };

    // False once the transfer is over: all sent, refused or expired.
    static bool send(Transfer &transfer, Clock::time_point now);
    void start(int fd, SharedText bytes, Clock::time_point now);
    void startWaiting(Clock::time_point now);

    std::list<Transfer> m_transfers;
    std::deque<Waiting> m_waiting;
    std::size_t m_mostWaiting = 0;
};

} // namespace nimbrel
