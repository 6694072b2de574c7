#pragma once

#include "platform/timer.h"

#include <memory>
#include <vector>

namespace nimbrel {

// Timers that fire only when the test says so.
class MemoryTimerScheduler final : public TimerScheduler {
public:
    std::unique_ptr<Timer> scheduledRepeatingTimer(std::chrono::milliseconds interval,
                                                   std::function<void()> tick) override;

    // Fires every live timer once, in the order they were scheduled.
    void fire();
    std::size_t liveTimers() const;
    std::chrono::milliseconds lastInterval() const { return m_lastInterval; }

private:
    struct Entry {
        std::function<void()> tick;
        std::shared_ptr<bool> alive;
    };
    std::vector<Entry> m_entries;
    std::chrono::milliseconds m_lastInterval{0};
};

} // namespace nimbrel
