#pragma once

#include "platform/background_work.h"

#include <cstddef>
#include <deque>

namespace nimbrel {

// Work that runs when the test says so, on the test's thread: start() only queues it.
class MemoryBackgroundWork final : public BackgroundWork {
public:
    void start(Work work) override;
    void stopAll() override;

    // Runs the queued works in order, each with its completion, including works that those
    // completions start; says how many ran.
    std::size_t finishAll();
    // Runs the first queued work with stop requested, as a work stopped halfway would end, then
    // its completion; false when nothing was queued.
    bool runFirstStopped();
    std::size_t queued() const { return m_queue.size(); }
    std::size_t stops() const { return m_stops; }

private:
    std::deque<Work> m_queue;
    std::size_t m_stops = 0;
};

} // namespace nimbrel
