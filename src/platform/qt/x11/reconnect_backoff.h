#pragma once

#include <atomic>
#include <chrono>

namespace nimbrel {

// The pauses between attempts to reach the X display again after a connection broke: short at
// first, so a restarted server is found at once, then longer, so a missing one costs nothing.
class ReconnectBackoff {
public:
    ReconnectBackoff(int wakeFd, const std::atomic<bool> &stop);

    // Waits before the next attempt (not before the first); false when told to stop meanwhile.
    bool wait();
    // How long the attempts have gone on.
    std::chrono::steady_clock::duration elapsed() const;

private:
    int m_wakeFd = -1;
    const std::atomic<bool> &m_stop;
    std::chrono::milliseconds m_pause{0};
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

} // namespace nimbrel
